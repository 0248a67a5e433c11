#include "persistence/restore_any_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/board_layout.h"
#include "persistence/saved_game.h"
#include "platform/scripted_platform.h"
#include "play/ball_drag.h"
#include "support/board_checks.h"

namespace vorn::test {

namespace {

class InMemoryFile : public ScriptedPlatform {
 public:
  explicit InMemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
  FileError ReadFileUpTo(const std::string&, std::size_t maxBytes, std::string& bytes) override {
    bytes = bytes_.substr(0, maxBytes);
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
  int balls = 0;
  for (const Hole& hole : f.Image2) balls += hole.Tag.has_value();
  Require(balls == f.LabelCount - 1 - f.PlayCount, "one ball less per jump");
  const std::string inconsistency = Inconsistency(f, true);
  Require(inconsistency.empty(), inconsistency.c_str());
}

}  // namespace

std::string DifferenceInGame(const Form1& a, const Form1& b) {
  auto sameMenu = [](const PopUpMenu& x, const PopUpMenu& y) {
    const MenuItem PopUpMenu::*items[] = {
        &PopUpMenu::mnuUndo,   &PopUpMenu::mnuHint,  &PopUpMenu::mnuRestore, &PopUpMenu::mnuSave,
        &PopUpMenu::mnuReset,  &PopUpMenu::mnuLevel, &PopUpMenu::mnuLevel1,  &PopUpMenu::mnuLevel2,
        &PopUpMenu::mnuLevel3, &PopUpMenu::mnuHelp,  &PopUpMenu::mnuInst,    &PopUpMenu::mnuAbout,
        &PopUpMenu::mnuExit};
    for (auto item : items) {
      const MenuItem &p = x.*item, &q = y.*item;
      if (p.Enabled != q.Enabled || p.Checked != q.Checked || p.Visible != q.Visible) return false;
    }
    return true;
  };
  for (int i = 0; i < kElementCount; ++i) {
    const Ball &p = a.Image1[i], &q = b.Image1[i];
    if (p.Left != q.Left || p.Top != q.Top || p.Visible != q.Visible ||
        p.MousePointer != q.MousePointer || p.MouseIcon != q.MouseIcon) {
      return "ball " + std::to_string(i);
    }
    if (a.Image2[i].Tag != b.Image2[i].Tag || a.Image2[i].Visible != b.Image2[i].Visible) {
      return "hole " + std::to_string(i);
    }
  }
  if (a.GameLevel != b.GameLevel || a.LabelCount != b.LabelCount) return "level";
  if (a.PlayCount != b.PlayCount || a.PlayList != b.PlayList) return "history";
  if (a.MoveCount != b.MoveCount || a.MoveList != b.MoveList) return "balls that can jump";
  if (a.NewGame != b.NewGame || a.StartTime != b.StartTime) return "start of the game";
  if (!sameMenu(a.Menu, b.Menu)) return "menu";
  return {};
}

void PlayFirstJumps(Form1& f, Platform& platform, int count) {
  for (int jump = 0; jump < count && f.MoveCount > 0; ++jump) {
    const std::int16_t ball = *f.Image2[f.MoveList[f.MoveCount - 1]].Tag;
    Image1_MouseDown(f, platform, ball, kLeftButton, 0, 200, 200);
    const Hole& to = f.Image2[f.DropList[0]];
    Image1_MouseUp(f, platform, ball, kLeftButton, 0, to.Left + 200 - f.Image1[ball].Left,
                   to.Top + 200 - f.Image1[ball].Top);
  }
}

void RestoreAnyBytes(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  InMemoryFile platform(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  Form1 f;
  f.GameLevel = static_cast<std::int16_t>(data[0] % 3);
  ResetGame(f, platform);
  // A game in progress of up to three jumps, which a refused file must leave alone.
  PlayFirstJumps(f, platform, data[0] / 3 % 4);
  const Form1 before = f;
  platform.msgBoxes.clear();
  platform.fileChoices = {"saved.VORN"};
  RestoreGame(f, platform);
  if (!platform.msgBoxes.empty() && platform.msgBoxes.front().title == "Error Restoring Game") {
    const std::string difference = DifferenceInGame(before, f);
    Require(difference.empty(), ("a refused file changed the game: " + difference).c_str());
    return;
  }
  RequireConsistent(f);
}

}  // namespace vorn::test
