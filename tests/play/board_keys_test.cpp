#include <gtest/gtest.h>

#include <string>

#include "board/board_layout.h"
#include "board/hole_geometry.h"
#include "platform/scripted_platform.h"
#include "play/ball_drag.h"
#include "play/ball_lift.h"
#include "play/board_keys.h"

namespace vorn {
namespace {

Form1 Fresh(int level, ScriptedPlatform& platform) {
  Form1 f;
  f.GameLevel = static_cast<std::int16_t>(level);
  ResetGame(f, platform);
  return f;
}

// Every hole of every board is reached by its row and place, and a row's
// places run from left to right on screen.
TEST(BoardKeys, RowsAndPlacesCoverEachBoardFromLeftToRight) {
  ScriptedPlatform platform;
  for (int level = 0; level < 3; ++level) {
    const Form1 f = Fresh(level, platform);
    for (std::int16_t h = 0; h < f.LabelCount; ++h) {
      const RowPlace at = RowPlaceOf(f, h);
      EXPECT_EQ(HoleAt(f, at), h) << level << ":" << h;
      const std::int16_t right = HoleAt(f, {at.row, at.place + 1});
      if (right != kNoHole) {
        EXPECT_LT(f.Image2[h].Left, f.Image2[right].Left);
      }
    }
    EXPECT_EQ(HoleAt(f, {f.RowCount, 0}), kNoHole);
  }
}

// On the largest board the ring stops at each edge and Up keeps its place
// where the shorter row allows.
TEST(BoardKeys, TheRingStopsAtTheEdgesOfTheSevenRowBoard) {
  ScriptedPlatform platform;
  Form1 f = Fresh(2, platform);
  std::string path;
  for (BoardKey key : {BoardKey::Down, BoardKey::Down, BoardKey::Down, BoardKey::Down,
                       BoardKey::Down, BoardKey::Down, BoardKey::Down, BoardKey::Right,
                       BoardKey::Right, BoardKey::Right, BoardKey::Right, BoardKey::Right,
                       BoardKey::Right, BoardKey::Right, BoardKey::Up, BoardKey::Left}) {
    BoardKeyDown(f, platform, key);
    const RowPlace at = RowPlaceOf(f, f.RingHole);
    path += std::to_string(at.row) + std::to_string(at.place) + " ";
  }
  EXPECT_EQ(path, "10 20 30 40 50 60 60 61 62 63 64 65 66 66 55 54 ");
}

// A lifted ball jumps from its own hole, judged on the board as it is then.
TEST(BoardKeys, ALiftedBallJumpsOnlyToWhereItMayLandNow) {
  ScriptedPlatform platform;
  Form1 f = Fresh(0, platform);
  EXPECT_FALSE(LiftBall(f, 4));  // it cannot jump
  ASSERT_TRUE(LiftBall(f, 3));
  f.EmptyLabel = 14;  // as a survey elsewhere may leave it
  EXPECT_FALSE(JumpLiftedBall(f, platform, 5));
  EXPECT_FALSE(f.Lifted);
  ASSERT_TRUE(LiftBall(f, 3));
  ASSERT_TRUE(JumpLiftedBall(f, platform, 0));
  EXPECT_TRUE(f.Image2[0].Tag == 3 && !f.Image2[1].Tag && !f.Image2[3].Tag && f.PlayCount == 1);
  EXPECT_EQ(ContentOf(f, 0), HoleContent::Ball);
}

}  // namespace
}  // namespace vorn
