#pragma once

#include <functional>

#include <QWidget>

namespace vorn {

// Picture1: the board background. It takes the keyboard focus and every press
// that misses a ball.
class BoardPicture : public QWidget {
 public:
  explicit BoardPicture(QWidget* parent);

  std::function<void(Qt::MouseButton, QPointF globalPos)> onMouseDown;
  std::function<void(int key)> onKeyDown;

  // Moves the window with the mouse when the window system cannot.
  void BeginManualMove(QPointF globalPos);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool manualMove_ = false;
  QPointF moveOrigin_;
  QPoint windowOrigin_;
};

}  // namespace vorn
