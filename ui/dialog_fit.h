#pragma once

#include <vector>

#include <QRectF>
#include <QSizeF>

#include "ui/twips.h"

class QWidget;

namespace vorn {

// A small window laid out in twips that grows with the font of its texts.
// The designed layout is the least: the window and every widget grow by one
// factor, the least at which every label, button and text box shows its
// whole text, as dialog units grow with the font. A button may first widen
// alone, towards the free side given, as far as the window's edge less its
// designed margin, before the whole window has to grow.
class DialogFit {
 public:
  DialogFit(QWidget* window, QSizeF clientTwips) : window_(window), client_(clientTwips) {}

  // A widget at its designed place; `widen` is Qt::AlignRight for a button
  // that keeps its right edge, Qt::AlignHCenter for one that keeps its centre.
  void Add(QWidget* widget, QRectF twips, Qt::Alignment widen = {});

  // Places the window and its widgets at the least factor at which every
  // text fits.
  void Apply();

  const BoardScale& Scale() const { return scale_; }

 private:
  struct Item {
    QWidget* widget;
    QRectF twips;
    Qt::Alignment widen;
  };

  QRect Place(const Item& item, const BoardScale& scale) const;
  bool FitsAt(const BoardScale& scale) const;

  QWidget* window_;
  QSizeF client_;
  std::vector<Item> items_;
  BoardScale scale_;
};

}  // namespace vorn
