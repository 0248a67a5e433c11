#pragma once

#include <array>
#include <vector>

#include <QRect>
#include <QVariantAnimation>

#include "board/form1.h"
#include "platform/image_element.h"

namespace vorn {

// A jump the player does not carry (made by keys or clicks), an undo and a
// redo are shown as a movement: the ball travels from its hole to the other
// along its path, and the jumped ball fades out (or, taken back, in). The
// rules have the jump at once; the movement only shows it, and any input
// finishes it at once.
class BallMovement {
 public:
  // Where each ball is shown, and whether.
  struct Places {
    std::array<QRect, kElementCount> rect;
    std::array<bool, kElementCount> shown{};
  };
  static Places Of(const std::array<ImageElement*, kElementCount>& balls);

  BallMovement();

  // Moves the balls from `before` to where they are shown now, when that is
  // one jump or one jump taken back.
  void Start(const Places& before, const std::array<ImageElement*, kElementCount>& balls);
  // Puts every moving ball where it belongs, at once.
  void Finish();
  bool Running() const { return animation_.state() == QAbstractAnimation::Running; }

  static constexpr int kDurationMs = 150;

 private:
  struct Move {
    ImageElement* ball;
    QRect from, to;
    bool shown;  // at the end
  };
  void Show(double progress);

  QVariantAnimation animation_;
  std::vector<Move> moves_;
};

}  // namespace vorn
