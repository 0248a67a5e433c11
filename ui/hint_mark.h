#pragma once

#include <QVariantAnimation>
#include <QWidget>

namespace vorn {

// A soft ring around a hole that fades out, marking a hinted jump.
class HintMark : public QWidget {
 public:
  HintMark(QWidget* board, QColor colour);

  // Rings the rectangle (a hole's, in the board's pixels) and starts fading;
  // the ring grows with the board by boardScale.
  void ShowAround(QRect hole, qreal boardScale = 1);
  void Clear();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor colour_;
  qreal opacity_ = 1;
  qreal scale_ = 1;
  QVariantAnimation fade_;
};

}  // namespace vorn
