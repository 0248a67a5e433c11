// Undo and redo, the wins that count for the best times, and the settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "board/board_layout.h"
#include "board/end_of_game.h"
#include "board/move_rules.h"
#include "persistence/best_times.h"
#include "persistence/restore_any_bytes.h"
#include "persistence/saved_game.h"
#include "persistence/stored_level.h"
#include "persistence/undo_play.h"
#include "platform/scripted_platform.h"
#include "play/ball_drag.h"
#include "support/boards.h"

namespace vorn {
namespace {

using namespace std::chrono_literals;

// A game of five rows won from the start, as (from, to) holes.
constexpr int kWin[][2] = {{3, 0},  {5, 3},  {0, 5}, {6, 1},  {9, 2},   {11, 3}, {1, 6},
                           {10, 3}, {12, 4}, {2, 8}, {3, 11}, {13, 12}, {14, 11}};

class RedoTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGame(f, platform); }
  // Carries the ball of one hole to the centre of another and lets go there.
  void Jump(int from, int to) {
    ASSERT_TRUE(f.Image2[from].Tag) << "no ball in hole " << from;
    const auto b = *f.Image2[from].Tag;
    const float half = f.Image1[b].Width / 2;
    Image1_MouseDown(f, platform, b, kLeftButton, 0, half, half);
    Image1_MouseUp(f, platform, b, kLeftButton, 0, f.Image2[to].Left + half - f.Image1[b].Left,
                   f.Image2[to].Top + half - f.Image1[b].Top);
  }
  // Each hole's ball and where it stands, then the history.
  std::string Board() const {
    std::string board;
    for (const Hole& h : f.Image2) {
      if (!h.Tag) continue;
      const Ball& b = f.Image1[*h.Tag];
      board += std::to_string(b.Index) + "@" + std::to_string(b.Left) + "," +
               std::to_string(b.Top) + " ";
    }
    for (std::int32_t i = 0; i < f.PlayCount; ++i) board += std::to_string(f.PlayList[i].ToLabel);
    return board;
  }
  const std::string saved = (std::filesystem::temp_directory_path() /
                             ("redo-" + std::to_string(std::random_device{}()) + ".VORN"))
                                .string();
  void TearDown() override { std::filesystem::remove(saved); }
  ScriptedPlatform platform;
  Form1 f;
};

TEST_F(RedoTest, UndoAndRedoRetraceTheBoardsLastUndoneFirstTillAReset) {
  std::vector<std::string> boards = {Board()};
  for (int i = 0; i < 4; ++i) {
    Jump(kWin[i][0], kWin[i][1]);
    boards.push_back(Board());
  }
  for (int i = 3; i >= 0; --i) {
    UndoPlay(f, platform);
    EXPECT_EQ(Board(), boards[i]) << "undo to " << i;
  }
  for (int i = 1; i <= 5; ++i) {  // the last redo has nothing left to make
    EXPECT_EQ(f.Menu.mnuRedo.Enabled, i <= 4);
    RedoPlay(f, platform);
    EXPECT_EQ(Board(), boards[std::min(i, 4)]) << "redo " << i;
  }
  UndoPlay(f, platform);
  ResetGame(f, platform);
  EXPECT_TRUE(f.RedoCount == 0 && !f.Menu.mnuRedo.Enabled && platform.msgBoxes.empty());
}

TEST_F(RedoTest, AJumpKeptForRedoIsNotMadeOnABoardChangedSince) {
  f = test::BoardWith({1, 3});
  CheckBlk(f, platform);
  Jump(3, 0);
  UndoPlay(f, platform);
  ASSERT_EQ(f.RedoCount, 1);
  f.Image2[1].Tag.reset();  // changed behind the rules' back
  RedoPlay(f, platform);
  EXPECT_TRUE(f.Image2[3].Tag && !f.Image2[0].Tag && f.RedoCount == 0);
}

