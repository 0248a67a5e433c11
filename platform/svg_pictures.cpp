#include "platform/svg_pictures.h"

#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include "platform/picture_cache.h"

namespace vorn {

namespace {

// The tip of the index finger in the hand picture, in its 32 x 32 grid.
constexpr int kHandHotX = 12, kHandHotY = 2;
constexpr int kHandSide = 32;

}  // namespace

QImage SvgImage(const QString& resource, QSize logicalSize, qreal devicePixelRatio) {
  static const PictureCache rendered;
  // Each picture's source and version, read once.
  static std::map<QString, std::pair<QByteArray, QByteArray>> sources;
  auto known = sources.find(resource);
  if (known == sources.end()) {
    QFile file(resource);
    QByteArray source = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QByteArray version = PictureCache::VersionOf(source);
    known = sources.emplace(resource, std::pair(std::move(source), std::move(version))).first;
  }
  const auto& [source, version] = known->second;
  const QSize pixels = logicalSize * devicePixelRatio;
  if (std::optional<QImage> found = rendered.Find(resource, version, pixels, devicePixelRatio)) {
    found->setDevicePixelRatio(devicePixelRatio);
    return *found;
  }
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(source);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
  painter.end();
  rendered.Store(resource, version, devicePixelRatio, image);
  return image;
}

QPixmap SvgPicture(const QString& resource, QSize logicalSize, qreal devicePixelRatio) {
  using Key = std::tuple<QString, int, int, qreal>;
  static std::map<Key, QPixmap> cache;
  const Key key{resource, logicalSize.width(), logicalSize.height(), devicePixelRatio};
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  QPixmap pixmap = QPixmap::fromImage(SvgImage(resource, logicalSize, devicePixelRatio));
  cache.emplace(key, pixmap);
  return pixmap;
}

QIcon SvgIcon(const QString& resource, std::initializer_list<int> sides) {
  QIcon icon;
  for (int side : sides)
    icon.addPixmap(QPixmap::fromImage(SvgImage(resource, QSize(side, side), 1)));
  return icon;
}

QCursor HandCursor(qreal devicePixelRatio, qreal boardScale) {
  const int side = static_cast<int>(std::lround(kHandSide * boardScale));
  QPixmap hand = SvgPicture(":/assets/hand.svg", QSize(side, side), devicePixelRatio);
  if (QGuiApplication::platformName() != "xcb") {
    return QCursor(hand, static_cast<int>(std::lround(kHandHotX * boardScale)),
                   static_cast<int>(std::lround(kHandHotY * boardScale)));
  }
  // An X11 cursor is an image in device pixels, and Qt passes the hot spot
  // on unscaled: give both in device pixels, so the fingertip points at
  // every screen scale.
  hand.setDevicePixelRatio(1);
  const qreal scale = devicePixelRatio * boardScale;
  return QCursor(hand, static_cast<int>(std::lround(kHandHotX * scale)),
                 static_cast<int>(std::lround(kHandHotY * scale)));
}

}  // namespace vorn
