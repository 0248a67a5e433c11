#include "ui/hole_mark.h"

#include <cmath>

#include <QPainter>

namespace vorn {

namespace {

// Room around the hole, in designed pixels: the focus ring encloses the
// hint's rings.
constexpr int kHintMargin = 6;
constexpr int kFocusMargin = 9;

const QColor kEdge(10, 10, 10);

}  // namespace

HoleMark::HoleMark(QWidget* board, Look look) : QWidget(board), look_(look) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void HoleMark::ShowAround(QRect hole, qreal boardScale) {
  scale_ = boardScale;
  const int designed = look_ == Look::Focus ? kFocusMargin : kHintMargin;
  const int margin = static_cast<int>(std::lround(designed * boardScale));
  setGeometry(hole.adjusted(-margin, -margin, margin, margin));
  show();
  raise();
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
  for (const auto& [colour, width] : {std::pair(kEdge, 7.0), std::pair(core, 3.0)}) {
    painter.setPen(QPen(colour, width * scale_));
    if (look_ == Look::Focus) {
      painter.drawRoundedRect(ring, 30, 30, Qt::RelativeSize);
    } else {
      painter.drawEllipse(ring);
    }
  }
}

}  // namespace vorn
