#pragma once

#include <cstdint>

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// The keys that play on the board, whatever keyboard gives them.
enum class BoardKey {
  Left,
  Right,
  Up,
  Down,
  Next,         // the next ball that can jump, or the next landing hole
  Previous,     // the same, backwards
  Act,          // lift the ball under the ring, or jump the lifted one there
  ChooseStart,  // before the first jump: the ball under the ring leaves its hole
  PutBack,      // put a lifted ball down
};

// Acts on a board key. A hidden ring is first shown where it stands, and the
// key acts from there. While a ball is carried by the mouse, keys do nothing.
void BoardKeyDown(Form1& f, Platform& platform, BoardKey key);

// What a hole in play holds, as the player is told.
enum class HoleContent { Empty, Ball, Movable, Lifted, Landing };
HoleContent ContentOf(const Form1& f, std::int16_t hole);

}  // namespace vorn
