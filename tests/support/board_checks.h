#pragma once

#include <gtest/gtest.h>

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

// What must hold between events whatever the player did: every shown ball
// rests in exactly one hole in play, at its place; the pointers mark exactly
// the balls that can jump; the history replayed on a fresh board fills the
// same holes (several starting choices may leave other balls in them).
inline void ExpectConsistentBoard(const Form1& f) {
  ASSERT_FALSE(f.Dragging);
  int named[kElementCount] = {};
  for (const Hole& hole : f.Image2) {
    if (hole.Index >= f.LabelCount) {
      EXPECT_FALSE(hole.Tag) << "unused hole " << hole.Index;
      continue;
    }
    if (!hole.Tag) continue;
    const Ball& ball = f.Image1[*hole.Tag];
    ++named[ball.Index];
    EXPECT_TRUE(ball.Visible) << "ball " << ball.Index;
    EXPECT_EQ(ball.Left, hole.Left) << "ball " << ball.Index;
    EXPECT_EQ(ball.Top, hole.Top) << "ball " << ball.Index;
    EXPECT_EQ(ball.MousePointer == PointerKind::Custom, CanJumpOnLattice(f, hole.Index))
        << "ball " << ball.Index << " in hole " << hole.Index;
  }
  for (const Ball& ball : f.Image1) {
    EXPECT_EQ(named[ball.Index], ball.Visible ? 1 : 0) << "ball " << ball.Index;
  }

  if (f.PlayCount == 0) return;
  Form1 replayed;
  replayed.GameLevel = f.GameLevel;
  SetBalls(replayed);
  const std::vector<PlayRec> history(f.PlayList.begin(), f.PlayList.begin() + f.PlayCount);
  const ReplayOutcome outcome = ReplayJumps(replayed, history);
  ASSERT_EQ(outcome.fault, ReplayFault::None);
  for (int i = 0; i < kElementCount; ++i) {
    EXPECT_EQ(replayed.Image2[i].Tag.has_value(), f.Image2[i].Tag.has_value()) << "hole " << i;
  }
}

}  // namespace vorn::test
