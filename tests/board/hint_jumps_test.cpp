#include <gtest/gtest.h>

#include <algorithm>

#include "bench/lattice_jumps.h"
#include "board/board_layout.h"
#include "board/hint.h"
#include "board/move_targeting.h"
#include "support/boards.h"

namespace vorn {
namespace {

// On every board, also after the largest one left its unused holes behind, the
// rules' jumps are the lattice's: with only hole `over` full, the ball in
// `from` may land just where the lattice's jump over it lands, and the
// solver's jump table holds each jump once.
TEST(Jumps, FollowTheLatticeOnEveryBoard) {
  for (int level = 0; level <= 2; ++level) {
    for (const int earlier : {-1, 2}) {
      Form1 f = test::LaidOut(level, earlier);
      std::vector<SolverJump> lattice = TriangleJumps(f.RowCount), table = JumpTable(f);
      std::ranges::sort(lattice);
      std::ranges::sort(table);
      EXPECT_TRUE(table == lattice) << "level " << level << " after " << earlier;
      for (Hole& hole : f.Image2) hole.Tag.reset();
      for (std::int16_t from = 0; from < f.LabelCount; ++from) {
        for (std::int16_t over = 0; over < f.LabelCount; ++over) {
          f.Image2[over].Tag = over;
          f.DropCount = 0;
          PosDrop(f, from);
          f.Image2[over].Tag.reset();
          const std::vector<int> landings(f.DropList.begin(), f.DropList.begin() + f.DropCount);
          std::vector<int> expected;
          for (const SolverJump& j : lattice) {
            if (j.from == from && j.over == over) expected.push_back(j.to);
          }
          EXPECT_EQ(landings, expected)
              << "level " << level << " after " << earlier << ": from " << from << " over " << over;
        }
      }
    }
  }
  EXPECT_EQ(OccupiedHoles(test::LaidOut(0)), 0x7FFEu);  // holes 1..14
}

}  // namespace
}  // namespace vorn
