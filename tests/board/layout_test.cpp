#include <gtest/gtest.h>

#include "board/board_layout.h"
#include "platform/scripted_platform.h"
#include "support/boards.h"

namespace vorn {
namespace {

using test::LaidOut;

struct LevelFigures {
  int level;
  double rowPitch, rightStep, leftStep, diagJumpDX, rowJumpDX;
};

class LayoutFigures : public ::testing::TestWithParam<LevelFigures> {};

TEST_P(LayoutFigures, MatchTheDesignedBoard) {
  const LevelFigures& want = GetParam();
  const Form1 f = LaidOut(want.level);
  EXPECT_NEAR(f.RowPitch, want.rowPitch, 0.005);
  EXPECT_NEAR(f.Image2[1].Left - f.Image2[0].Left, want.rightStep, 0.005);
  EXPECT_NEAR(f.Image2[0].Left - f.Image2[2].Left, want.leftStep, 0.005);
  EXPECT_NEAR(f.DiagJumpDX, want.diagJumpDX, 0.005);
  EXPECT_NEAR(f.RowJumpDX, want.rowJumpDX, 0.005);
  EXPECT_NEAR(f.RowPitch - f.Image2[0].Height, want.rowPitch - 435, 0.005);  // the row gap
}

INSTANTIATE_TEST_SUITE_P(AllLevels, LayoutFigures,
                         ::testing::Values(LevelFigures{0, 629.60, 357.55, 423.11, 780.66, 1561.31},
                                           LevelFigures{1, 524.50, 297.86, 352.48, 650.34, 1300.68},
                                           LevelFigures{2, 449.43, 255.23, 302.03, 557.26,
                                                        1114.52}));

TEST(Layout, CheckedPositionsOfLevelsOneAndThree) {
  struct Place {
    int level, hole;
    double left, top;
  };
  for (const Place& p :
       {Place{0, 0, 1942.50, 217.50}, Place{0, 1, 2300.05, 847.10}, Place{0, 2, 1519.39, 847.10},
        Place{0, 14, 250.08, 2735.90}, Place{0, 10, 3372.70, 2735.90},
        Place{0, 20, -173.03, 3365.50}, Place{0, 27, -596.14, 3995.10},
        Place{2, 0, 1942.50, 217.50}, Place{2, 1, 2197.73, 666.93}, Place{2, 2, 1640.47, 666.93},
        Place{2, 14, 734.39, 2015.21}, Place{2, 10, 2963.42, 2015.21},
        Place{2, 27, 130.34, 2914.07}, Place{2, 21, 3473.89, 2914.07}}) {
    const Form1 f = LaidOut(p.level);
    EXPECT_NEAR(f.LabelPos[p.hole].Left, p.left, 0.005) << p.level << "/" << p.hole;
    EXPECT_NEAR(f.LabelPos[p.hole].Top, p.top, 0.005) << p.level << "/" << p.hole;
  }
}

TEST(Layout, HolesShareLeftsAlongTheDiagonalsOfTheAxis) {
  const std::vector<std::vector<int>> groups = {{0, 4, 11, 23}, {1, 8, 17},  {2, 7, 18},
                                                {3, 13, 25},    {5, 12, 24}, {6, 16},
                                                {9, 19},        {10, 22},    {14, 26}};
  for (int level = 0; level <= 2; ++level) {
    const Form1 f = LaidOut(level);
    for (const auto& group : groups) {
      for (int hole : group) {
        EXPECT_EQ(f.LabelPos[hole].Left, f.LabelPos[group.front()].Left)
            << "level " << level << " hole " << hole;
      }
    }
  }
}

TEST(Layout, StartingStateOfEveryLevel) {
  for (int level = 0; level <= 2; ++level) {
    const Form1 f = LaidOut(level);
    const int labelCount = 15 + (level >= 1 ? 6 : 0) + (level == 2 ? 7 : 0);
    ASSERT_EQ(f.LabelCount, labelCount);
    EXPECT_EQ(f.RowCount, 5 + level);
    EXPECT_FALSE(f.Image2[0].Tag);
    EXPECT_TRUE(f.Image2[0].Visible);
    EXPECT_FALSE(f.Image1[0].Visible);
    int visibleBalls = 0;
    for (int i = 0; i < kElementCount; ++i) {
      const Hole& hole = f.Image2[i];
      const Ball& ball = f.Image1[i];
      visibleBalls += ball.Visible;
      EXPECT_EQ(ball.MousePointer, PointerKind::Default);
      EXPECT_TRUE(ball.MouseIcon);
      if (i >= 1 && i < labelCount) {
        EXPECT_EQ(hole.Tag, i);
        EXPECT_TRUE(ball.Visible);
        EXPECT_EQ(ball.Left, hole.Left);
        EXPECT_EQ(ball.Top, hole.Top);
      } else if (i >= labelCount) {
        EXPECT_FALSE(hole.Visible) << i;
        EXPECT_FALSE(hole.Tag) << i;
        EXPECT_FALSE(ball.Visible) << i;
      }
    }
    EXPECT_EQ(visibleBalls, labelCount - 1);
  }
}

TEST(Layout, SmallerLevelLeavesUnusedHolesWhereTheLargerOnePutThem) {
  Form1 f = LaidOut(2);
  const Hole before = f.Image2[27];
  f.GameLevel = 0;
  SetBalls(f);
  for (int i = 15; i < kElementCount; ++i) EXPECT_FALSE(f.Image2[i].Visible);
  EXPECT_EQ(f.Image2[27].Left, before.Left);
  EXPECT_EQ(f.Image2[27].Top, before.Top);
  EXPECT_NEAR(f.Image2[1].Left, 2300.05, 0.005);  // back to the wider spacing
  // Holes never laid out keep their designed places.
  EXPECT_EQ(LaidOut(0).Image2[27].Left, 3600);
}

TEST(Layout, LevelOutOfRangeBeforeAnyLayoutIsTheSmallestBoard) {
  for (std::int16_t bad : {std::int16_t{-1}, std::int16_t{3}, std::int16_t{7}}) {
    Form1 f;
    f.GameLevel = bad;
    SetBalls(f);
    EXPECT_EQ(f.LabelCount, 15);
    EXPECT_NEAR(f.Image2[1].Left, 2300.05, 0.005);
  }
  Form1 f = LaidOut(1);
  f.GameLevel = 9;  // after a layout, the previous board is kept
  SetBalls(f);
  EXPECT_EQ(f.LabelCount, 21);
}

}  // namespace
}  // namespace vorn
