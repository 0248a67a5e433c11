#include "play/board_keys.h"

#include <algorithm>
#include <functional>

#include "board/hole_geometry.h"
#include "board/move_rules.h"
#include "play/ball_drag.h"
#include "play/ball_lift.h"

namespace vorn {

namespace {

// The neighbour of a hole along the rows, or the hole itself at the edge.
std::int16_t Step(const Form1& f, std::int16_t from, BoardKey key) {
  RowPlace at = RowPlaceOf(f, from);
  switch (key) {
    case BoardKey::Left:
      --at.place;
      break;
    case BoardKey::Right:
      ++at.place;
      break;
    case BoardKey::Down:
      ++at.row;
      break;
    default:  // Up
      --at.row;
      at.place = std::min(at.place, at.row);
      break;
  }
  const std::int16_t to = HoleAt(f, at);
  return to == kNoHole ? from : to;
}

// The next (or previous) hole after `from`, by hole number and wrapping,
// that `wanted` accepts; `from` itself when no other is.
std::int16_t Cycle(const Form1& f, int from, bool forward,
                   const std::function<bool(std::int16_t)>& wanted) {
  const int count = f.LabelCount;
  for (int step = 1; step <= count + 1; ++step) {
    const int hole = ((forward ? from + step : from - step) % count + count) % count;
    if (wanted(static_cast<std::int16_t>(hole))) return static_cast<std::int16_t>(hole);
  }
  return static_cast<std::int16_t>(std::clamp(from, 0, count - 1));
}

bool CanJump(const Form1& f, std::int16_t hole) {
  return f.Image2[hole].Tag && CheckValid(f, hole);
}

}  // namespace

void BoardKeyDown(Form1& f, Platform& platform, BoardKey key) {
  if (f.Dragging || f.LabelCount <= 0) return;
  if (f.RingHole < 0 || f.RingHole >= f.LabelCount) f.RingHole = 0;
  f.RingShown = true;
  const std::int16_t ring = f.RingHole;
  switch (key) {
    case BoardKey::Left:
    case BoardKey::Right:
    case BoardKey::Up:
    case BoardKey::Down:
      f.RingHole = Step(f, ring, key);
      break;
    case BoardKey::Next:
    case BoardKey::Previous: {
      const bool forward = key == BoardKey::Next;
      if (!f.Lifted) {
        f.RingHole = Cycle(f, ring, forward, [&f](std::int16_t h) { return CanJump(f, h); });
        break;
      }
      // Over the landing holes only, from the lowest (or highest) on.
      auto landing = [&f](std::int16_t h) { return CheckDroping(f, h); };
      const int from = landing(ring) ? ring : (forward ? -1 : f.LabelCount);
      f.RingHole = Cycle(f, from, forward, landing);
      break;
    }
    case BoardKey::Act:
      if (f.Lifted) {
        JumpLiftedBall(f, platform, ring);
      } else {
        LiftBall(f, ring);
      }
      break;
    case BoardKey::ChooseStart:
      if (!StartingChoiceOpen(f) || !f.Image2[ring].Tag) break;
      PutLiftedBallBack(f);
      ChooseStartingHole(f, platform, *f.Image2[ring].Tag, ring);
      break;
    case BoardKey::PutBack:
      // The ring goes back with the ball, to where the player took it from.
      if (f.Lifted) f.RingHole = f.PickLabel;
      PutLiftedBallBack(f);
      break;
  }
}

HoleContent ContentOf(const Form1& f, std::int16_t hole) {
  if (f.Lifted && hole == f.PickLabel) return HoleContent::Lifted;
  if (!f.Image2[hole].Tag) {
    return f.Lifted && CheckDroping(f, hole) ? HoleContent::Landing : HoleContent::Empty;
  }
  return CanJump(f, hole) ? HoleContent::Movable : HoleContent::Ball;
}

}  // namespace vorn
