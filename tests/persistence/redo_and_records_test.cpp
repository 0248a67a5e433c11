// Redo through the rules, the wins that count for the best times, and the
// records and board size kept in the per-user settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "board/board_layout.h"
#include "board/end_of_game.h"
#include "board/move_rules.h"
#include "persistence/best_times.h"
#include "persistence/saved_game.h"
#include "persistence/stored_level.h"
#include "persistence/undo_play.h"
#include "platform/scripted_platform.h"
#include "play/ball_drag.h"
#include "support/boards.h"

namespace vorn {
namespace {

using namespace std::chrono_literals;

// Carries the ball of one hole to the centre of another and lets go there.
void Jump(Form1& f, Platform& platform, int from, int to) {
  ASSERT_TRUE(f.Image2[from].Tag) << "no ball in hole " << from;
  const auto b = *f.Image2[from].Tag;
  const Ball& ball = f.Image1[b];
  const float half = ball.Width / 2;
  Image1_MouseDown(f, platform, b, kLeftButton, 0, half, half);
  Image1_MouseUp(f, platform, b, kLeftButton, 0, f.Image2[to].Left + half - ball.Left,
                 f.Image2[to].Top + half - ball.Top);
}

// Each hole's ball and where every shown ball stands, then the history.
std::string Board(const Form1& f) {
  std::string board;
  for (const Hole& hole : f.Image2) board += hole.Tag ? std::to_string(*hole.Tag) + " " : ". ";
  for (const Ball& ball : f.Image1) {
    if (ball.Visible) board += std::to_string(ball.Left) + "," + std::to_string(ball.Top) + " ";
  }
  for (std::int32_t i = 0; i < f.PlayCount; ++i) board += std::to_string(f.PlayList[i].ToLabel);
  return board;
}

// A game of five rows won from the start, as (from, to) holes.
constexpr int kWin[][2] = {{3, 0},  {5, 3},  {0, 5}, {6, 1},  {9, 2},   {11, 3}, {1, 6},
                           {10, 3}, {12, 4}, {2, 8}, {3, 11}, {13, 12}, {14, 11}};

class RedoTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGame(f, platform); }
  ScriptedPlatform platform;
  Form1 f;
};

TEST_F(RedoTest, RedoMakesTheUndoneJumpsAgainLastUndoneFirstAndIsOfferedWhileOneIsLeft) {
  std::vector<std::string> boards = {Board(f)};
  for (int i = 0; i < 4; ++i) {
    Jump(f, platform, kWin[i][0], kWin[i][1]);
    boards.push_back(Board(f));
  }
  for (int i = 3; i >= 0; --i) UndoPlay(f, platform);
  EXPECT_EQ(Board(f), boards[0]);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_TRUE(f.Menu.mnuRedo.Enabled);
    RedoPlay(f, platform);
    EXPECT_EQ(Board(f), boards[i]) << "redo " << i;
  }
  EXPECT_FALSE(f.Menu.mnuRedo.Enabled);
  RedoPlay(f, platform);  // nothing left to redo
  EXPECT_EQ(Board(f), boards[4]);
  EXPECT_TRUE(platform.msgBoxes.empty());
}

TEST_F(RedoTest, AnyOtherJumpResetRestoreOrStartingChoiceForgetsTheUndoneJumps) {
  const auto saved = (std::filesystem::temp_directory_path() / "redo_test.VORN").string();
  Jump(f, platform, 3, 0);
  Jump(f, platform, 5, 3);
  UndoPlay(f, platform);
  platform.fileChoices = {saved};
  SaveGame(f, platform);  // the history only
  platform.fileChoices = {std::nullopt};
  RestoreGame(f, platform);  // cancelled: the game stays as it was
  EXPECT_EQ(f.RedoCount, 1);

  const Form1 undone = f;
  const std::vector<std::function<void()>> changes = {
      [&] { Jump(f, platform, 10, 3); }, [&] { ResetGame(f, platform); },
      [&] {
        platform.fileChoices = {saved};
        RestoreGame(f, platform);
      },
      [&] {  // a restored game, taken back to its start, may choose its empty hole
        platform.fileChoices = {saved};
        RestoreGame(f, platform);
        UndoPlay(f, platform);
        ASSERT_EQ(f.RedoCount, 1);
        Image1_MouseDown(f, platform, 7, kRightButton, 0, 100, 100);
        EXPECT_FALSE(f.Image2[7].Tag);
      }};
  for (std::size_t i = 0; i < changes.size(); ++i) {
    f = undone;
    changes[i]();
    EXPECT_EQ(f.RedoCount, 0) << "change " << i;
    EXPECT_FALSE(f.Menu.mnuRedo.Enabled) << "change " << i;
  }
  std::filesystem::remove(saved);
}

