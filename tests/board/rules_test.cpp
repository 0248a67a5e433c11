// The rules: which balls may jump and where, a jump recorded, the end of a game.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "board/board_layout.h"
#include "board/eat_label.h"
#include "board/end_of_game.h"
#include "board/move_rules.h"
#include "platform/scripted_platform.h"
#include "support/boards.h"

namespace vorn {
namespace {

using namespace std::chrono_literals;

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

// Ball 9 has been carried from hole 0 into hole 3, over ball 4 in hole 1, and
// not yet taken from hole 0: the jump is recorded by holes and balls and the
// ball jumped over is taken, when the history has room. A full or broken
// history, or no ball in the source or middle hole: nothing is recorded or taken.
TEST(EatLabel, RecordsTheJumpAndTakesTheBallJumpedOverOnlyWithRoomAndABallEachSide) {
  struct Case {
    std::int32_t playCount;
    int emptied;
  };
  for (const Case c : {Case{kPlayListSize - 1, -1}, Case{kPlayListSize, -1},
                       Case{kPlayListSize + 7, -1}, Case{-1, -1}, Case{0, 0}, Case{0, 1}}) {
    SCOPED_TRACE(::testing::Message() << c.playCount << " jumps, hole " << c.emptied << " emptied");
    Form1 f = test::BoardWith({});
    f.Image2[0].Tag = f.Image2[3].Tag = 9;
    f.Image2[1].Tag = 4;
    f.Image1[4].Visible = true;
    f.PlayCount = c.playCount;
    if (c.emptied >= 0) f.Image2[c.emptied].Tag.reset();
    const Form1 before = f;
    EatLabel(f, 0, 3);
    const bool made = c.playCount == kPlayListSize - 1;  // room for exactly one more
    EXPECT_EQ(f.PlayCount, c.playCount + made);
    EXPECT_TRUE(made ? f.PlayList.back() == (PlayRec{0, 9, 1, 4, 3})
                     : f.PlayList == before.PlayList);
    EXPECT_EQ(f.Image2[1].Tag, made ? std::nullopt : before.Image2[1].Tag);
    EXPECT_EQ(f.Image1[4].Visible, !made);
    EXPECT_EQ(f.Menu.mnuUndo.Enabled, made);
    EXPECT_EQ(f.Menu.mnuSave.Enabled, made);
  }
}

// One ball left is a win, timed from the game's first jump (a position won
// without a jump of its own, a restored one, took no time); balls left without
// a jump are a loss. Either asks once: No leaves the board as it is, Yes starts
// a new game of the same level, surveyed. A survey told not to ask still
// announces a win, but not a loss.
TEST(EndOfGame, AWinOrALossAsksForANewGameOfTheSameLevel) {
  const std::string lost = "Sorry, No more moves are posible\r\nWould you like to play again?";
  const std::tuple<std::vector<std::int16_t>, int, bool, std::string> cases[] = {
      {{7}, 2, true, WonPrompt(125)}, {{7}, 0, false, WonPrompt(0)}, {{0, 14}, 0, true, lost}};
  const int holeCounts[] = {15, 21, 28};
  for (const auto& [balls, level, started, prompt] : cases) {
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
      SCOPED_TRACE(prompt + (answer == MsgAnswer::Yes ? " Yes" : " No"));
      ScriptedPlatform platform;
      platform.answers = {answer};
      Form1 f = test::BoardWith(balls, level);
      if (started) f.StartTime = platform.now;
      platform.now += 125s;
      CheckBlk(f, platform);
      ASSERT_EQ(platform.msgBoxes.size(), 1u);  // declining a win does not bring up the loss
      const auto& box = platform.msgBoxes[0];
      EXPECT_EQ(box.prompt, prompt);
      EXPECT_EQ(box.title, "VORN");
      EXPECT_TRUE(box.buttons == MsgButtons::YesNo && box.icon == MsgIcon::Exclamation);
      const std::int16_t last = balls.back();
      if (answer == MsgAnswer::No) {
        EXPECT_TRUE(f.Image2[last].Tag == last && !f.NewGame);
        continue;
      }
      EXPECT_TRUE(f.NewGame && f.LabelCount == holeCounts[level]);
      EXPECT_EQ(f.MoveCount, 2);  // the new board is surveyed
      EXPECT_TRUE(!f.Image2[0].Tag && f.Image2[f.LabelCount - 1].Tag == f.LabelCount - 1);
    }
    ScriptedPlatform platform;
    Form1 f = test::BoardWith(balls, level);
    CheckBlk(f, platform, std::int16_t{1});
    EXPECT_EQ(platform.msgBoxes.size(), prompt == lost ? 0u : 1u);
  }
}

}  // namespace
}  // namespace vorn
