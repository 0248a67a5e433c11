#include "ui/board_picture.h"

#include <utility>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "board/board_geometry.h"
#include "platform/picture_cache.h"
#include "platform/svg_pictures.h"
#include "platform/window_region.h"
#include "ui/twips.h"

namespace vorn {

namespace {

void DrawLine(QPainter& painter, const BoardScale& scale, const LineElement& line) {
  painter.drawLine(scale.ToPixels(line.X1, line.Y1), scale.ToPixels(line.X2, line.Y2));
}

}  // namespace

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("Picture1");
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  SetScale(scale_);
}

void BoardPicture::SetScale(const BoardScale& scale) {
  scale_ = scale;
  setGeometry(QRect(QPoint(0, 0), scale_.TwipsSize(kPicture1Width, kPicture1Height)));
  background_ = QPixmap();
  update();
}

void BoardPicture::SetSmoothEdges(bool smooth) {
  if (smooth == smooth_) return;
  smooth_ = smooth;
  // Over a transparent window the corners outside the triangle are not painted.
  setAttribute(Qt::WA_OpaquePaintEvent, !smooth);
  update();
}

QImage BoardPicture::Wood(qreal devicePixelRatio) const {
  const QColor border = palette().color(QPalette::WindowText);
  // Past the board's picture, where the window's cut may still show a
  // pixel, the colour of its border line.
  QImage wood(size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  wood.setDevicePixelRatio(devicePixelRatio);
  wood.fill(border);
  QPainter painter(&wood);
  painter.drawImage(0, 0,
                    RenderSvg(":/assets/board.svg",
                              QSize(scale_.Pixels(kBackgroundWidthPixels),
                                    scale_.Pixels(kBackgroundHeightPixels)),
                              devicePixelRatio));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(border, kLineWidthPixels * scale_.Factor(), Qt::SolidLine, Qt::FlatCap));
  DrawLine(painter, scale_, kLine1);
  DrawLine(painter, scale_, kLine3);
  return wood;
}

const QPixmap& BoardPicture::Background() {
  const qreal scale = devicePixelRatioF();
  const QSize pixels = size() * scale;
  if (background_.size() == pixels && background_.devicePixelRatio() == scale &&
      backgroundSmooth_ == smooth_) {
    return background_;
  }
  backgroundSmooth_ = smooth_;
  // The wood is kept on the disk as drawn, known by all it is drawn from.
  const QColor border = palette().color(QPalette::WindowText);
  QByteArray drawnFrom = SvgVersion(":/assets/board.svg") + ' ' +
                         border.name(QColor::HexArgb).toLatin1() + ' ' +
                         QByteArray::number(scale_.Factor(), 'g', 17) + ' ' +
                         QByteArray::number(kLineWidthPixels, 'g', 9);
  for (const LineElement& line : {kLine1, kLine3}) {
    for (float end : {line.X1, line.Y1, line.X2, line.Y2})
      drawnFrom += ' ' + QByteArray::number(end, 'g', 9);
  }
  QImage wood = CachedImage(":/assets/board.svg", PictureCache::VersionOf(drawnFrom), pixels, scale,
                            [&] { return Wood(scale); });
  if (!smooth_) {
    // Opaque, so its pixels are the same in the window's own format, which
    // is drawn without blending; and taken over by the pixmap, not copied.
    if (border.alpha() == 255) wood.reinterpretAsFormat(QImage::Format_RGB32);
    background_ = QPixmap::fromImage(std::move(wood), Qt::NoFormatConversion);
    return background_;
  }
  // The triangle filled with the wood, antialiased, in device pixels.
  wood.setDevicePixelRatio(1);
  QPixmap triangle(pixels);
  triangle.fill(Qt::transparent);
  QPainterPath outline;
  outline.addPolygon(QTransform::fromScale(scale, scale).map(QPolygonF(scale_.Triangle())));
  outline.closeSubpath();
  QPainter painter(&triangle);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(outline, QBrush(wood));
  painter.end();
  triangle.setDevicePixelRatio(scale);
  background_ = triangle;
  return background_;
}

void BoardPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.drawPixmap(0, 0, Background());
  if (afterFirstPaint) QTimer::singleShot(0, this, std::exchange(afterFirstPaint, nullptr));
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
  if (onMouseDown) onMouseDown(event->button(), event->position(), event->globalPosition());
}

void BoardPicture::ArmWindowMove(QPointF globalPos) {
  moveArmed_ = true;
  manualMove_ = false;
  moveOrigin_ = globalPos;
  windowOrigin_ = window()->pos();
}

void BoardPicture::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) {
    moveArmed_ = manualMove_ = false;
    return;
  }
  if (moveArmed_) {
    const QPointF travelled = event->globalPosition() - moveOrigin_;
    if (travelled.manhattanLength() < QApplication::startDragDistance()) return;
    moveArmed_ = false;
    // The window system's own move ends with the button; only where there is
    // none does the window follow the pointer itself.
    if (StartSystemMove(window())) return;
    manualMove_ = true;
  }
  if (manualMove_) {
    window()->move(windowOrigin_ + (event->globalPosition() - moveOrigin_).toPoint());
  }
}

void BoardPicture::mouseReleaseEvent(QMouseEvent*) {
  moveArmed_ = manualMove_ = false;
}

void BoardPicture::keyPressEvent(QKeyEvent* event) {
  if (onKeyDown) onKeyDown(event->key(), event->modifiers());
}

// The board looks the same with and without the keyboard focus (the focus
// ring is a mark of its own): no repaint of the whole board, as a widget
// would have, when the focus comes or goes.
void BoardPicture::focusInEvent(QFocusEvent*) {
  if (onFocusIn) onFocusIn();
}

void BoardPicture::focusOutEvent(QFocusEvent*) {}

}  // namespace vorn
