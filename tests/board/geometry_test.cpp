#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "board/board_layout.h"
#include "board/hole_geometry.h"
#include "board/move_rules.h"
#include "platform/scripted_platform.h"
#include "support/boards.h"

namespace vorn {
namespace {

// A hole's edges are outside it; where holes overlap, the lower index wins,
// and hidden holes still take part at the place they stand.
TEST(Whatlabel, EdgesAreOutsideAndOverlapsGoToTheLowerIndexHiddenOrNot) {
  const Form1 f = test::LaidOut(0);
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

// With holes 3 and 5 empty: every ball that can jump is listed once per jump
// and only those are movable, the highest empty hole is named, and a picked
// ball may land in both; entries past the counts are never accepted.
TEST(CheckBlk, ListsEveryJumpAndWhereAPickedBallMayLand) {
  ScriptedPlatform platform;
  Form1 f = test::LaidOut(0);
  f.Image2[0].Tag = 0;
  f.Image2[3].Tag.reset();
  f.Image2[5].Tag.reset();
  CheckBlk(f, platform);
  EXPECT_EQ(std::multiset<int>(f.MoveList.begin(), f.MoveList.begin() + f.MoveCount),
            (std::multiset<int>{0, 0, 10, 11, 11, 14}));
  for (std::int16_t i = 0; i < f.LabelCount; ++i) {
    const bool movable = i == 0 || i == 10 || i == 11 || i == 14;
    EXPECT_EQ(CheckValid(f, i), movable) << i;
    EXPECT_EQ(f.Image1[i].MousePointer == PointerKind::Custom, movable) << i;
  }
  EXPECT_EQ(f.EmptyLabel, 5);
  EXPECT_TRUE(platform.msgBoxes.empty());
  f.PickLabel = 11;
  CheckDrop(f);
  EXPECT_EQ(std::multiset<int>(f.DropList.begin(), f.DropList.begin() + f.DropCount),
            (std::multiset<int>{3, 5}));
  EXPECT_FALSE(CheckDroping(f, 11));
  for (const std::int16_t count : {0, -1}) {
    f.MoveCount = f.DropCount = count;
    for (std::int16_t i = -1; i < kElementCount; ++i) {
      EXPECT_FALSE(CheckValid(f, i) || CheckDroping(f, i)) << count << ": " << i;
    }
  }
}

}  // namespace
}  // namespace vorn
