#include <gtest/gtest.h>

#include "board/board_layout.h"
#include "board/eat_label.h"
#include "board/end_of_game.h"
#include "board/move_rules.h"
#include "platform/scripted_platform.h"
#include "support/boards.h"

namespace vorn {
namespace {

using namespace std::chrono_literals;
using test::BoardWith;

TEST(WonGame, MessageTextForTwoMinutesAndFiveSeconds) {
  EXPECT_EQ(WonPrompt(125),
            "Congratulations, You have Won!\r\nYour time was:125 Seconds. Would you like to play "
            "again?\r\n");
}

TEST(WonGame, OneBallLeftIsAWinTimedFromTheFirstJump) {
  ScriptedPlatform platform;
  Form1 f = BoardWith({7});
  f.StartTime = platform.now;
  platform.now += 125s;
  CheckBlk(f, platform);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);  // declining does not bring up the lost message
  const auto& box = platform.msgBoxes[0];
  EXPECT_EQ(box.prompt, WonPrompt(125));
  EXPECT_EQ(box.title, "VORN");
  EXPECT_EQ(box.buttons, MsgButtons::YesNo);
  EXPECT_EQ(box.icon, MsgIcon::Exclamation);
  EXPECT_EQ(f.Image2[7].Tag, 7);  // No leaves the board as it is
}

TEST(WonGame, APositionWonWithoutAJumpOfItsOwnTookNoTime) {
  ScriptedPlatform platform;
  platform.now += 50000s;  // long after midnight, long after start-up
  Form1 f = BoardWith({4});
  CheckBlk(f, platform);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt, WonPrompt(0));
}

TEST(WonGame, YesStartsANewGameOfTheSameLevelInsideTheSurvey) {
  ScriptedPlatform platform;
  platform.answers = {MsgAnswer::Yes};
  Form1 f = BoardWith({7});
  CheckBlk(f, platform);
  EXPECT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(f.LabelCount, 15);
  EXPECT_TRUE(f.NewGame);
  EXPECT_EQ(f.MoveCount, 2);
  EXPECT_EQ(f.Image2[7].Tag, 7);
  EXPECT_FALSE(f.Image2[0].Tag);
}

TEST(LostGame, TwoBallsWithoutAJumpAskForANewGame) {
  ScriptedPlatform platform;
  Form1 f = BoardWith({0, 14});
  CheckBlk(f, platform);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt,
            "Sorry, No more moves are posible\r\nWould you like to play again?");
  EXPECT_EQ(platform.msgBoxes[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(f.Image2[14].Tag, 14);

  platform.answers = {MsgAnswer::Yes};
  CheckBlk(f, platform);
  EXPECT_EQ(platform.msgBoxes.size(), 2u);
  EXPECT_TRUE(f.NewGame);
  EXPECT_EQ(f.MoveCount, 2);
}

TEST(LostGame, NeverAfterASurveyWithChklst) {
  ScriptedPlatform platform;
  Form1 f = BoardWith({0, 14});
  CheckBlk(f, platform, std::int16_t{1});
  EXPECT_TRUE(platform.msgBoxes.empty());
  Form1 won = BoardWith({3});
  CheckBlk(won, platform, std::int16_t{1});  // the win check still runs
  EXPECT_EQ(platform.msgBoxes.size(), 1u);
}

TEST(EatLabel, TakesTheMovedBallFromTheSourceHoleAndIgnoresAnEmptyMiddle) {
  Form1 f = BoardWith({});
  f.Image2[0].Tag = 9;  // ball 9 stands in hole 0
  f.Image2[1].Tag = 4;
  f.Image2[3].Tag = 9;
  EatLabel(f, 0, 3);
  EXPECT_EQ(f.PlayList[0].MovedBall, 9);
  EXPECT_EQ(f.PlayList[0].EatenBall, 4);

  Form1 g = BoardWith({0});
  g.Image2[3].Tag = 0;
  EatLabel(g, 0, 3);
  EXPECT_EQ(g.PlayCount, 0);
  EXPECT_FALSE(g.Menu.mnuUndo.Enabled);
  EXPECT_FALSE(g.Menu.mnuSave.Enabled);
}

}  // namespace
}  // namespace vorn
