#include "ui/hint_mark.h"

#include <cmath>

#include <QPainter>
#include <QRadialGradient>

namespace vorn {

namespace {
constexpr int kMargin = 6;
constexpr int kFadeMilliseconds = 2000;
}  // namespace

HintMark::HintMark(QWidget* board, QColor colour) : QWidget(board), colour_(colour) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
  fade_.setDuration(kFadeMilliseconds);
  fade_.setStartValue(1.0);
  fade_.setEndValue(0.0);
  fade_.setEasingCurve(QEasingCurve::InQuad);
  connect(&fade_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
    opacity_ = value.toReal();
    update();
  });
  connect(&fade_, &QVariantAnimation::finished, this, &HintMark::Clear);
}

void HintMark::ShowAround(QRect hole, qreal boardScale) {
  scale_ = boardScale;
  const int margin = static_cast<int>(std::lround(kMargin * boardScale));
  setGeometry(hole.adjusted(-margin, -margin, margin, margin));
  opacity_ = 1;
  show();
  raise();
  fade_.stop();
  fade_.start();
}

void HintMark::Clear() {
  fade_.stop();
  hide();
}

void HintMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setOpacity(opacity_);
  const qreal inset = 2.5 * scale_;
  const QRectF ring = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
  QColor glow = colour_;
  glow.setAlphaF(0.35);
  painter.setPen(QPen(glow, 5 * scale_));
  painter.drawEllipse(ring);
  painter.setPen(QPen(colour_, 2 * scale_));
  painter.drawEllipse(ring);
}

}  // namespace vorn
