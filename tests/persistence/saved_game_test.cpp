#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "board/board_layout.h"
#include "board/move_rules.h"
#include "persistence/restore_any_bytes.h"
#include "persistence/saved_game.h"
#include "persistence/saved_game_file.h"
#include "persistence/stored_level.h"
#include "persistence/undo_play.h"
#include "platform/scripted_platform.h"
#include "play/ball_drag.h"
#include "support/board_checks.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class SavedGame : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("vorn-saved-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    NewBoard(0);
  }
  void TearDown() override { fs::remove_all(dir); }

  void NewBoard(int level) {
    f = Form1();
    f.GameLevel = static_cast<std::int16_t>(level);
    ResetGame(f, platform);
  }
  // Plays the first `count` legal jumps the rules offer, as a player would.
  void PlayJumps(int count) {
    for (int i = 0; i < count && f.MoveCount > 0; ++i) {
      const std::int16_t from = f.MoveList[f.MoveCount - 1];
      const std::int16_t ball = *f.Image2[from].Tag;
      Image1_MouseDown(f, platform, ball, kLeftButton, 0, 200, 200);
      const Hole& to = f.Image2[f.DropList[0]];
      Image1_MouseUp(f, platform, ball, kLeftButton, 0, to.Left + 200 - f.Image1[ball].Left,
                     to.Top + 200 - f.Image1[ball].Top);
    }
  }
  std::string Save() {
    const std::string path = (dir / "game.VORN").string();
    platform.fileChoices = {path};
    SaveGame(f, platform);
    return ReadBytes(path);
  }
  void Restore(const std::string& bytes) {
    const std::string path = (dir / "in.VORN").string();
    WriteBytes(path, bytes);
    platform.fileChoices = {path};
    RestoreGame(f, platform);
  }
  std::string Records(std::vector<PlayRec> records) {
    return EncodePlayRecords(records.data(), records.size());
  }

  fs::path dir;
  Form1 f;
  ScriptedPlatform platform;
};

TEST_F(SavedGame, SavingFewerJumpsOverALongerFileLeavesOnlyThem) {
  PlayJumps(10);
  EXPECT_EQ(Save().size(), 140u);
  for (int i = 0; i < 5; ++i) UndoPlay(f, platform);
  const std::string five = Save();
  EXPECT_EQ(five.size(), 70u);
  while (f.Menu.mnuUndo.Enabled) UndoPlay(f, platform);
  EXPECT_TRUE(f.Menu.mnuSave.Enabled);  // a game of no jumps can still be saved
  EXPECT_EQ(Save().size(), 0u);

  Restore(five.substr(0, 15));  // a piece shorter than a record is ignored
  EXPECT_EQ(f.PlayCount, 1);
  EXPECT_TRUE(platform.msgBoxes.empty());
}

// A game of the 7-row board started from hole 21, saved by the Linux build:
// every build plays it to the same bytes, and restores the file over a 5-row
// game to that game, its starting hole and its level, written back alike.
TEST_F(SavedGame, FilesAreTheSameBytesOnEverySystem) {
  const fs::path linuxFile = fs::path(VORN_TEST_DATA_DIR) / "seven_rows_from_21.VORN";
  const std::string written = ReadBytes(linuxFile);
  ASSERT_EQ(written.size(), 12 * kPlayRecBytes) << linuxFile;
  NewBoard(2);
  Image1_MouseDown(f, platform, 21, kRightButton, 0, 200, 200);
  PlayJumps(12);
  EXPECT_EQ(Save(), written);
  const Form1 played = f;

  NewBoard(0);
  platform.fileChoices = {linuxFile.string()};
  RestoreGame(f, platform);
  EXPECT_TRUE(f.GameLevel == 2 && f.LabelCount == 28 && f.Menu.mnuLevel3.Checked &&
              !f.Menu.mnuLevel1.Checked);
  ASSERT_EQ(f.PlayCount, 12);
  for (int i = 0; i < kElementCount; ++i) EXPECT_EQ(f.Image2[i].Tag, played.Image2[i].Tag) << i;
  EXPECT_FALSE(f.Menu.mnuSave.Enabled);  // the restored game has not begun
  EXPECT_EQ(Save(), written);
  UndoPlay(f, platform);  // undo takes back the last jump read from the file
  EXPECT_EQ(f.PlayCount, 11);
  test::ExpectConsistentBoard(f);
  EXPECT_TRUE(platform.msgBoxes.empty());
}

TEST_F(SavedGame, BadFilesLeaveTheGameAsItWasAndSayWhichJump) {
  PlayJumps(3);
  const std::vector<PlayRec> good(f.PlayList.begin(), f.PlayList.begin() + 3);
  struct Case {
    std::string name, bytes, text;
  };
  std::vector<PlayRec> duplicated = {good[0], good[0]};
  std::vector<PlayRec> badHole = good;
  badHole[2].OverLabel = 28;
  std::vector<PlayRec> badBall = good;
  badBall[1].EatenBall = 40000;
  std::vector<PlayRec> wrongMiddle = good;
  wrongMiddle[2].OverLabel = wrongMiddle[2].FromLabel;
  const std::string zeros(1024 * kPlayRecBytes, '\0');  // the most a game holds, jump 1 impossible
  const std::vector<Case> cases = {
      {"duplicated", Records(duplicated),
       "Jump 2 of this saved game is not possible on the board."},
      {"bad hole", Records(badHole), "Jump 3 of this saved game is damaged"},
      {"bad ball", Records(badBall), "Jump 2 of this saved game is damaged"},
      {"wrong middle", Records(wrongMiddle), "Jump 3 of this saved game is not possible"},
      {"longest", zeros + std::string(13, '\0'), "Jump 1 of this saved game is not possible"},
      {"too long", zeros + std::string(14, '\0'), "more jumps than any game can have"},
  };
  const std::string path = (dir / "in.VORN").string();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewBoard(1);
    PlayJumps(2);
    platform.now += std::chrono::seconds(5);
    const Form1 before = f;
    platform.msgBoxes.clear();
    Restore(c.bytes);
    ASSERT_EQ(platform.msgBoxes.size(), 1u);
    EXPECT_EQ(platform.msgBoxes[0].title, "Error Restoring Game");
    // The file on the first line, then what is wrong with it.
    EXPECT_EQ(platform.msgBoxes[0].prompt.rfind(path + "\r\n", 0), 0u);
    EXPECT_NE(platform.msgBoxes[0].prompt.find(c.text), std::string::npos)
        << platform.msgBoxes[0].prompt;
    EXPECT_EQ(test::DifferenceInGame(before, f), "");
  }
  // No more is read than the longest game and the sign that there is more.
  EXPECT_EQ(platform.largestRead, 1025 * kPlayRecBytes);
}

