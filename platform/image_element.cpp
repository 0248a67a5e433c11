#include "platform/image_element.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/svg_pictures.h"

namespace vorn {

int ButtonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int ButtonsSum(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0) +
         (buttons & Qt::MiddleButton ? 4 : 0);
}

ImageElement::ImageElement(QWidget* parent, QString resource, bool receivesMouse)
    : QWidget(parent), resource_(std::move(resource)) {
  setAttribute(Qt::WA_TransparentForMouseEvents, !receivesMouse);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void ImageElement::SetHandCursor(bool hand, qreal boardScale) {
  if (hand == hand_ && (!hand || boardScale == handScale_)) return;
  hand_ = hand;
  handScale_ = boardScale;
  if (hand) {
    setCursor(HandCursor(devicePixelRatioF(), boardScale));
  } else {
    unsetCursor();
  }
}

void ImageElement::SetWindowOutline(const QPainterPath& outline) {
  windowOutline_ = outline;
  update();
}

void ImageElement::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const qreal scale = devicePixelRatioF();
  const QPixmap& picture = SvgPicture(resource_, size(), scale);
  const QPainterPath outline = windowOutline_.translated(-mapTo(window(), QPoint(0, 0)));
  if (windowOutline_.isEmpty() || outline.contains(QRectF(rect()))) {
    painter.drawPixmap(0, 0, picture);
    return;
  }
  // A picture across the outline: only its part inside, with a soft edge.
  QPixmap cut(picture.size());
  cut.fill(Qt::transparent);
  QPainter cutter(&cut);
  cutter.setRenderHint(QPainter::Antialiasing);
  cutter.fillPath(QTransform::fromScale(scale, scale).map(outline), Qt::black);
  cutter.setCompositionMode(QPainter::CompositionMode_SourceIn);
  QPixmap devicePicture = picture;
  devicePicture.setDevicePixelRatio(1);
  cutter.drawPixmap(0, 0, devicePicture);
  cutter.end();
  cut.setDevicePixelRatio(scale);
  painter.drawPixmap(0, 0, cut);
}

void ImageElement::mousePressEvent(QMouseEvent* event) {
  if (handler_) handler_(MouseEvent::Down, ButtonNumber(event->button()), event->position());
}

void ImageElement::mouseDoubleClickEvent(QMouseEvent* event) {
  // A second click in quick succession is a press like any other.
  mousePressEvent(event);
}

void ImageElement::mouseMoveEvent(QMouseEvent* event) {
  if (handler_) handler_(MouseEvent::Move, ButtonsSum(event->buttons()), event->position());
}

void ImageElement::mouseReleaseEvent(QMouseEvent* event) {
  if (handler_) handler_(MouseEvent::Up, ButtonNumber(event->button()), event->position());
}

}  // namespace vorn
