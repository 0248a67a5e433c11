#include "persistence/undo_play.h"

#include "board/eat_label.h"
#include "board/move_rules.h"

namespace vorn {

void UndoPlay(Form1& f, Platform& platform) {
  if (f.PlayCount <= 0) return;
  --f.PlayCount;
  if (f.PlayCount == 0) f.Menu.mnuUndo.Enabled = false;
  const PlayRec& r = f.PlayList[f.PlayCount];
  if (f.RedoCount >= 0 && f.RedoCount < kPlayListSize) {
    f.RedoList[f.RedoCount++] = r;
    f.Menu.mnuRedo.Enabled = true;
  }
  auto putBack = [&f](std::int32_t ballIndex, std::int16_t holeIndex) {
    f.Image1[ballIndex].Visible = true;
    MoveBallToHole(f, static_cast<std::int16_t>(ballIndex), holeIndex);
    f.Image2[holeIndex].Tag = static_cast<std::int16_t>(ballIndex);
  };
  putBack(r.MovedBall, r.FromLabel);
  f.Image2[r.ToLabel].Tag.reset();
  putBack(r.EatenBall, r.OverLabel);
  CheckBlk(f, platform, std::int16_t{1});
}

namespace {

bool InRange(std::int32_t index, std::int32_t end) {
  return index >= 0 && index < end;
}

// Whether the board still allows the kept jump as it was made.
bool StillPossible(const Form1& f, const PlayRec& r) {
  if (!InRange(r.FromLabel, f.LabelCount) || !InRange(r.OverLabel, f.LabelCount) ||
      !InRange(r.ToLabel, f.LabelCount) || !InRange(r.MovedBall, kElementCount) ||
      !InRange(r.EatenBall, kElementCount)) {
    return false;
  }
  return f.Image2[r.FromLabel].Tag == r.MovedBall && f.Image2[r.OverLabel].Tag == r.EatenBall &&
         !f.Image2[r.ToLabel].Tag;
}

}  // namespace

void RedoPlay(Form1& f, Platform& platform) {
  if (f.Dragging || !InRange(f.RedoCount - 1, kPlayListSize)) return;
  const PlayRec r = f.RedoList[f.RedoCount - 1];
  if (!StillPossible(f, r)) {
    ForgetRedo(f);
    return;
  }
  --f.RedoCount;
  f.Menu.mnuRedo.Enabled = f.RedoCount > 0;
  const auto ball = static_cast<std::int16_t>(r.MovedBall);
  MoveBallToHole(f, ball, r.ToLabel);
  f.Image2[r.ToLabel].Tag = ball;
  EatLabel(f, r.FromLabel, r.ToLabel);
  f.Image2[r.FromLabel].Tag.reset();
  FirstJumpStartsClock(f, platform);
  CheckBlk(f, platform);
}

}  // namespace vorn
