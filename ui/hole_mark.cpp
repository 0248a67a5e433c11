#include "ui/hole_mark.h"

#include <cmath>
#include <utility>

#include <QPainter>
#include <QPainterPath>

namespace vorn {

namespace {

// Room around the hole, in designed pixels: the focus ring encloses the
// hint's rings.
constexpr int kHintMargin = 6;
constexpr int kFocusMargin = 9;

const QColor kEdge(10, 10, 10);
// The pen widths of the dark edge and the light core, in designed pixels.
constexpr qreal kEdgeWidth = 7.0, kCoreWidth = 3.0;
// A landing hole's dot.
constexpr qreal kLandingRadius = 6.0;
const QColor kLandingCore(0, 100, 35);

}  // namespace

HoleMark::HoleMark(QWidget* board, Look look) : QWidget(board), look_(look) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void HoleMark::ShowAround(int hole, QRect place, qreal boardScale) {
  hole_ = hole;
  scale_ = boardScale;
  const int designed = look_ == Look::Focus     ? kFocusMargin
                       : look_ == Look::Landing ? 0
                                                : kHintMargin;
  const int margin = static_cast<int>(std::lround(designed * boardScale));
  setGeometry(place.adjusted(-margin, -margin, margin, margin));
  show();
  raise();
}

void HoleMark::Clear() {
  hide();
}

QPainterPath HoleMark::Outline() const {
  if (look_ == Look::Landing) {
    // A dot in the middle of the hole, where the ball would stand.
    QPainterPath dot;
    dot.addEllipse(QRectF(rect()).center(), kLandingRadius * scale_, kLandingRadius * scale_);
    return dot;
  }
  const qreal inset = 2.5 * scale_;
  const QRectF ring = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
  QPainterPath path;
  if (look_ == Look::Focus) {
    path.addRoundedRect(ring, 30, 30, Qt::RelativeSize);
  } else {
    path.addEllipse(ring);
  }
  return path;
}

QRegion HoleMark::Band() const {
  if (isHidden()) return {};
  QPainterPathStroker stroker;
  stroker.setWidth(kEdgeWidth * scale_ + 2);
  const QPolygon band = stroker.createStroke(Outline()).toFillPolygon().toPolygon();
  return QRegion(band, Qt::WindingFill).translated(pos());
}

void HoleMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // The dark edge stands out on light wood, the light core on dark balls.
  const QColor core = look_ == Look::HintFrom ? QColor(255, 225, 60)
                      : look_ == Look::HintTo ? QColor(140, 240, 255)
                                              : QColor(Qt::white);
  const QPainterPath path = Outline();
  if (look_ == Look::Landing) {
    // Dark green on the light wood (over 4:1), ringed in white on the dark hole.
    painter.setPen(QPen(Qt::white, 2 * scale_));
    painter.setBrush(kLandingCore);
    painter.drawPath(path);
    return;
  }
  for (const auto& [colour, width] : {std::pair(kEdge, kEdgeWidth), std::pair(core, kCoreWidth)}) {
    painter.setPen(QPen(colour, width * scale_));
    painter.drawPath(path);
  }
}

}  // namespace vorn