TEST_F(SavedGame, FileErrorsNameTheFileAndLoseNothing) {
  PlayJumps(2);
  const Form1 before = f;
  const fs::path missing = dir / "missing.VORN";
  fs::create_directory(dir / "folder.VORN");
  std::vector<fs::path> unreadable = {missing, dir / "folder.VORN"};
#ifndef _WIN32  // Windows has no pipes among its files
  ASSERT_EQ(::mkfifo((dir / "pipe.VORN").c_str(), 0644), 0);
  unreadable.push_back(dir / "pipe.VORN");
#endif
  for (const fs::path& path : unreadable) {
    platform.fileChoices = {path.string()};
    RestoreGame(f, platform);
    ASSERT_FALSE(platform.msgBoxes.empty());
    EXPECT_EQ(platform.msgBoxes.back().prompt.rfind(path.string() + "\r\n", 0), 0u);
    EXPECT_EQ(test::DifferenceInGame(before, f), "");
  }
  EXPECT_FALSE(fs::exists(missing));  // restoring never creates a file

  const fs::path path = dir / "game.VORN";
  WriteBytes(path, "old contents");
  platform.msgBoxes.clear();
  platform.fileChoices = {path.string(), (dir / "no-such-folder" / "game.VORN").string(),
                          unreadable.back().string()};
  platform.failNextWrite = "No space left on device";
  for (int i = 0; i < 3; ++i) SaveGame(f, platform);
  EXPECT_EQ(ReadBytes(path), "old contents");
#ifndef _WIN32
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.VORN"));
#endif
  ASSERT_EQ(platform.msgBoxes.size(), 3u);
  EXPECT_EQ(platform.msgBoxes[0].prompt, path.string() + "\r\nNo space left on device");
  for (const auto& box : platform.msgBoxes) {
    EXPECT_TRUE(box.title == "Error Saving Game" && box.icon == MsgIcon::Critical);
  }
}

TEST_F(SavedGame, DialogsProposeTheLastNameAndCancelChangesNothing) {
  PlayJumps(2);
  Save();
  platform.fileChoices = {std::nullopt};
  const Form1 before = f;
  RestoreGame(f, platform);
  EXPECT_EQ(f.PlayCount, before.PlayCount);
  EXPECT_TRUE(platform.msgBoxes.empty());
  ASSERT_EQ(platform.fileDialogs.size(), 2u);
  const FileDialogRequest& open = platform.fileDialogs[1];
  EXPECT_EQ(open.proposedName, (dir / "game.VORN").string());
  EXPECT_EQ(open.filterPatterns[0], "*");  // every file, dotted or not
  EXPECT_EQ(open.defaultSuffix, "VORN");
}

TEST_F(SavedGame, AWonFileShowsTheWinWithNoTime) {
  // A won game of the 5-row board from the apex start, as (from, to) holes.
  const std::vector<std::pair<std::int16_t, std::int16_t>> win = {
      {3, 0},  {5, 3},  {0, 5}, {6, 1},  {9, 2},   {11, 3}, {1, 6},
      {10, 3}, {12, 4}, {2, 8}, {3, 11}, {13, 12}, {14, 11}};
  for (const auto& [from, to] : win) {
    const std::int16_t ball = *f.Image2[from].Tag;
    Image1_MouseDown(f, platform, ball, kLeftButton, 0, 200, 200);
    Image1_MouseUp(f, platform, ball, kLeftButton, 0, f.Image2[to].Left + 200 - f.Image1[ball].Left,
                   f.Image2[to].Top + 200 - f.Image1[ball].Top);
  }
  ASSERT_EQ(f.PlayCount, 13);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);  // the win, declined
  const std::string bytes = Save();
  platform.msgBoxes.clear();
  ResetGame(f, platform);
  platform.now += std::chrono::hours(30);
  Restore(bytes);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_NE(platform.msgBoxes[0].prompt.find("Your time was:0 Seconds"), std::string::npos);
}

TEST(StoredLevel, ReadsOnlyTheThreeLevels) {
  ScriptedPlatform platform;
  WriteStoredLevel(platform, 2);
  EXPECT_EQ(ReadStoredLevel(platform), 2);
  for (const char* bad : {"7", "x", "", "-1", "1 "}) {
    platform.settings["vorn/Settings/GLevel"] = bad;
    EXPECT_EQ(ReadStoredLevel(platform), 0) << bad;
  }
  platform.appName = "copy";  // another executable name keeps its own level
  EXPECT_EQ(ReadStoredLevel(platform), 0);
}

}  // namespace
}  // namespace vorn
