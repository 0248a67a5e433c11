#pragma once

#include <vector>

#include "board/board_layout.h"

namespace vorn::test {

// A board of `level` in its starting state, laid out after `earlierLevel`
// when given, so that unused holes stand where that board left them.
inline Form1 LaidOut(int level, int earlierLevel = -1) {
  Form1 f;
  for (int l : {earlierLevel, level}) {
    if (l < 0) continue;
    f.GameLevel = static_cast<std::int16_t>(l);
    SetBalls(f);
  }
  return f;
}

// A game under way with balls, numbered like their holes, only in `full`.
inline Form1 BoardWith(const std::vector<std::int16_t>& full, int level = 0) {
  Form1 f = LaidOut(level);
  for (Hole& hole : f.Image2) hole.Tag.reset();
  for (Ball& ball : f.Image1) ball.Visible = false;
  for (std::int16_t hole : full) {
    f.Image2[hole].Tag = hole;
    f.Image1[hole].Visible = true;
    f.Image1[hole].Left = f.Image2[hole].Left;
    f.Image1[hole].Top = f.Image2[hole].Top;
  }
  f.NewGame = false;
  return f;
}

}  // namespace vorn::test
