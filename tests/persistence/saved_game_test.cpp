// Saved games written and restored, whatever the file holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "board/board_layout.h"
#include "persistence/restore_any_bytes.h"
#include "persistence/saved_game.h"
#include "persistence/saved_game_file.h"
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
  void PlayJumps(int count) { test::PlayFirstJumps(f, platform, count); }
  std::string Save() {
    platform.fileChoices = {(dir / "game.VORN").string()};
    SaveGame(f, platform);
    return ReadBytes(dir / "game.VORN");
  }
  void Restore(const fs::path& path, const std::string& bytes = "") {
    if (!bytes.empty()) std::ofstream(path, std::ios::binary) << bytes;
    platform.fileChoices = {path.string()};
    RestoreGame(f, platform);
  }

  fs::path dir;
  Form1 f;
  ScriptedPlatform platform;
};

// A game of the 7-row board started from hole 21, saved by the Linux build:
// every build plays it to the same bytes and restores it over a 5-row game.
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
  Restore(linuxFile);
  EXPECT_TRUE(f.GameLevel == 2 && f.LabelCount == 28 && f.Menu.mnuLevel3.Checked &&
              !f.Menu.mnuLevel1.Checked);
  ASSERT_EQ(f.PlayCount, 12);
  for (int i = 0; i < kElementCount; ++i) EXPECT_EQ(f.Image2[i].Tag, played.Image2[i].Tag) << i;
  EXPECT_FALSE(f.Menu.mnuSave.Enabled);  // the restored game has not begun
  UndoPlay(f, platform);                 // takes back the last jump read from the file
  EXPECT_EQ(test::Inconsistency(f), "");
  // Only the jumps still made are saved over the longer file.
  EXPECT_EQ(Save(), written.substr(0, 11 * kPlayRecBytes));

  const std::string piece = written.substr(0, 2 * kPlayRecBytes + 13);
  Restore(dir / "in.VORN", piece);  // a piece shorter than a record is ignored
  EXPECT_EQ(f.PlayCount, 2);
  EXPECT_TRUE(platform.msgBoxes.empty());
}

TEST_F(SavedGame, RefusedFilesLeaveTheGameAsItWasAndSayWhy) {
  PlayJumps(3);
  std::vector<PlayRec> badHole(f.PlayList.begin(), f.PlayList.begin() + 3);
  std::vector<PlayRec> wrongMiddle = badHole;
  badHole[2].OverLabel = 28;
  wrongMiddle[1].OverLabel = wrongMiddle[1].FromLabel;
  const std::string zeros(1024 * kPlayRecBytes, '\0');  // the most a game holds, jump 1 impossible
  fs::create_directory(dir / "folder.VORN");
  const std::tuple<const char*, std::string, std::string> cases[] = {
      {"in.VORN", EncodePlayRecords(badHole.data(), 3), "Jump 3 of this saved game is damaged"},
      {"in.VORN", EncodePlayRecords(wrongMiddle.data(), 3), "Jump 2 of this saved game is not"},
      {"in.VORN", zeros + std::string(13, '\0'), "Jump 1 of this saved game is not possible"},
      {"in.VORN", zeros + std::string(14, '\0'), "more jumps than any game can have"},
      {"missing.VORN", "", "No such file"},
      {"folder.VORN", "", "Not a regular file"},
  };
  for (const auto& [name, bytes, text] : cases) {
    NewBoard(1);
    PlayJumps(2);
    const Form1 before = f;
    platform.msgBoxes.clear();
    Restore(dir / name, bytes);
    ASSERT_EQ(platform.msgBoxes.size(), 1u) << text;
    const std::string& prompt = platform.msgBoxes[0].prompt;
    EXPECT_EQ(platform.msgBoxes[0].title, "Error Restoring Game");
    EXPECT_EQ(prompt.rfind((dir / name).string() + "\r\n", 0), 0u) << prompt;  // the file first
    EXPECT_NE(prompt.find(text), std::string::npos) << prompt;
    EXPECT_EQ(test::DifferenceInGame(before, f), "") << text;
  }
  EXPECT_FALSE(fs::exists(dir / "missing.VORN"));  // restoring never creates a file
  // No more is read than the longest game and the sign that there is more.
  EXPECT_EQ(platform.largestRead, 1025 * kPlayRecBytes);
}

TEST_F(SavedGame, AFailedSaveNamesTheFileAndTheDialogProposesTheLastName) {
  Restore(dir / "missing.VORN");
  platform.msgBoxes.clear();
  platform.failNextWrite = "No space left on device";
  Save();
  EXPECT_EQ(platform.fileDialogs.back().proposedName, (dir / "missing.VORN").string());
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt,
            (dir / "game.VORN").string() + "\r\nNo space left on device");
  EXPECT_TRUE(platform.msgBoxes[0].title == "Error Saving Game" &&
              platform.msgBoxes[0].icon == MsgIcon::Critical);
}

// The fuzz check on a fixed set of inputs: random bytes, and random runs of
// records whose fields are all small indices, which come close to real games.
TEST(RestoreAnyBytes, KeepsBoardAndHistoryInAgreement) {
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> bytes(1 + random() % 200);
    if (round % 2 == 0) {
      for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    } else {
      std::vector<PlayRec> records(random() % 14);
      for (auto& r : records) {
        r = PlayRec{
            static_cast<std::int16_t>(random() % 15), static_cast<std::int32_t>(random() % 15),
            static_cast<std::int16_t>(random() % 15), static_cast<std::int32_t>(random() % 15),
            static_cast<std::int16_t>(random() % 15)};
      }
      const std::string encoded = EncodePlayRecords(records.data(), records.size());
      bytes.assign(1, static_cast<std::uint8_t>(random()));
      bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    vorn::test::RestoreAnyBytes(bytes.data(), bytes.size());
  }
}

}  // namespace
}  // namespace vorn
