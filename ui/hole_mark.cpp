#include "ui/hole_mark.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>

namespace vorn {

namespace {

// Room around the hole, in designed pixels: the focus ring encloses the
// hint's rings.
constexpr int kHintMargin = 6;
constexpr int kFocusMargin = 9;

const QColor kEdge(10, 10, 10);

// The triangle moved inwards by `inset` on every side: scaled about its
// incentre, whose distance to each side is the inradius.
QPolygonF Inset(const QPolygonF& triangle, qreal inset) {
  if (triangle.size() != 3) return triangle;
  const QPointF a = triangle[0], b = triangle[1], c = triangle[2];
  const qreal la = QLineF(b, c).length(), lb = QLineF(c, a).length(), lc = QLineF(a, b).length();
  const qreal perimeter = la + lb + lc;
  const qreal area =
      std::abs((b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y())) / 2;
  if (perimeter <= 0 || area <= 0) return triangle;
  const QPointF centre = (a * la + b * lb + c * lc) / perimeter;
  const qreal factor = std::max<qreal>(0, 1 - inset / (2 * area / perimeter));
  QPolygonF inner;
  for (const QPointF& corner : triangle) inner << centre + (corner - centre) * factor;
  return inner;
}

}  // namespace

HoleMark::HoleMark(QWidget* board, Look look) : QWidget(board), look_(look) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void HoleMark::ShowAround(int hole, QRect place, qreal boardScale) {
  hole_ = hole;
  scale_ = boardScale;
  const int designed = look_ == Look::Focus ? kFocusMargin : kHintMargin;
  const int margin = static_cast<int>(std::lround(designed * boardScale));
  setGeometry(place.adjusted(-margin, -margin, margin, margin));
  show();
  raise();
}

void HoleMark::SetBounds(const QPolygonF& outline) {
  bounds_ = outline;
  update();
}

void HoleMark::Clear() {
  hide();
}

void HoleMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal inset = 2.5 * scale_;
  const QRectF ring = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
  // The dark edge stands out on light wood, the light core on dark balls.
  const QColor core = look_ == Look::HintFrom ? QColor(255, 225, 60)
                      : look_ == Look::HintTo ? QColor(140, 240, 255)
                                              : QColor(Qt::white);
  const qreal edgeWidth = 7.0, coreWidth = 3.0;
  QPainterPath path;
  if (look_ == Look::Focus) {
    path.addRoundedRect(ring, 30, 30, Qt::RelativeSize);
  } else {
    path.addEllipse(ring);
  }
  if (!bounds_.isEmpty()) {
    // Kept inside the board's dark border, which is 3 pixels wide.
    const QPolygonF inside = Inset(bounds_, (edgeWidth / 2 + 3) * scale_)
                                 .translated(-QPointF(mapTo(window(), QPoint(0, 0))));
    QPainterPath bounds;
    bounds.addPolygon(inside);
    bounds.closeSubpath();
    path = path.intersected(bounds);
  }
  for (const auto& [colour, width] : {std::pair(kEdge, edgeWidth), std::pair(core, coreWidth)}) {
    painter.setPen(QPen(colour, width * scale_));
    painter.drawPath(path);
  }
}

}  // namespace vorn
