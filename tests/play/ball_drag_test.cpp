#include <gtest/gtest.h>

#include <random>

#include "board/board_layout.h"
#include "board/move_rules.h"
#include "persistence/undo_play.h"
#include "platform/scripted_platform.h"
#include "play/ball_drag.h"
#include "support/board_checks.h"

namespace vorn {
namespace {

constexpr float kInside = 217.5f;  // the middle of a ball, in twips from its corner

class BallDrag : public ::testing::Test {
 protected:
  void SetUp() override { Start(0); }
  void Start(int level) {
    f = Form1();
    f.GameLevel = static_cast<std::int16_t>(level);
    ResetGame(f, platform);
  }
  // Presses ball b at (gx, gy) inside it and releases with the pointer at the
  // centre of hole `to`, plus an offset.
  void Drag(std::int16_t b, std::int16_t to, float gx = kInside, float gy = kInside, float dx = 0,
            float dy = 0) {
    Image1_MouseDown(f, platform, b, kLeftButton, 0, gx, gy);
    const Hole& target = f.Image2[to];
    const float px = target.Left + 217.5f + dx, py = target.Top + 217.5f + dy;
    Image1_MouseMove(f, platform, b, kLeftButton, 0, px - f.Image1[b].Left, py - f.Image1[b].Top);
    Image1_MouseUp(f, platform, b, kLeftButton, 0, px - f.Image1[b].Left, py - f.Image1[b].Top);
  }
  Form1 f;
  ScriptedPlatform platform;
};

TEST_F(BallDrag, FirstJumpFromTheApexStart) {
  EXPECT_EQ(f.Image1[3].MousePointer, PointerKind::Custom);
  EXPECT_EQ(f.Image1[5].MousePointer, PointerKind::Custom);
  EXPECT_EQ(f.Image1[4].MousePointer, PointerKind::Default);
  platform.now += std::chrono::seconds(42);
  Drag(3, 0);
  EXPECT_EQ(f.Image1[3].Left, f.Image2[0].Left);
  EXPECT_EQ(f.Image1[3].Top, f.Image2[0].Top);
  EXPECT_EQ(f.Image2[0].Tag, 3);
  EXPECT_FALSE(f.Image1[1].Visible);
  EXPECT_FALSE(f.Image2[1].Tag);
  EXPECT_FALSE(f.Image2[3].Tag);
  EXPECT_EQ(f.PlayCount, 1);
  EXPECT_EQ(f.PlayList[0], (PlayRec{3, 3, 1, 1, 0}));
  EXPECT_FALSE(f.NewGame);
  EXPECT_EQ(f.StartTime, platform.now);
  EXPECT_FALSE(f.Menu.mnuLevel.Enabled);
  EXPECT_FALSE(f.Dragging);
  test::ExpectConsistentBoard(f);
}

TEST_F(BallDrag, RefusedDropsPutTheBallBack) {
  const Ball before = f.Image1[3];
  Drag(3, 3);                                // on its own hole
  Drag(3, 4);                                // on an occupied hole
  Drag(3, 0, kInside, kInside, 217.5f, 0);   // on hole 0's right edge
  Drag(3, 0, kInside, kInside, 9000, 9000);  // far outside the board
  EXPECT_EQ(f.Image1[3].Left, before.Left);
  EXPECT_EQ(f.Image1[3].Top, before.Top);
  EXPECT_EQ(f.PlayCount, 0);
  EXPECT_TRUE(f.NewGame);
  EXPECT_FALSE(f.StartTime);
  test::ExpectConsistentBoard(f);
}

TEST_F(BallDrag, TheLandingHoleIsTheOneUnderThePointer) {
  // Grasped near its right edge, the ball's centre stays outside hole 0
  // while the pointer is inside it.
  Drag(3, 0, 420, kInside, 150, 0);
  EXPECT_EQ(f.PlayCount, 1);
  EXPECT_EQ(f.Image2[0].Tag, 3);
}

TEST_F(BallDrag, OnlyAMovableBallIsPickedUp) {
  Image1_MouseDown(f, platform, 4, kLeftButton, 0, kInside, kInside);
  EXPECT_FALSE(f.Dragging);
  Image1_MouseMove(f, platform, 4, kLeftButton, 0, 900, 900);
  EXPECT_EQ(f.Image1[4].Left, f.Image2[4].Left);
  // A press on the ball's outermost column lies on its hole's edge.
  Image1_MouseDown(f, platform, 3, kLeftButton, 0, 0, kInside);
  EXPECT_FALSE(f.Dragging);
}

TEST_F(BallDrag, ASecondButtonDuringACarry) {
  Image1_MouseDown(f, platform, 3, kLeftButton, 0, kInside, kInside);
  Image1_MouseDown(f, platform, 3, kRightButton, 0, kInside, kInside);
  EXPECT_EQ(f.Image2[3].Tag, 3);  // no starting-hole choice under the carried ball
  const float left = f.Image1[3].Left;
  Image1_MouseMove(f, platform, 3, kLeftButton + kRightButton, 0, 0, 0);
  EXPECT_EQ(f.Image1[3].Left, left);  // it stops following while two buttons are held
  Image1_MouseUp(f, platform, 3, kRightButton, 0, kInside, kInside);
  EXPECT_FALSE(f.Dragging);
  test::ExpectConsistentBoard(f);
}

TEST_F(BallDrag, CancelledCarryGoesHome) {
  Image1_MouseDown(f, platform, 3, kLeftButton, 0, kInside, kInside);
  Image1_MouseMove(f, platform, 3, kLeftButton, 0, -500, -900);
  ASSERT_NE(f.Image1[3].Left, f.Image2[3].Left);
  EXPECT_EQ(CarriedBall(f), 3);
  CancelCarry(f);
  EXPECT_EQ(f.Image1[3].Left, f.Image2[3].Left);
  EXPECT_FALSE(CarriedBall(f));
  test::ExpectConsistentBoard(f);
}

TEST_F(BallDrag, StartingHoleChoice) {
  Image1_MouseDown(f, platform, 7, kRightButton, 0, kInside, kInside);
  EXPECT_EQ(f.Image2[0].Tag, 7);
  EXPECT_FALSE(f.Image2[7].Tag);
  EXPECT_EQ(f.Image1[7].Left, f.Image2[0].Left);
  EXPECT_TRUE(f.NewGame);
  EXPECT_EQ(f.EmptyLabel, 7);
  // A refused drop leaves EmptyLabel at the ball's own hole; the next choice
  // still moves into the empty hole.
  Drag(2, 2);
  Image1_MouseDown(f, platform, 12, kMiddleButton, 0, kInside, kInside);
  EXPECT_EQ(f.Image2[7].Tag, 12);
  EXPECT_FALSE(f.Image2[12].Tag);
  test::ExpectConsistentBoard(f);

  Start(0);
  Drag(3, 0);
  Image1_MouseDown(f, platform, 7, kRightButton, 0, kInside, kInside);
  EXPECT_EQ(f.Image2[7].Tag, 7);  // after the first jump it does nothing
}

TEST_F(BallDrag, ChoiceOnAPointOfAHiddenHoleIsIgnored) {
  // On the 5-row board hidden hole 20 overlaps hole 6; a press on ball 9's
  // top row that finds another hole than the ball's own must not move it.
  Image1_MouseDown(f, platform, 6, kRightButton, 0, f.Image2[20].Left + 10 - f.Image1[6].Left,
                   f.Image2[20].Top + 10 - f.Image1[6].Top);
  test::ExpectConsistentBoard(f);
  Form1 g;
  SetBalls(g);
  g.Image2[20].Left = g.Image2[9].Left - 1;  // a hidden hole right over ball 9's corner
  g.Image2[20].Top = g.Image2[9].Top - 1;
  g.NewGame = true;
  CheckBlk(g, platform);
  Image1_MouseDown(g, platform, 9, kRightButton, 0, 0, 0.5f);
  EXPECT_EQ(g.Image2[9].Tag, 9);
  EXPECT_FALSE(g.Image2[0].Tag);
}

// Long random sequences of legal and illegal drags, starting choices and
// undos keep the board consistent on every level.
TEST_F(BallDrag, RandomPlayKeepsTheBoardConsistent) {
  std::mt19937 random(20261206);
  int jumps = 0;
  for (int level = 0; level <= 2; ++level) {
    Start(level);
    for (int step = 0; step < 1500; ++step) {
      const auto ball = static_cast<std::int16_t>(random() % f.LabelCount);
      if (!f.Image1[ball].Visible) continue;
      const auto to = static_cast<std::int16_t>(random() % f.LabelCount);
      const float gx = 1 + random() % 433, gy = 1 + random() % 433;
      switch (random() % 10) {
        case 0:
          Image1_MouseDown(f, platform, ball, kRightButton, 0, gx, gy);
          break;
        case 1:
          if (f.Menu.mnuUndo.Enabled) UndoPlay(f, platform);
          break;
        case 2:
          Drag(ball, to, gx, gy, static_cast<float>(random() % 600) - 300, 0);
          break;
        case 3:
          Drag(ball, to, gx, gy);
          break;
        default: {
          // A legal jump of a movable ball, found through the rules.
          if (f.MoveCount == 0) break;
          const std::int16_t from = f.MoveList[random() % f.MoveCount];
          f.PickLabel = from;
          CheckDrop(f);
          Drag(*f.Image2[from].Tag, f.DropList[random() % f.DropCount], gx, gy);
          ++jumps;
        }
      }
      if (f.MoveCount == 0 && random() % 2) ResetGame(f, platform);
      ASSERT_NO_FATAL_FAILURE(test::ExpectConsistentBoard(f))
          << "level " << level << " step " << step;
    }
  }
  EXPECT_GT(jumps, 1000);
  EXPECT_GT(platform.msgBoxes.size(), 10u);  // games were won and lost along the way
}

}  // namespace
}  // namespace vorn
