// Play by the pointer and by the keys.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "board/board_layout.h"
#include "board/move_rules.h"
#include "persistence/undo_play.h"
#include "platform/scripted_platform.h"
#include "play/ball_drag.h"
#include "play/ball_lift.h"
#include "play/board_keys.h"
#include "support/board_checks.h"

namespace vorn {
namespace {

constexpr float kInside = 217.5f;  // the middle of a ball, in twips from its corner

struct Play : ::testing::Test {
  void SetUp() override { Start(0); }
  void Start(int level) {
    f = Form1();
    f.GameLevel = static_cast<std::int16_t>(level);
    ResetGame(f, platform);
  }
  // Presses ball b at (gx, gy) and lets go over the centre of hole `to`, shifted by dx.
  void Drag(std::int16_t b, std::int16_t to, float gx = kInside, float gy = kInside, float dx = 0) {
    Image1_MouseDown(f, platform, b, kLeftButton, 0, gx, gy);
    auto x = [&] { return f.Image2[to].Left + kInside + dx - f.Image1[b].Left; };
    auto y = [&] { return f.Image2[to].Top + kInside - f.Image1[b].Top; };
    Image1_MouseMove(f, platform, b, kLeftButton, 0, x(), y());
    Image1_MouseUp(f, platform, b, kLeftButton, 0, x(), y());
  }
  Form1 f;
  ScriptedPlatform platform;
};

// A press on a hole's edge, or one that finds another (hidden) hole than the
// ball's own, and a second button during a carry change nothing.
TEST_F(Play, PressesOutsideTheBallsHoleOrDuringACarryChangeNothing) {
  Image1_MouseDown(f, platform, 3, kLeftButton, 0, 0, kInside);
  EXPECT_FALSE(f.Dragging);
  f.Image2[20].Left = f.Image2[9].Left - 1;
  f.Image2[20].Top = f.Image2[9].Top - 1;
  Image1_MouseDown(f, platform, 9, kRightButton, 0, 0, 0.5f);
  EXPECT_TRUE(f.Image2[9].Tag == 9 && !f.Image2[0].Tag);
  Image1_MouseDown(f, platform, 3, kLeftButton, 0, kInside, kInside);
  EXPECT_FALSE(f.Menu.mnuHint.Enabled);  // no hint while a ball is carried
  Image1_MouseDown(f, platform, 3, kRightButton, 0, kInside, kInside);
  EXPECT_EQ(f.Image2[3].Tag, 3);
  const float left = f.Image1[3].Left;
  Image1_MouseMove(f, platform, 3, kLeftButton + kRightButton, 0, 0, 0);
  EXPECT_EQ(f.Image1[3].Left, left);  // no following while two buttons are held
  Image1_MouseMove(f, platform, 3, kLeftButton, 0, 0, 0);
  CancelCarry(f);  // the ball goes back to its hole
  EXPECT_EQ(test::Inconsistency(f), "");
  EXPECT_TRUE(f.Menu.mnuHint.Enabled);
}

// The starting hole may be chosen while the history is empty, also after a
// refused drop left EmptyLabel at a full hole; after a jump it may not, even
// with NewGame kept as a restore that replayed the jump leaves it.
TEST_F(Play, TheStartingHoleIsChosenOnlyWhileTheHistoryIsEmpty) {
  Drag(3, 2);  // refused: EmptyLabel is left at the full hole 3
  Image1_MouseDown(f, platform, 12, kMiddleButton, 0, kInside, kInside);
  EXPECT_TRUE(f.Image2[0].Tag == 12 && !f.Image2[12].Tag && f.Image2[3].Tag == 3);
  Drag(4, 12);
  ASSERT_EQ(f.PlayCount, 1);
  f.NewGame = true;
  Image1_MouseDown(f, platform, 5, kRightButton, 0, kInside, kInside);
  EXPECT_TRUE(f.Image2[5].Tag == 5 && !f.Image2[4].Tag && !f.Image2[7].Tag);
  UndoPlay(f, platform);  // the history still matches the board
  EXPECT_EQ(test::Inconsistency(f), "");
  EXPECT_TRUE(f.Image2[4].Tag == 4 && f.Image2[7].Tag == 7);
}

// Long random runs of legal and refused drags, starting choices, undos and
// resets keep the board consistent on every level, with Hint offered just
// while a jump is left.
TEST_F(Play, RandomPlayKeepsTheBoardConsistent) {
  std::mt19937 random(20261206);
  for (int level = 0; level <= 2; ++level) {
    Start(level);
    for (int step = 0; step < 1500; ++step) {
      const auto ball = static_cast<std::int16_t>(random() % f.LabelCount);
      const auto to = static_cast<std::int16_t>(random() % f.LabelCount);
      const float gx = 1 + random() % 433, gy = 1 + random() % 433;
      const unsigned action = random() % 10;
      if (action == 0 && f.Image1[ball].Visible) {
        Image1_MouseDown(f, platform, ball, kRightButton, 0, gx, gy);
      } else if (action == 1 && f.Menu.mnuUndo.Enabled) {
        UndoPlay(f, platform);
      } else if (action <= 3 && f.Image1[ball].Visible) {
        Drag(ball, to, gx, gy, action == 2 ? static_cast<float>(random() % 600) - 300 : 0);
      } else if (f.MoveCount > 0) {
        const std::int16_t from = f.MoveList[random() % f.MoveCount];
        f.PickLabel = from;
        CheckDrop(f);
        Drag(*f.Image2[from].Tag, f.DropList[random() % f.DropCount], gx, gy);
      }
      if (f.MoveCount == 0 && random() % 2) ResetGame(f, platform);
      ASSERT_EQ(test::Inconsistency(f), "") << level << "/" << step;
      ASSERT_EQ(f.Menu.mnuHint.Enabled, f.MoveCount > 0) << level << "/" << step;
    }
  }
  EXPECT_GT(platform.msgBoxes.size(), 10u);  // games were won and lost along the way
}

// Down the left edge, right along the bottom row, then up and left: the ring
// stops at every edge of every board, never enters the hidden rows below it,
// and Up keeps its place where the shorter row allows.
TEST_F(Play, TheRingStopsAtTheEdgesOfEveryBoard) {
  using enum BoardKey;
  const std::string expected[] = {"2 5 9 14 14 14 14 12 11 13 10 10 10 10 6 8 ",
                                  "2 5 9 14 20 20 20 19 18 17 16 15 15 15 10 13 ",
                                  "2 5 9 14 20 27 27 26 24 23 25 22 21 21 15 16 "};
  for (int level = 0; level <= 2; ++level) {
    Start(level);
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
TEST_F(Play, ALiftedBallJumpsOnlyToWhereItMayLandNow) {
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
