#include "platform/svg_pictures.h"

#include <cmath>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include "platform/picture_cache.h"
#include "platform/picture_digests.h"

namespace vorn {

namespace {

// The tip of the index finger in the hand picture, in its 32 x 32 grid.
constexpr int kHandHotX = 12, kHandHotY = 2;
constexpr int kHandSide = 32;

QByteArray SvgSource(const QString& resource) {
  QFile file(resource);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QByteArray SvgVersion(const QString& resource) {
  static std::map<QString, QByteArray> versions;
  auto known = versions.find(resource);
  if (known == versions.end()) {
    // The pictures compiled in are known by their digests; any other is read.
    const std::string_view digest = BuiltPictureDigest(resource.toStdString());
    const QByteArray version = PictureCache::VersionOf(
        digest.empty() ? SvgSource(resource) : QByteArray(digest.data(), digest.size()));
    known = versions.emplace(resource, version).first;
  }
  return known->second;
}

QImage RenderSvg(const QString& resource, QSize logicalSize, qreal devicePixelRatio) {
  QImage image(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(SvgSource(resource));
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
  return image;
}

QImage CachedImage(const QString& name, const QByteArray& version, QSize pixels,
                   qreal devicePixelRatio, const std::function<QImage()>& render) {
  // In the cache folder of the moment: looked up again each time costs
  // microseconds, against the milliseconds of a picture.
  const PictureCache rendered;
  if (std::optional<QImage> found = rendered.Find(name, version, pixels, devicePixelRatio)) {
    found->setDevicePixelRatio(devicePixelRatio);
    return *std::move(found);
  }
  QImage image = render();
  rendered.Store(name, version, devicePixelRatio, image);
  return image;
}

QImage SvgImage(const QString& resource, QSize logicalSize, qreal devicePixelRatio) {
  return CachedImage(resource, SvgVersion(resource), logicalSize * devicePixelRatio,
                     devicePixelRatio,
                     [&] { return RenderSvg(resource, logicalSize, devicePixelRatio); });
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
  // Made once for each ratio and scale: a cursor from a picture is costly.
  static std::map<std::pair<qreal, qreal>, QCursor> made;
  const std::pair key(devicePixelRatio, boardScale);
  if (auto it = made.find(key); it != made.end()) return it->second;
  const int side = static_cast<int>(std::lround(kHandSide * boardScale));
  QPixmap hand = SvgPicture(":/assets/hand.svg", QSize(side, side), devicePixelRatio);
  qreal hotSpotScale = boardScale;
  if (QGuiApplication::platformName() == "xcb") {
    // An X11 cursor is an image in device pixels, and Qt passes the hot spot
    // on unscaled: give both in device pixels, so the fingertip points at
    // every screen scale.
    hand.setDevicePixelRatio(1);
    hotSpotScale = devicePixelRatio * boardScale;
  }
  const QCursor cursor(hand, static_cast<int>(std::lround(kHandHotX * hotSpotScale)),
                       static_cast<int>(std::lround(kHandHotY * hotSpotScale)));
  return made.emplace(key, cursor).first->second;
}

}  // namespace vorn
