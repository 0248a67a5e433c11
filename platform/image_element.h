#pragma once

#include <functional>

#include <QPainterPath>
#include <QWidget>

namespace vorn {

// An image element of the board: a hole or a ball picture at a place of its
// own. A ball receives its own mouse events; a hole lets them pass to the
// board below.
class ImageElement : public QWidget {
 public:
  enum class MouseEvent { Down, Move, Up };
  // button: for Down/Up the one button concerned, for Move the sum of those
  // held (1 left, 2 right, 4 middle); pos: logical pixels inside the element.
  using MouseHandler = std::function<void(MouseEvent, int button, QPointF pos)>;

  ImageElement(QWidget* parent, QString resource, bool receivesMouse);

  void SetMouseHandler(MouseHandler handler) { handler_ = std::move(handler); }
  // The hand pointer grows with the board by boardScale.
  void SetHandCursor(bool hand, qreal boardScale = 1);
  // Where the window is transparent around a softened outline (given in the
  // window's coordinates), the picture is cut along it with the same soft
  // edge; an empty outline draws the whole picture.
  void SetWindowOutline(const QPainterPath& outline);
  bool HasHandCursor() const { return hand_; }
  const QString& Resource() const { return resource_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString resource_;
  MouseHandler handler_;
  QPainterPath windowOutline_;
  bool hand_ = false;
  qreal handScale_ = 1;
};

// Buttons in the numbering the ball events use.
int ButtonNumber(Qt::MouseButton button);
int ButtonsSum(Qt::MouseButtons buttons);

}  // namespace vorn