TEST_F(RedoTest, ARedoThatWinsAnnouncesTheWinAndAJumpOnAChangedBoardIsNotMade) {
  f = test::BoardWith({1, 3});
  CheckBlk(f, platform);
  Jump(f, platform, 3, 0);
  UndoPlay(f, platform);
  RedoPlay(f, platform);
  ASSERT_EQ(platform.msgBoxes.size(), 2u);
  EXPECT_EQ(platform.msgBoxes[1].prompt, WonPrompt(0));
  EXPECT_FALSE(f.CountedWin);  // a board set up by hand is not a fresh game

  UndoPlay(f, platform);
  f.Image2[1].Tag.reset();  // changed behind the rules' back
  RedoPlay(f, platform);
  EXPECT_TRUE(f.Image2[3].Tag && !f.Image2[0].Tag && f.RedoCount == 0);
}

TEST_F(RedoTest, OnlyAWinTimedFromAFreshBoardCountsAndOnlyOnce) {
  const auto saved = (std::filesystem::temp_directory_path() / "counted_test.VORN").string();
  Form1 restored = f;
  for (const auto& [from, to] : kWin) {
    if (from == 14) platform.now += 42s;
    Jump(f, platform, from, to);
  }
  ASSERT_TRUE(f.CountedWin);
  EXPECT_EQ(f.CountedWin->level, 0);
  EXPECT_EQ(f.CountedWin->seconds, 42);
  f.CountedWin.reset();
  UndoPlay(f, platform);  // and won again
  RedoPlay(f, platform);
  EXPECT_FALSE(f.CountedWin);

  Jump(restored, platform, 3, 0);
  platform.fileChoices = {saved};
  SaveGame(restored, platform);
  platform.fileChoices = {saved};
  RestoreGame(restored, platform);
  for (std::size_t i = 1; i < std::size(kWin); ++i)
    Jump(restored, platform, kWin[i][0], kWin[i][1]);
  EXPECT_EQ(restored.PlayCount, 13);
  EXPECT_FALSE(restored.CountedWin);
  std::filesystem::remove(saved);
}

TEST(BestTimes, WinsAreCountedTheBestTimeKeptWithItsDateAndAllCanBeCleared) {
  ScriptedPlatform platform;
  EXPECT_EQ(ReadBestTimes(platform), (std::array<BestTime, kLevelCount>{}));
  EXPECT_TRUE(RecordWin(platform, 1, 42, "2026-01-02"));
  EXPECT_FALSE(RecordWin(platform, 1, 42, "2026-01-03"));  // a tie keeps the older
  EXPECT_TRUE(RecordWin(platform, 1, 30, "2026-01-04"));
  EXPECT_EQ(ReadBestTimes(platform)[1], (BestTime{30, "2026-01-04", 3}));

  // Values the game did not write read as no record.
  for (const char* bad : {"x", "-5", "4x", "99999999999999999999"}) {
    platform.settings["vorn/BestTimes/Level3Seconds"] = bad;
    platform.settings["vorn/BestTimes/Level3Wins"] = bad;
    platform.settings["vorn/BestTimes/Level3Date"] = "2026-01-01";
    EXPECT_EQ(ReadBestTimes(platform)[2], BestTime{}) << bad;
  }
  ClearBestTimes(platform);
  EXPECT_EQ(ReadBestTimes(platform), (std::array<BestTime, kLevelCount>{}));
}

TEST(StoredBoardSize, EverySizeIsReadBackAndAnythingElseIsTheDesignedSize) {
  ScriptedPlatform platform;
  EXPECT_EQ(ReadStoredBoardSize(platform), 100);
  for (std::int16_t size : kBoardSizes) {
    WriteStoredBoardSize(platform, size);
    EXPECT_EQ(ReadStoredBoardSize(platform), size);
  }
  for (const char* bad : {"", "175", "-100", "200 ", "x"}) {
    platform.settings["vorn/Settings/BoardSize"] = bad;
    EXPECT_EQ(ReadStoredBoardSize(platform), 100) << bad;
  }
}

}  // namespace
}  // namespace vorn
