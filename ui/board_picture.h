#pragma once

#include <functional>

#include <QWidget>

#include "ui/twips.h"

namespace vorn {

// Picture1: the board background. It takes the keyboard focus and every press
// that misses a ball.
class BoardPicture : public QWidget {
 public:
  explicit BoardPicture(QWidget* parent);

  // A press: where on the board, and where on the screen.
  std::function<void(Qt::MouseButton, QPointF at, QPointF globalPos)> onMouseDown;
  std::function<void()> onFocusIn;
  // Run once from the event loop after the board's first picture was drawn,
  // for work that need not delay it.
  std::function<void()> afterFirstPaint;
  std::function<void(int key, Qt::KeyboardModifiers modifiers)> onKeyDown;

  // Grows the board, its wood and its border lines with the window.
  void SetScale(const BoardScale& scale);

  // A left press on the background: the window follows the mouse once the
  // pointer has moved the platform's drag distance with the button held. A
  // click without movement never starts a move, so no move can outlive the
  // button.
  void ArmWindowMove(QPointF globalPos);
  bool WindowMoveArmed() const { return moveArmed_; }

  // With smooth edges the board is drawn as a triangle with softened edges
  // over a transparent window; without, it fills its rectangle and the
  // window's mask cuts it.
  void SetSmoothEdges(bool smooth);
  bool SmoothEdges() const { return smooth_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab and Shift+Tab move the focus ring over the board, not the focus.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  // The wood and its border lines, drawn once per size, scale and edge kind.
  const QPixmap& Background();
  // The same drawn anew, in device pixels.
  QImage Wood(qreal devicePixelRatio) const;

  bool smooth_ = false;
  BoardScale scale_;
  QPixmap background_;
  bool backgroundSmooth_ = false;
  bool moveArmed_ = false;
  bool manualMove_ = false;
  QPointF moveOrigin_;
  QPoint windowOrigin_;
};

}  // namespace vorn
