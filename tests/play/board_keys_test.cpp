#include <gtest/gtest.h>

#include <string>

#include "board/board_layout.h"
#include "platform/scripted_platform.h"
#include "play/ball_lift.h"
#include "play/board_keys.h"

namespace vorn {
namespace {

struct BoardKeys : ::testing::Test {
  Form1 Fresh(int level) {
    Form1 f;
    f.GameLevel = static_cast<std::int16_t>(level);
    ResetGame(f, platform);
    return f;
  }
  ScriptedPlatform platform;
};

// Down the left edge, right along the bottom row, then up and left: the ring
// stops at every edge of every board, never enters the hidden rows below it,
// and Up keeps its place where the shorter row allows.
TEST_F(BoardKeys, TheRingStopsAtTheEdgesOfEveryBoard) {
  using enum BoardKey;
  const std::string expected[] = {"2 5 9 14 14 14 14 12 11 13 10 10 10 10 6 8 ",
                                  "2 5 9 14 20 20 20 19 18 17 16 15 15 15 10 13 ",
                                  "2 5 9 14 20 27 27 26 24 23 25 22 21 21 15 16 "};
  for (int level = 0; level <= 2; ++level) {
    Form1 f = Fresh(level);
    std::string path;
    for (const BoardKey key : {Down, Down, Down, Down, Down, Down, Down, Right, Right, Right, Right,
                               Right, Right, Right, Up, Left}) {
      BoardKeyDown(f, platform, key);
      path += std::to_string(f.RingHole) + " ";
    }
    EXPECT_EQ(path, expected[level]) << "level " << level;
  }
}

// A lifted ball jumps from its own hole, whatever a survey left in EmptyLabel,
// and only as the board is when it jumps.
TEST_F(BoardKeys, ALiftedBallJumpsOnlyToWhereItMayLandNow) {
  Form1 f = Fresh(0);
  EXPECT_FALSE(LiftBall(f, 4));  // it cannot jump
  ASSERT_TRUE(LiftBall(f, 3));
  f.Image2[1].Tag.reset();  // nothing left to jump over
  EXPECT_FALSE(JumpLiftedBall(f, platform, 0));
  EXPECT_FALSE(f.Lifted);
  f.Image2[1].Tag = 1;
  ASSERT_TRUE(LiftBall(f, 3));
  f.EmptyLabel = 14;
  ASSERT_TRUE(JumpLiftedBall(f, platform, 0));
  EXPECT_TRUE(f.Image2[0].Tag == 3 && !f.Image2[1].Tag && !f.Image2[3].Tag && f.PlayCount == 1);
  EXPECT_EQ(f.Image2[14].Tag, 14);
  EXPECT_EQ(ContentOf(f, 0), HoleContent::Ball);
}

}  // namespace
}  // namespace vorn
