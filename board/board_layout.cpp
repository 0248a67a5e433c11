#include "board/board_layout.h"

#include "board/board_geometry.h"
#include "board/move_rules.h"

namespace vorn {

namespace {

struct LevelShape {
  std::int16_t rowCount, labelCount;
};

constexpr LevelShape kLevels[] = {{5, 15}, {6, 21}, {7, 28}};

float StepTowardsLine(float slope, float rowPitch, float x) {
  return static_cast<float>((static_cast<double>(slope) * x - rowPitch) / slope);
}

}  // namespace

void SetBalls(Form1& f) {
  if (f.GameLevel >= 0 && f.GameLevel <= 2) {
    f.RowCount = kLevels[f.GameLevel].rowCount;
    f.LabelCount = kLevels[f.GameLevel].labelCount;
  } else if (f.RowCount == 0) {
    // No earlier layout to keep: fall back to the smallest board.
    f.RowCount = kLevels[0].rowCount;
    f.LabelCount = kLevels[0].labelCount;
  }

  const LineElement& left = kLine2;
  const LineElement& right = kLine1;
  const double w = f.Image2[0].Width;
  const double h = f.Image2[0].Height;

  // The corrections of 200 and 150 twips keep the outer holes clear of the
  // bevelled edges; they also make right and left steps differ in width.
  const float slopeA =
      static_cast<float>((double{left.Y2} - left.Y1) / ((double{left.X2} - left.X1) + 200));
  const float slopeB =
      static_cast<float>((double{right.Y2} - right.Y1) / ((double{right.X2} - right.X1) + 150));
  const float rowGap =
      static_cast<float>(((double{left.Y2} - left.Y1) - (f.RowCount + 0.2) * h) / f.RowCount - 1);
  f.RowPitch = static_cast<float>(h + rowGap);

  const float left0 = static_cast<float>(left.X1 - w / 2);
  const float top0 = static_cast<float>(h / 2 + left.Y1);
  auto stepA = [&](float x) { return StepTowardsLine(slopeA, f.RowPitch, x); };
  auto stepB = [&](float x) { return StepTowardsLine(slopeB, f.RowPitch, x); };

  auto& pos = f.LabelPos;
  pos[0].Left = left0;
  pos[1].Left = stepA(pos[0].Left);
  pos[2].Left = stepB(pos[0].Left);
  pos[3].Left = stepA(pos[1].Left);
  pos[4].Left = left0;
  pos[5].Left = stepB(pos[2].Left);
  pos[6].Left = stepA(pos[3].Left);
  pos[7].Left = pos[2].Left;
  pos[8].Left = pos[1].Left;
  pos[9].Left = stepB(pos[5].Left);
  pos[10].Left = stepA(pos[6].Left);
  pos[11].Left = left0;
  pos[12].Left = pos[5].Left;
  pos[13].Left = pos[3].Left;
  pos[14].Left = stepB(pos[9].Left);
  pos[15].Left = stepA(pos[10].Left);
  pos[16].Left = pos[6].Left;
  pos[17].Left = pos[1].Left;
  pos[18].Left = pos[2].Left;
  pos[19].Left = pos[9].Left;
  pos[20].Left = stepB(pos[14].Left);
  pos[21].Left = stepA(pos[15].Left);
  pos[22].Left = pos[10].Left;
  pos[23].Left = left0;
  pos[24].Left = pos[5].Left;
  pos[25].Left = pos[3].Left;
  pos[26].Left = pos[14].Left;
  pos[27].Left = stepB(pos[20].Left);

  float rowTop = top0;
  for (int row = 0; row < kMaxRows; ++row) {
    if (row > 0) rowTop = static_cast<float>(double{rowTop} + f.RowPitch);
    for (int i = kRowFirstHole[row]; i <= kRowFirstHole[row] + row; ++i) pos[i].Top = rowTop;
  }

  // A new board: nothing is lifted, and the keys start again from the apex.
  f.Lifted = false;
  f.RingHole = 0;
  f.RingShown = false;

  f.DiagJumpDX = static_cast<float>(double{pos[1].Left} - pos[2].Left);
  f.RowJumpDX = static_cast<float>(double{pos[3].Left} - pos[5].Left);

  for (Ball& ball : f.Image1) {
    ball.MouseIcon = true;
    ball.MousePointer = PointerKind::Default;
    ball.Visible = false;
  }
  for (Hole& hole : f.Image2) {
    if (hole.Index < f.LabelCount) {
      hole.Visible = true;
      hole.Left = pos[hole.Index].Left;
      hole.Top = pos[hole.Index].Top;
    } else {
      hole.Visible = false;  // stays where it stood: hidden holes are still hit-tested
    }
  }
  for (Hole& hole : f.Image2) {
    if (hole.Index >= 1 && hole.Index < f.LabelCount) {
      Ball& ball = f.Image1[hole.Index];
      ball.Visible = true;
      ball.DragMode = 0;
      ball.Left = hole.Left;
      ball.Top = hole.Top;
      hole.Tag = ball.Index;
    } else {
      hole.Tag.reset();
    }
  }
}

void ResetGame(Form1& f, Platform& platform) {
  SetBalls(f);
  f.NewGame = true;
  f.StartTime.reset();
  f.FreshBoard = true;
  f.Menu.mnuLevel.Enabled = true;
  f.PlayCount = 0;
  ForgetRedo(f);
  f.Menu.mnuUndo.Enabled = false;
  f.Menu.mnuSave.Enabled = false;
  CheckBlk(f, platform);
}

}  // namespace vorn
