#pragma once

#include <QPainterPath>
#include <QRegion>
#include <QWidget>

namespace vorn {

// A mark around a hole: the two rings of a hint, the focus ring that shows
// where the board's keys act, and the dot in each hole where a lifted or
// carried ball may land. Each has a dark edge and a light core (the dot a
// light edge and a dark core), so that it stands out on the wood, on an
// empty hole and on every ball.
class HoleMark : public QWidget {
 public:
  enum class Look { HintFrom, HintTo, Focus, Landing };

  HoleMark(QWidget* board, Look look);

  // Marks hole `hole`, whose rectangle in the board's pixels is `place`; the
  // mark grows with the board by boardScale. It stays until cleared.
  void ShowAround(int hole, QRect place, qreal boardScale = 1);
  void Clear();
  int Hole() const { return hole_; }
  // What the mark covers while shown, in its parent's coordinates: the
  // window's shape takes it in where it reaches past the board's outline.
  QRegion Band() const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Look look_;
  // The mark's line, in its own coordinates.
  QPainterPath Outline() const;

  int hole_ = -1;
  qreal scale_ = 1;
};

}  // namespace vorn
