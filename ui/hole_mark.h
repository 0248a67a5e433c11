#pragma once

#include <QWidget>

namespace vorn {

// A mark around a hole: the two rings of a hint, and the focus ring that
// shows where the board's keys act. Each has a dark edge and a light core,
// so that it stands out on the wood, on an empty hole and on every ball.
class HoleMark : public QWidget {
 public:
  enum class Look { HintFrom, HintTo, Focus };

  HoleMark(QWidget* board, Look look);

  // Marks the rectangle (a hole's, in the board's pixels); the mark grows
  // with the board by boardScale. It stays until cleared.
  void ShowAround(QRect hole, qreal boardScale = 1);
  void Clear();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Look look_;
  qreal scale_ = 1;
};

}  // namespace vorn
