// The board's holes: where they stand, which one a point is in, the jumps between them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bench/lattice_jumps.h"
#include "board/board_layout.h"
#include "board/hint.h"
#include "board/hole_geometry.h"
#include "board/move_targeting.h"
#include "support/boards.h"

namespace vorn {
namespace {

using test::LaidOut;

// Every hole stands at its lattice place: a row pitch below the row above,
// whole right or left steps either side of the apex's vertical.
TEST(Layout, HolesStandAtTheirDesignedPlacesOnEveryLevel) {
  struct Figures {
    double rowPitch, rightStep, leftStep;
  };
  const Figures levels[] = {
      {629.60, 357.55, 423.11}, {524.50, 297.86, 352.48}, {449.43, 255.23, 302.03}};
  for (int level = 0; level <= 2; ++level) {
    const Form1 f = LaidOut(level);
    const Figures& want = levels[level];
    const std::vector<LatticePlace> places = TrianglePlaces(f.RowCount);
    for (int i = 0; i < f.LabelCount; ++i) {
      const auto [row, column] = places[i];
      const double step = column > 0 ? want.rightStep : want.leftStep;
      EXPECT_NEAR(f.Image2[i].Left, 1942.5 + column * step, 0.05) << level << "/" << i;
      EXPECT_NEAR(f.Image2[i].Top, 217.5 + row * want.rowPitch, 0.05) << level << "/" << i;
    }
  }
}

// A new board has a ball in every hole in play but the apex, its holes where a
// first layout puts them; unused holes are hidden and empty and stay where the
// board before left them (or were designed).
TEST(Layout, StartingStateOfEveryLevelAfterAnyOther) {
  const int holeCounts[] = {15, 21, 28};
  for (int level = 0; level <= 2; ++level) {
    for (const int earlier : {-1, 2}) {
      const Form1 before = LaidOut(earlier), fresh = LaidOut(level), f = LaidOut(level, earlier);
      ASSERT_EQ(f.LabelCount, holeCounts[level]);
      EXPECT_EQ(f.RowCount, 5 + level);
      for (std::int16_t i = 0; i < kElementCount; ++i) {
        SCOPED_TRACE(::testing::Message() << level << " after " << earlier << ", hole " << i);
        const Hole& hole = f.Image2[i];
        const Ball& ball = f.Image1[i];
        const bool inPlay = i < f.LabelCount, full = inPlay && i > 0;
        EXPECT_EQ(hole.Visible, inPlay);
        EXPECT_EQ(hole.Tag, full ? std::optional(i) : std::nullopt);
        EXPECT_EQ(ball.Visible, full);
        EXPECT_TRUE(!full || (ball.Left == hole.Left && ball.Top == hole.Top));
        const Hole& where = inPlay ? fresh.Image2[i] : before.Image2[i];
        EXPECT_TRUE(hole.Left == where.Left && hole.Top == where.Top);
      }
    }
  }
}

TEST(Layout, ALevelOutOfRangeKeepsTheBoardOrFallsBackToTheSmallest) {
  Form1 f;
  f.GameLevel = 3;  // nothing laid out yet
  SetBalls(f);
  EXPECT_EQ(f.LabelCount, 15);
  EXPECT_EQ(f.Image2[14].Left, LaidOut(0).Image2[14].Left);
  f = LaidOut(1);
  f.GameLevel = -1;
  SetBalls(f);
  EXPECT_EQ(f.LabelCount, 21);
  EXPECT_EQ(f.Image2[20].Left, LaidOut(1).Image2[20].Left);
}

// A hole's edges are outside it; where holes overlap, the lower index wins,
// and hidden holes still take part at the place they stand.
TEST(Whatlabel, EdgesAreOutsideAndOverlapsGoToTheLowerIndexHiddenOrNot) {
  const Form1 f = LaidOut(0);
  const Hole& h = f.Image2[0];
  const float midX = h.Left + h.Width / 2, midY = h.Top + h.Height / 2;
  ASSERT_FALSE(f.Image2[15].Visible);
  struct Probe {
    float x, y;
    std::int16_t hole;
  };
  const Probe probes[] = {
      {midX, midY, 0},
      {h.Left, midY, kNoHole},
      {h.Left + h.Width, midY, kNoHole},
      {midX, h.Top, kNoHole},
      {midX, h.Top + h.Height, kNoHole},
      {std::nextafter(h.Left, 1e9f), midY, 0},
      {f.Image2[15].Left + 10, f.Image2[15].Top + 10, 15},  // hidden, alone
      {f.Image2[20].Left + 10, f.Image2[20].Top + 10, 6},   // hidden 20 over hole 6
  };
  for (const Probe& p : probes) EXPECT_EQ(Whatlabel(f, p.x, p.y), p.hole) << p.x << "," << p.y;
}

// On every board, also after the largest one left its unused holes behind, the
// rules' jumps are the lattice's: with only hole `over` full, the ball in
// `from` may land just where the lattice's jump over it lands, and the
// solver's jump table holds each jump once.
TEST(Jumps, FollowTheLatticeOnEveryBoard) {
  for (int level = 0; level <= 2; ++level) {
    for (const int earlier : {-1, 2}) {
      Form1 f = LaidOut(level, earlier);
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
  EXPECT_EQ(OccupiedHoles(LaidOut(0)), 0x7FFEu);  // holes 1..14
}

}  // namespace
}  // namespace vorn
