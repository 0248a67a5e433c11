#include <gtest/gtest.h>

#include <cmath>

#include "board/board_layout.h"
#include "board/hole_geometry.h"
#include "board/move_rules.h"
#include "board/move_targeting.h"
#include "platform/scripted_platform.h"
#include "support/boards.h"
#include "support/lattice.h"

namespace vorn {
namespace {

using test::LaidOut;

TEST(Whatlabel, EdgesBelongToNoHole) {
  const Form1 f = LaidOut(2);
  const Hole& h = f.Image2[0];
  const float midX = h.Left + h.Width / 2, midY = h.Top + h.Height / 2;
  EXPECT_EQ(Whatlabel(f, midX, midY), 0);
  EXPECT_EQ(Whatlabel(f, h.Left, midY), kNoHole);
  EXPECT_EQ(Whatlabel(f, h.Left + h.Width, midY), kNoHole);
  EXPECT_EQ(Whatlabel(f, midX, h.Top), kNoHole);
  EXPECT_EQ(Whatlabel(f, midX, h.Top + h.Height), kNoHole);
  EXPECT_EQ(Whatlabel(f, std::nextafter(h.Left, 1e9f), midY), 0);
}

TEST(Whatlabel, OverlapsGoToTheLowerIndexAndHiddenHolesTakePart) {
  Form1 f = LaidOut(0);
  // Hole 15 is hidden on this board but still hit-tested, at its designed place.
  const Hole& hidden = f.Image2[15];
  ASSERT_FALSE(hidden.Visible);
  EXPECT_EQ(Whatlabel(f, hidden.Left + 10, hidden.Top + 10), 15);
  // Where hidden hole 20 overlaps hole 6 in play, hole 6 wins.
  EXPECT_EQ(Whatlabel(f, f.Image2[20].Left + 10, f.Image2[20].Top + 10), 6);
  f.Image2[25].Left = f.Image2[3].Left;
  f.Image2[25].Top = f.Image2[3].Top;
  EXPECT_EQ(Whatlabel(f, f.Image2[3].Left + 200, f.Image2[3].Top + 200), 3);
}

TEST(BetweenLabel, IsSymmetricAndGivesTheHoleItselfForAPair) {
  const Form1 f = LaidOut(2);
  EXPECT_EQ(BetweenLabel(f, 0, 3), 1);
  EXPECT_EQ(BetweenLabel(f, 3, 0), 1);
  EXPECT_EQ(BetweenLabel(f, 10, 14), 11);  // along a row, across the axis
  EXPECT_EQ(BetweenLabel(f, 14, 10), 11);
  EXPECT_EQ(BetweenLabel(f, 7, 7), 7);
  // Holes 0 and 1 are neighbours: their midpoint is in no hole.
  EXPECT_FALSE(BetweenLabel(f, 0, 1));
}

// Every probe from every hole in play finds exactly the lattice's hole two
// steps away (or none), and the hole between is the lattice's middle hole.
TEST(MoveTargeting, ProbesAgreeWithTheLatticeOnEveryBoard) {
  using test::HoleAt;
  using test::kLattice;
  for (int level = 0; level <= 2; ++level) {
    for (bool afterLargest : {false, true}) {
      Form1 f = LaidOut(level, afterLargest ? 2 : -1);
      for (Hole& hole : f.Image2) hole.Tag.reset();
      for (std::int16_t from = 0; from < f.LabelCount; ++from) {
        for (const auto& step : test::kNeighbourSteps) {
          const auto [row, column] = kLattice[from];
          const auto middle = HoleAt(row + step.row, column + step.column, f.LabelCount);
          const auto far = HoleAt(row + 2 * step.row, column + 2 * step.column, f.LabelCount);
          // Fill only the middle hole: PosDrop from `from` then lists `far` alone.
          if (middle) f.Image2[*middle].Tag = 1;
          f.DropList.fill(0);
          f.DropCount = 0;
          PosDrop(f, from);
          if (middle) f.Image2[*middle].Tag.reset();
          SCOPED_TRACE(::testing::Message() << "level " << level << " from " << from << " step "
                                            << step.row << "," << step.column);
          if (far && middle) {
            ASSERT_EQ(f.DropCount, 1);
            EXPECT_EQ(f.DropList[0], *far);
            EXPECT_EQ(BetweenLabel(f, from, *far), *middle);
          } else {
            EXPECT_EQ(f.DropCount, 0);
          }
        }
      }
    }
  }
}

// Full board but the vacancy; the balls are numbered like their holes.
Form1 WithVacancy(int level, std::int16_t vacancy) {
  Form1 f = LaidOut(level);
  f.Image2[0].Tag = 0;
  f.Image1[0].Visible = true;
  f.Image2[vacancy].Tag.reset();
  return f;
}

TEST(CheckBlk, ACornerVacancyGivesTheTwoBallsAlongTheEdges) {
  ScriptedPlatform platform;
  Form1 f = WithVacancy(0, 10);  // the right corner of the 5-row board
  CheckBlk(f, platform);
  ASSERT_EQ(f.MoveCount, 2);
  EXPECT_EQ(f.MoveList[0], 3);   // up the right edge
  EXPECT_EQ(f.MoveList[1], 11);  // along the bottom row
  for (int i = 0; i < f.LabelCount; ++i) {
    const bool movable = i == 3 || i == 11;
    EXPECT_EQ(f.Image1[i].MousePointer == PointerKind::Custom, movable) << i;
  }
  EXPECT_EQ(f.EmptyLabel, 10);
  EXPECT_TRUE(platform.msgBoxes.empty());
}

TEST(CheckBlk, ABallWithTwoJumpsIsListedTwice) {
  ScriptedPlatform platform;
  Form1 f = WithVacancy(0, 3);
  f.Image2[5].Tag.reset();  // ball 11 can now go up to 3 and to 5
  CheckBlk(f, platform);
  EXPECT_EQ(std::count(f.MoveList.begin(), f.MoveList.begin() + f.MoveCount, 11), 2);
  EXPECT_TRUE(CheckValid(f, 11));
  EXPECT_EQ(f.EmptyLabel, 5);  // the highest empty hole
  f.PickLabel = 11;
  CheckDrop(f);
  ASSERT_EQ(f.DropCount, 2);
  EXPECT_TRUE(CheckDroping(f, 3));
  EXPECT_TRUE(CheckDroping(f, 5));
  EXPECT_FALSE(CheckDroping(f, 11));
}

TEST(CheckBlk, CountsOfZeroAcceptNothingNotEvenHoleZero) {
  Form1 f = LaidOut(0);
  f.MoveCount = 0;
  f.DropCount = 0;
  for (std::int16_t i = -1; i < kElementCount; ++i) {
    EXPECT_FALSE(CheckValid(f, i));
    EXPECT_FALSE(CheckDroping(f, i));
  }
}

TEST(CheckBlk, OffersHintWhileAJumpIsLeftAndNoBallIsCarried) {
  ScriptedPlatform platform;
  Form1 f = test::BoardWith({0, 1, 14});
  CheckBlk(f, platform);
  EXPECT_TRUE(f.Menu.mnuHint.Enabled);
  f.Dragging = true;
  CheckBlk(f, platform);
  EXPECT_FALSE(f.Menu.mnuHint.Enabled);
  f.Dragging = false;
  EnableHint(f);
  EXPECT_TRUE(f.Menu.mnuHint.Enabled);
  Form1 stuck = test::BoardWith({0, 14});
  stuck.Menu.mnuHint.Enabled = true;
  CheckBlk(stuck, platform, std::int16_t{1});
  EXPECT_FALSE(stuck.Menu.mnuHint.Enabled);
}

}  // namespace
}  // namespace vorn
