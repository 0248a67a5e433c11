#include "persistence/undo_play.h"

#include "board/move_rules.h"

namespace vorn {

void UndoPlay(Form1& f, Platform& platform) {
  if (f.PlayCount <= 0) return;
  --f.PlayCount;
  if (f.PlayCount == 0) f.Menu.mnuUndo.Enabled = false;
  const PlayRec& r = f.PlayList[f.PlayCount];
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

}  // namespace vorn