TEST_F(RedoTest, ARedoThatWinsAnnouncesItButOnlyAWinTimedFromAFreshBoardCountsAndOnlyOnce) {
  for (const auto& [from, to] : kWin) {
    if (from == 14) platform.now += 42s;
    Jump(from, to);
  }
  ASSERT_TRUE(f.CountedWin);
  EXPECT_TRUE(f.CountedWin->level == 0 && f.CountedWin->seconds == 42);
  f.CountedWin.reset();
  UndoPlay(f, platform);
  platform.fileChoices = {saved, saved, saved};
  SaveGame(f, platform);  // twelve jumps
  RedoPlay(f, platform);  // and won again
  EXPECT_FALSE(f.CountedWin);
  ASSERT_EQ(platform.msgBoxes.size(), 2u);
  EXPECT_EQ(platform.msgBoxes[1].prompt, WonPrompt(42));

  // A restored game forgets what was undone before, and its win does not count
  // though timed from a jump of its own. Taken back to its start, it may choose
  // its empty hole.
  UndoPlay(f, platform);
  RestoreGame(f, platform);
  EXPECT_EQ(f.RedoCount, 0);
  Jump(14, 11);
  EXPECT_TRUE(f.PlayCount == 13 && !f.CountedWin && platform.msgBoxes.size() == 3);
  RestoreGame(f, platform);
  while (f.PlayCount > 0) UndoPlay(f, platform);
  Image1_MouseDown(f, platform, 7, kRightButton, 0, 100, 100);
  EXPECT_TRUE(!f.Image2[7].Tag && f.RedoCount == 0 && !f.Menu.mnuRedo.Enabled);
}

TEST(UndoPlay, AnEmptyOrBrokenHistoryChangesNothing) {
  for (const std::int32_t count : {0, -1, -300}) {
    ScriptedPlatform platform;
    Form1 f;
    f.GameLevel = 2;
    ResetGame(f, platform);
    f.PlayCount = count;
    const Form1 before = f;
    UndoPlay(f, platform);
    EXPECT_EQ(test::DifferenceInGame(before, f), "") << count;
  }
}

TEST(StoredSettings, RecordsLevelsAndSizesTheGameDidNotWriteReadAsNone) {
  ScriptedPlatform platform;
  EXPECT_TRUE(RecordWin(platform, 1, 42, "2026-01-02").newBest);
  EXPECT_FALSE(RecordWin(platform, 1, 42, "2026-01-03").newBest);  // a tie keeps the older
  EXPECT_TRUE(RecordWin(platform, 1, 30, "2026-01-04").newBest);
  EXPECT_EQ(ReadBestTimes(platform)[1], (BestTime{30, "2026-01-04", 3}));
  // A win the store refuses is neither counted nor a new best.
  platform.failSettings = "vorn.conf: No space left on device";
  const WinRecorded refused = RecordWin(platform, 1, 5, "2026-01-05");
  EXPECT_TRUE(!refused.newBest && refused.error == platform.failSettings);
  EXPECT_EQ(ReadBestTimes(platform)[1], (BestTime{30, "2026-01-04", 3}));
  platform.failSettings.reset();
  // A date is shown only as the game writes one, however a hand edited it.
  const std::string dates[] = {"2026-1-04", std::string(3000, '9'), "2026-01-04x", "yyyy-mm-dd"};
  for (const std::string& date : dates) {
    platform.settings["vorn/BestTimes/Level2Date"] = date;
    EXPECT_EQ(ReadBestTimes(platform)[1].date, "") << date.substr(0, 20);
  }

  const std::string bad[] = {"", "x", "-1", "1 ", "99999999999999999999", "3", "175"};
  for (std::size_t i = 0; i < std::size(bad); ++i) {
    platform.settings["vorn/Settings/GLevel"] = bad[i];
    platform.settings["vorn/Settings/BoardSize"] = bad[i];
    EXPECT_TRUE(ReadStoredLevel(platform) == 0 && !ReadStoredBoardSize(platform)) << bad[i];
    if (i >= 5) continue;  // whole numbers still make a time and a count of wins
    platform.settings["vorn/BestTimes/Level2Seconds"] = bad[i];
    platform.settings["vorn/BestTimes/Level2Wins"] = bad[i];
    EXPECT_EQ(ReadBestTimes(platform)[1], BestTime{}) << bad[i];
  }
}

}  // namespace
}  // namespace vorn
