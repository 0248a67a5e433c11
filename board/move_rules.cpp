#include "board/move_rules.h"

#include <algorithm>

#include "board/end_of_game.h"
#include "board/move_targeting.h"

namespace vorn {

namespace {

bool Listed(const std::array<std::int16_t, kListSize>& list, std::int16_t count, std::int16_t ind) {
  const auto valid = std::clamp<std::int16_t>(count, 0, kListSize);
  return std::find(list.begin(), list.begin() + valid, ind) != list.begin() + valid;
}

}  // namespace

void CheckBlk(Form1& f, Platform& platform, std::optional<std::int16_t> chklst) {
  f.MoveList.fill(0);
  f.MoveCount = 0;
  int emptyCount = 0;
  for (Ball& ball : f.Image1) ball.MousePointer = PointerKind::Default;
  for (const Hole& hole : f.Image2) {
    if (hole.Index < f.LabelCount && !hole.Tag) {
      ++emptyCount;
      f.EmptyLabel = hole.Index;
      PosMove(f, hole.Index);
    }
  }
  const int ballsLeft = f.LabelCount - emptyCount;
  if (ballsLeft == 1) WonGame(f, platform);
  // A board with one ball left has been won, not lost, even when the player
  // declines a new game.
  if (!chklst && f.MoveCount == 0 && ballsLeft >= 2) LostGame(f, platform);
  EnableHint(f);
}

void EnableHint(Form1& f) {
  f.Menu.mnuHint.Enabled = f.MoveCount > 0 && !f.Dragging;
}

bool CheckValid(const Form1& f, std::int16_t ind) {
  return Listed(f.MoveList, f.MoveCount, ind);
}

void CheckDrop(Form1& f) {
  f.DropList.fill(0);
  f.DropCount = 0;
  const std::int16_t pick = f.PickLabel;
  PosDrop(f, pick);
}

bool CheckDroping(const Form1& f, std::int16_t ind) {
  return Listed(f.DropList, f.DropCount, ind);
}

bool StartingChoiceOpen(const Form1& f) {
  return f.NewGame && f.PlayCount == 0;
}

void FirstJumpStartsClock(Form1& f, Platform& platform) {
  if (!f.NewGame) return;
  f.StartTime = platform.Now();
  f.NewGame = false;
  f.Menu.mnuLevel.Enabled = false;
}

}  // namespace vorn
