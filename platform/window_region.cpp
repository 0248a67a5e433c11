#include "platform/window_region.h"

#include <QRegion>
#include <QWindow>

#include "board/board_geometry.h"

namespace vorn {

QPolygon TrianglePolygon(QSize clientSize) {
  QPolygon polygon;
  for (const PixelPoint& p : TriangleRegion(clientSize.width(), clientSize.height())) {
    polygon << QPoint(p.x, p.y);
  }
  return polygon;
}

void CutToTriangle(QWidget* window) {
  window->setMask(QRegion(TrianglePolygon(window->size()), Qt::OddEvenFill));
}

bool StartSystemMove(QWidget* window) {
  QWindow* handle = window->windowHandle();
  return handle && handle->startSystemMove();
}

}  // namespace vorn
