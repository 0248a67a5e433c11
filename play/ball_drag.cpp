#include "play/ball_drag.h"

#include "board/eat_label.h"
#include "board/hole_geometry.h"
#include "board/move_rules.h"

namespace vorn {

namespace {

bool IsEmptyHoleInPlay(const Form1& f, std::int16_t hole) {
  return hole >= 0 && hole < f.LabelCount && !f.Image2[hole].Tag;
}

// The hole a start-of-game choice moves a ball into. EmptyLabel also names the
// hole of the last ball picked up, so it may point at a full hole after a
// drop that was refused; then the highest empty hole in play is meant.
std::optional<std::int16_t> StartingChoiceTarget(const Form1& f) {
  if (IsEmptyHoleInPlay(f, f.EmptyLabel)) return f.EmptyLabel;
  for (std::int16_t hole = f.LabelCount - 1; hole >= 0; --hole) {
    if (IsEmptyHoleInPlay(f, hole)) return hole;
  }
  return std::nullopt;
}

}  // namespace

void ChooseStartingHole(Form1& f, Platform& platform, std::int16_t b, std::int16_t h) {
  // Only the ball's own hole may be emptied: a point on a ball's outer edge
  // can lie in another (hidden) hole.
  if (f.Image2[h].Tag != b) return;
  const auto target = StartingChoiceTarget(f);
  if (!target) return;
  f.EmptyLabel = *target;
  MoveBallToHole(f, b, f.EmptyLabel);
  f.Image2[f.EmptyLabel].Tag = b;
  f.Image2[h].Tag.reset();
  ForgetRedo(f);
  CheckBlk(f, platform);
}

void LandBall(Form1& f, Platform& platform, std::int16_t b, std::int16_t t) {
  MoveBallToHole(f, b, t);
  f.Image2[t].Tag = b;
  EatLabel(f, f.EmptyLabel, t);
  f.Image2[f.EmptyLabel].Tag.reset();
  ForgetRedo(f);
  FirstJumpStartsClock(f, platform);
  // The ball is down before the survey, which may show the end of the game.
  f.Dragging = false;
  f.Lifted = false;
  CheckBlk(f, platform);
}

void Image1_MouseDown(Form1& f, Platform& platform, std::int16_t b, int Button, int /*Shift*/,
                      float X, float Y) {
  const Ball& ball = f.Image1[b];
  const std::int16_t h = Whatlabel(f, ball.Left + X, ball.Top + Y);
  if (h == kNoHole) return;
  if (Button == kLeftButton) {
    if (f.Dragging || !CheckValid(f, h) || !f.Image2[h].Tag) return;
    f.PickLabel = h;
    f.EmptyLabel = h;
    f.GrabX = X;
    f.GrabY = Y;
    f.Dragging = true;
    f.Lifted = false;  // a ball picked up by the mouse puts any lifted one down
    EnableHint(f);
    CheckDrop(f);
    return;
  }
  // A second button during a carry must not change the board under the ball.
  if (!StartingChoiceOpen(f) || f.Dragging) return;
  ChooseStartingHole(f, platform, b, h);
}

void Image1_MouseMove(Form1& f, Platform& platform, std::int16_t b, int Button, int /*Shift*/,
                      float X, float Y) {
  if (Button != kLeftButton || !f.Dragging) return;
  Ball& ball = f.Image1[b];
  ball.Left = static_cast<float>(double{ball.Left} - f.GrabX + X);
  ball.Top = static_cast<float>(double{ball.Top} - f.GrabY + Y);
  platform.DoEvents();
}

void Image1_MouseUp(Form1& f, Platform& platform, std::int16_t b, int /*Button*/, int /*Shift*/,
                    float X, float Y) {
  if (!f.Dragging) return;
  const Ball& ball = f.Image1[b];
  const std::int16_t t = Whatlabel(f, ball.Left + X, ball.Top + Y);
  if (t == kNoHole || !CheckDroping(f, t)) {
    MoveBallToHole(f, b, f.EmptyLabel);
    f.Dragging = false;
    EnableHint(f);
    return;
  }
  LandBall(f, platform, b, t);
}

std::optional<std::int16_t> CarriedBall(const Form1& f) {
  if (!f.Dragging || f.EmptyLabel < 0 || f.EmptyLabel >= kElementCount) return std::nullopt;
  return f.Image2[f.EmptyLabel].Tag;
}

void CancelCarry(Form1& f) {
  if (const auto b = CarriedBall(f)) MoveBallToHole(f, *b, f.EmptyLabel);
  f.Dragging = false;
  EnableHint(f);
}

}  // namespace vorn
