#include "platform/svg_pictures.h"

#include <cmath>
#include <map>
#include <tuple>

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace vorn {

namespace {

// The tip of the index finger in the hand picture, in its 32 x 32 grid.
constexpr int kHandHotX = 12, kHandHotY = 2;
constexpr int kHandSide = 32;

}  // namespace

QPixmap SvgPicture(const QString& resource, QSize logicalSize, qreal devicePixelRatio) {
  using Key = std::tuple<QString, int, int, qreal>;
  static std::map<Key, QPixmap> cache;
  const Key key{resource, logicalSize.width(), logicalSize.height(), devicePixelRatio};
  if (auto it = cache.find(key); it != cache.end()) return it->second;

  QPixmap pixmap(logicalSize * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(resource);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
  painter.end();
  cache.emplace(key, pixmap);
  return pixmap;
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
