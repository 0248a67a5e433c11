#include "play/ball_lift.h"

#include "board/move_rules.h"
#include "play/ball_drag.h"

namespace vorn {

bool LiftBall(Form1& f, std::int16_t h) {
  if (f.Dragging || h < 0 || h >= f.LabelCount || !f.Image2[h].Tag || !CheckValid(f, h)) {
    return false;
  }
  f.PickLabel = h;
  f.EmptyLabel = h;
  f.Lifted = true;
  CheckDrop(f);
  return true;
}

std::optional<std::int16_t> LiftedBall(const Form1& f) {
  if (!f.Lifted || f.PickLabel < 0 || f.PickLabel >= kElementCount) return std::nullopt;
  return f.Image2[f.PickLabel].Tag;
}

void PutLiftedBallBack(Form1& f) {
  f.Lifted = false;
}

bool JumpLiftedBall(Form1& f, Platform& platform, std::int16_t t) {
  const auto ball = LiftedBall(f);
  f.Lifted = false;
  if (!ball) return false;
  // Judged on the board as it is now, from the ball's own hole.
  f.EmptyLabel = f.PickLabel;
  CheckDrop(f);
  if (t == kNoHole || !CheckDroping(f, t)) return false;
  LandBall(f, platform, *ball, t);
  return true;
}

}  // namespace vorn
