#include "ui/dialog_fit.h"

#include <algorithm>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

namespace vorn {

namespace {

// Far beyond any font a player can read in these windows.
constexpr double kMostGrowth = 4;

// Whether a text box of a size shows its whole text without scrolling, its
// lines laid out as the box lays them out.
bool ShowsWholeText(const QPlainTextEdit& box, QSize size) {
  const QTextDocument& document = *box.document();
  const qreal margin = document.documentMargin();
  const QSize viewport = size - QSize(2, 2) * box.frameWidth();
  qreal height = margin;  // under the last line
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QTextLayout layout(block.text(), box.font());
    layout.setTextOption(document.defaultTextOption());
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLeadingIncluded(true);
      line.setLineWidth(viewport.width() - 2 * margin);
      line.setPosition({margin, top});
      top += line.height() + std::min(0, qCeil(line.leading()));
    }
    layout.endLayout();
    height += layout.boundingRect().height();
  }
  // The box scrolls once its last line comes nearer than a margin and a
  // pixel to the bottom.
  return height <= viewport.height() - margin - 1;
}

// Whether a widget at a place shows its whole text.
bool ShowsWholeText(const QWidget& widget, QRect place) {
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    const QSize needed = button->sizeHint();
    return needed.width() <= place.width() && needed.height() <= place.height();
  }
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->text().isEmpty()) return true;
    if (label->wordWrap()) return label->heightForWidth(place.width()) <= place.height();
    const QSize needed = label->sizeHint();
    return needed.width() <= place.width() && needed.height() <= place.height();
  }
  if (const auto* box = qobject_cast<const QPlainTextEdit*>(&widget)) {
    return ShowsWholeText(*box, place.size());
  }
  return true;
}

}  // namespace

void DialogFit::Add(QWidget* widget, QRectF twips, Qt::Alignment widen) {
  items_.push_back({widget, twips, widen});
}

QRect DialogFit::Place(const Item& item, const BoardScale& scale) const {
  QRect place =
      scale.TwipsRect(item.twips.x(), item.twips.y(), item.twips.width(), item.twips.height());
  const auto* button = qobject_cast<const QPushButton*>(item.widget);
  if (!button || !item.widen) return place;
  // The window's margin is that of its leftmost widget.
  float marginTwips = client_.width();
  for (const Item& other : items_) marginTwips = std::min(marginTwips, float(other.twips.x()));
  const int margin = scale.ToPixel(marginTwips);
  const int clientWidth = scale.ToPixel(client_.width());
  const int width = std::clamp(button->sizeHint().width(), place.width(),
                               std::max(place.width(), clientWidth - 2 * margin));
  if (item.widen & Qt::AlignRight) {
    place.setLeft(std::max(margin, place.right() + 1 - width));
  } else {
    const int left = place.x() - (width - place.width()) / 2;
    place.setRect(std::clamp(left, margin, std::max(margin, clientWidth - margin - width)),
                  place.y(), width, place.height());
  }
  return place;
}

bool DialogFit::FitsAt(const BoardScale& scale) const {
  return std::all_of(items_.begin(), items_.end(), [&](const Item& item) {
    return ShowsWholeText(*item.widget, Place(item, scale));
  });
}

void DialogFit::Apply() {
  // Steps of about a pixel along the window's longer side.
  const double step = kTwipsPerPixel / std::max(client_.width(), client_.height());
  double factor = 1;
  for (int steps = 1; factor < kMostGrowth && !FitsAt(BoardScale(factor)); ++steps) {
    factor = 1 + steps * step;
  }
  scale_ = BoardScale(factor);
  window_->setFixedSize(scale_.TwipsSize(client_.width(), client_.height()));
  for (const Item& item : items_) item.widget->setGeometry(Place(item, scale_));
}

}  // namespace vorn
