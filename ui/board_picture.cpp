#include "ui/board_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "board/board_geometry.h"
#include "platform/svg_pictures.h"

namespace vorn {

namespace {

QPointF ToPixels(float xTwips, float yTwips) {
  return {xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel};
}

void DrawLine(QPainter& painter, const LineElement& line) {
  painter.drawLine(ToPixels(line.X1, line.Y1), ToPixels(line.X2, line.Y2));
}

}  // namespace

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("Picture1");
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(0, 0, static_cast<int>(kPicture1Width / kTwipsPerPixel),
              static_cast<int>(kPicture1Height / kTwipsPerPixel));
}

void BoardPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.fillRect(rect(), Qt::white);
  painter.drawPixmap(
      0, 0,
      SvgPicture(":/assets/board.svg", QSize(kBackgroundWidthPixels, kBackgroundHeightPixels),
                 devicePixelRatioF()));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(
      QPen(palette().color(QPalette::WindowText), kLineWidthPixels, Qt::SolidLine, Qt::FlatCap));
  DrawLine(painter, kLine1);
  DrawLine(painter, kLine3);
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
  if (onMouseDown) onMouseDown(event->button(), event->globalPosition());
}

void BoardPicture::BeginManualMove(QPointF globalPos) {
  manualMove_ = true;
  moveOrigin_ = globalPos;
  windowOrigin_ = window()->pos();
}

void BoardPicture::mouseMoveEvent(QMouseEvent* event) {
  if (!manualMove_ || !(event->buttons() & Qt::LeftButton)) return;
  window()->move(windowOrigin_ + (event->globalPosition() - moveOrigin_).toPoint());
}

void BoardPicture::mouseReleaseEvent(QMouseEvent*) {
  manualMove_ = false;
}

void BoardPicture::keyPressEvent(QKeyEvent* event) {
  if (onKeyDown) onKeyDown(event->key());
}

}  // namespace vorn
