#include <gtest/gtest.h>

#include "board/board_layout.h"
#include "board/end_of_game.h"
#include "board/move_rules.h"
#include "platform/scripted_platform.h"
#include "support/boards.h"

namespace vorn {
namespace {

using namespace std::chrono_literals;

// Timed from the game's first jump; a position won without a jump of its own
// (a restored one) took no time. No leaves the board as it is.
TEST(WonGame, OneBallLeftIsAWinTimedFromTheFirstJump) {
  for (const bool started : {true, false}) {
    ScriptedPlatform platform;
    Form1 f = test::BoardWith({7});
    if (started) f.StartTime = platform.now;
    platform.now += 125s;
    CheckBlk(f, platform);
    ASSERT_EQ(platform.msgBoxes.size(), 1u);  // declining does not bring up the lost message
    const auto& box = platform.msgBoxes[0];
    EXPECT_EQ(box.prompt, std::string("Congratulations, You have Won!\r\nYour time was:") +
                              (started ? "125" : "0") +
                              " Seconds. Would you like to play again?\r\n");
    EXPECT_EQ(box.title, "VORN");
    EXPECT_TRUE(box.buttons == MsgButtons::YesNo && box.icon == MsgIcon::Exclamation);
    EXPECT_EQ(f.Image2[7].Tag, 7);
  }
}

TEST(WonGame, YesStartsANewGameOfTheSameLevel) {
  ScriptedPlatform platform;
  platform.answers = {MsgAnswer::Yes};
  Form1 f = test::BoardWith({7}, 2);
  CheckBlk(f, platform);
  EXPECT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(f.LabelCount, 28);
  EXPECT_TRUE(f.NewGame);
  EXPECT_EQ(f.MoveCount, 2);  // the new board is surveyed
  EXPECT_TRUE(f.Image2[7].Tag == 7 && f.Image2[27].Tag == 27 && !f.Image2[0].Tag);
}

// Balls left without a jump ask for a new game, unless the survey was told
// not to; a win is still announced then.
TEST(LostGame, BallsWithoutAJumpAskForANewGame) {
  ScriptedPlatform platform;
  Form1 f = test::BoardWith({0, 14});
  CheckBlk(f, platform, std::int16_t{1});
  EXPECT_TRUE(platform.msgBoxes.empty());
  CheckBlk(f, platform);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt,
            "Sorry, No more moves are posible\r\nWould you like to play again?");
  EXPECT_TRUE(platform.msgBoxes[0].buttons == MsgButtons::YesNo &&
              platform.msgBoxes[0].icon == MsgIcon::Exclamation);
  EXPECT_EQ(f.Image2[14].Tag, 14);

  platform.answers = {MsgAnswer::Yes};
  CheckBlk(f, platform);
  EXPECT_TRUE(f.NewGame);
  EXPECT_EQ(f.MoveCount, 2);

  Form1 won = test::BoardWith({3});
  CheckBlk(won, platform, std::int16_t{1});
  EXPECT_EQ(platform.msgBoxes.size(), 3u);
}

}  // namespace
}  // namespace vorn
