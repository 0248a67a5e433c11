#include "platform/svg_pictures.h"

#include <map>
#include <tuple>

#include <QPainter>
#include <QSvgRenderer>

namespace vorn {

namespace {

// The tip of the index finger in the hand picture, in its 32 x 32 grid.
constexpr int kHandHotX = 12, kHandHotY = 2;

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

QCursor HandCursor(qreal devicePixelRatio) {
  return QCursor(SvgPicture(":/assets/hand.svg", QSize(32, 32), devicePixelRatio), kHandHotX,
                 kHandHotY);
}

}  // namespace vorn
