#include "persistence/saved_game.h"

#include <string>

#include "board/board_layout.h"
#include "board/move_rules.h"
#include "persistence/replay.h"
#include "persistence/saved_game_file.h"

namespace vorn {

namespace {

const std::string kSaveErrorTitle = "Error Saving Game";
const std::string kRestoreErrorTitle = "Error Restoring Game";

// Enough of a file to hold the longest game and show there is more: a file of
// more whole records than a game can hold is refused, without reading the rest.
constexpr std::size_t kLongestReadBytes = kPlayListSize * kPlayRecBytes;

// The file first, then what went wrong with it.
std::string NamingTheFile(const std::string& name, const std::string& reason) {
  return name + "\r\n" + reason;
}

std::optional<std::string> ChooseFile(Form1& f, Platform& platform, FileDialogRequest::Kind kind) {
  FileDialogRequest request;
  request.kind = kind;
  request.proposedName = f.CommonDialog1.FileName;
  request.filters = {"All Files (*.*)", "VORN Game Files(*.VORN)"};
  request.filterPatterns = {"*", "*.VORN *.vorn"};
  request.selectedFilter = 1;
  request.defaultSuffix = "VORN";
  auto name = platform.ShowFileDialog(request);
  if (!name || name->empty()) return std::nullopt;
  f.CommonDialog1.FileName = *name;
  return name;
}

std::string ReplayFaultText(const ReplayOutcome& outcome) {
  const std::string jump = "Jump " + std::to_string(outcome.faultyJump + 1) + " of this saved game";
  switch (outcome.fault) {
    case ReplayFault::Malformed:
      return jump + " is damaged: it names a hole or ball that does not exist.";
    case ReplayFault::TooManyJumps:
      return "This saved game has more jumps than any game can have.";
    case ReplayFault::Impossible:
    case ReplayFault::None:
      break;
  }
  return jump + " is not possible on the board.";
}

}  // namespace

void SaveGame(Form1& f, Platform& platform) {
  const auto name = ChooseFile(f, platform, FileDialogRequest::Kind::Save);
  if (!name) return;
  const std::string bytes =
      EncodePlayRecords(f.PlayList.data(), static_cast<std::size_t>(std::max(f.PlayCount, 0)));
  if (const FileError error = platform.WriteFileAtomically(*name, bytes)) {
    platform.MsgBox(NamingTheFile(*name, *error), MsgButtons::OK, MsgIcon::Critical,
                    kSaveErrorTitle);
  }
}

void RestoreGame(Form1& f, Platform& platform) {
  const auto name = ChooseFile(f, platform, FileDialogRequest::Kind::Open);
  if (!name) return;
  // Nothing of the current game changes until the whole file is known to
  // replay: a file that cannot be read, is too long or does not replay on any
  // level leaves the game as it was.
  std::string bytes;
  if (const FileError error = platform.ReadFileUpTo(*name, kLongestReadBytes, bytes)) {
    platform.MsgBox(NamingTheFile(*name, *error), MsgButtons::OK, MsgIcon::Critical,
                    kRestoreErrorTitle);
    return;
  }
  const std::vector<PlayRec> records = DecodePlayRecords(bytes);
  const LevelChoice choice = FindReplayLevel(f, records);
  if (!choice.level) {
    platform.MsgBox(NamingTheFile(*name, ReplayFaultText(choice.furthest)), MsgButtons::OK,
                    MsgIcon::Critical, kRestoreErrorTitle);
    return;
  }
  f.GameLevel = *choice.level;
  CheckLevelItem(f);
  ResetGame(f, platform);
  // The time a restored game has taken is not known: its win does not count.
  f.FreshBoard = false;
  ReplayJumps(f, records, [&platform] { platform.DoEvents(); });
  // The restored game has not started: Save waits for a jump of its own.
  f.Menu.mnuSave.Enabled = false;
  f.Menu.mnuUndo.Enabled = f.PlayCount > 0;
  CheckBlk(f, platform);
}

}  // namespace vorn
