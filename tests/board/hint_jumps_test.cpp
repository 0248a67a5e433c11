#include <gtest/gtest.h>

#include <set>

#include "board/board_layout.h"
#include "board/hint.h"
#include "support/boards.h"
#include "support/lattice.h"

namespace vorn {
namespace {

// The solver's jump table comes from the rules' geometry; on every board it
// must be exactly the lattice's jumps, whatever a larger board left behind.
TEST(JumpTable, IsTheLatticesJumpsOnEveryBoard) {
  for (int level = 0; level <= 2; ++level) {
    for (bool afterLargest : {false, true}) {
      const Form1 f = test::LaidOut(level, afterLargest ? 2 : -1);
      std::set<std::tuple<int, int, int>> expected;
      for (int from = 0; from < f.LabelCount; ++from) {
        const auto [row, column] = test::kLattice[from];
        for (const auto& step : test::kNeighbourSteps) {
          const auto over = test::HoleAt(row + step.row, column + step.column, f.LabelCount);
          const auto to = test::HoleAt(row + 2 * step.row, column + 2 * step.column, f.LabelCount);
          if (over && to) expected.insert({from, *over, *to});
        }
      }
      std::set<std::tuple<int, int, int>> actual;
      for (const SolverJump& j : JumpTable(f)) actual.insert({j.from, j.over, j.to});
      EXPECT_EQ(actual, expected) << "level " << level;
      EXPECT_EQ(JumpTable(f).size(), expected.size()) << "no jump twice";
    }
  }
}

TEST(JumpTable, Positions) {
  const Form1 f = test::LaidOut(0);
  EXPECT_EQ(OccupiedHoles(f), 0x7FFEu);  // holes 1..14
}

}  // namespace
}  // namespace vorn
