#pragma once

#include <cstdint>
#include <optional>

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// Play without carrying: a ball is lifted in its hole, by a key or a click,
// and then jumps to the hole chosen next, through the same rules as a ball
// carried and let go there.

// Lifts the ball in hole h if it can jump. Returns whether it did.
bool LiftBall(Form1& f, std::int16_t h);

// The lifted ball, if any.
std::optional<std::int16_t> LiftedBall(const Form1& f);

// Puts a lifted ball down in its hole; nothing else changes.
void PutLiftedBallBack(Form1& f);

// Jumps the lifted ball to hole t if it may land there, else puts it back.
// Returns whether it jumped.
bool JumpLiftedBall(Form1& f, Platform& platform, std::int16_t t);

}  // namespace vorn
