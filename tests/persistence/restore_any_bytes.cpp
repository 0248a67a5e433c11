#include "persistence/restore_any_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/board_layout.h"
#include "persistence/replay.h"
#include "persistence/saved_game.h"
#include "platform/scripted_platform.h"

namespace vorn::test {

namespace {

class InMemoryFile : public ScriptedPlatform {
 public:
  explicit InMemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
  FileError ReadWholeFile(const std::string&, std::string& bytes) override {
    bytes = bytes_;
    return std::nullopt;
  }

 private:
  std::string bytes_;
};

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "board and history disagree: %s\n", what);
  std::abort();
}

void RequireConsistent(const Form1& f) {
  Require(f.GameLevel >= 0 && f.GameLevel <= 2, "level");
  Require(f.PlayCount >= 0 && f.PlayCount < f.LabelCount, "history length");
  Require(f.Menu.mnuUndo.Enabled == (f.PlayCount > 0), "undo item");
  Require(!f.Menu.mnuSave.Enabled && f.NewGame && !f.StartTime, "a restored game has not begun");
  int named[kElementCount] = {};
  int balls = 0;
  for (const Hole& hole : f.Image2) {
    if (!hole.Tag) continue;
    Require(hole.Index < f.LabelCount, "ball outside the board");
    Require(*hole.Tag >= 0 && *hole.Tag < kElementCount, "ball number");
    const Ball& ball = f.Image1[*hole.Tag];
    Require(ball.Visible && ball.Left == hole.Left && ball.Top == hole.Top, "ball away from hole");
    ++named[*hole.Tag];
    ++balls;
  }
  for (const Ball& ball : f.Image1) Require(named[ball.Index] == (ball.Visible ? 1 : 0), "ball");
  Require(balls == f.LabelCount - 1 - f.PlayCount, "one ball less per jump");

  Form1 replayed;
  replayed.GameLevel = f.GameLevel;
  SetBalls(replayed);
  const std::vector<PlayRec> history(f.PlayList.begin(), f.PlayList.begin() + f.PlayCount);
  Require(ReplayJumps(replayed, history).fault == ReplayFault::None, "history replays");
  for (int i = 0; i < kElementCount; ++i) {
    Require(replayed.Image2[i].Tag == f.Image2[i].Tag, "history gives the board");
  }
}

}  // namespace

void RestoreAnyBytes(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  InMemoryFile platform(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  Form1 f;
  f.GameLevel = static_cast<std::int16_t>(data[0] % 3);
  ResetGame(f, platform);
  platform.fileChoices = {"saved.VORN"};
  RestoreGame(f, platform);
  RequireConsistent(f);
}

}  // namespace vorn::test
