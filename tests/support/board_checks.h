#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "bench/lattice_jumps.h"
#include "board/board_layout.h"
#include "board/form1.h"
#include "persistence/replay.h"

namespace vorn::test {

// Whether the ball in `hole` has a jump, judged on the lattice alone.
inline bool CanJumpOnLattice(const Form1& f, int hole) {
  for (const SolverJump& jump : TriangleJumps(f.RowCount)) {
    if (jump.from == hole && f.Image2[jump.over].Tag && !f.Image2[jump.to].Tag) return true;
  }
  return false;
}

// What must hold between events whatever the player did, or else the first
// thing that does not: every shown ball rests in exactly one hole in play, at
// its place; the pointers mark exactly the balls that can jump; the history
// replayed on a fresh board fills the same holes. Several starting choices may
// leave other balls in them, unless `sameBalls` (a restored game, whose start
// is replayed too).
inline std::string Inconsistency(const Form1& f, bool sameBalls = false) {
  if (f.Dragging) return "a ball is still carried";
  int named[kElementCount] = {};
  for (const Hole& hole : f.Image2) {
    if (!hole.Tag) continue;
    const std::string at = " in hole " + std::to_string(hole.Index);
    if (hole.Index >= f.LabelCount || *hole.Tag < 0 || *hole.Tag >= kElementCount) {
      return "ball " + std::to_string(*hole.Tag) + at;
    }
    const Ball& ball = f.Image1[*hole.Tag];
    ++named[ball.Index];
    if (!ball.Visible || ball.Left != hole.Left || ball.Top != hole.Top) return "ball away" + at;
    if ((ball.MousePointer == PointerKind::Custom) != CanJumpOnLattice(f, hole.Index)) {
      return "pointer of the ball" + at;
    }
  }
  for (const Ball& ball : f.Image1) {
    if (named[ball.Index] != (ball.Visible ? 1 : 0))
      return "holes of ball " + std::to_string(ball.Index);
  }
  if (f.PlayCount == 0 && !sameBalls) return {};
  Form1 replayed;
  replayed.GameLevel = f.GameLevel;
  SetBalls(replayed);
  const std::vector<PlayRec> history(f.PlayList.begin(),
                                     f.PlayList.begin() + std::max(0, f.PlayCount));
  if (ReplayJumps(replayed, history).fault != ReplayFault::None) return "history does not replay";
  for (int i = 0; i < kElementCount; ++i) {
    const auto &want = replayed.Image2[i].Tag, &got = f.Image2[i].Tag;
    if (sameBalls ? want != got : want.has_value() != got.has_value()) {
      return "history gives another hole " + std::to_string(i);
    }
  }
  return {};
}

}  // namespace vorn::test
