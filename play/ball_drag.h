#pragma once

#include <cstdint>

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// Mouse buttons as the ball events report them; a move reports their sum.
constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;

// The mouse events of ball b. X and Y are twips relative to the ball's
// top-left corner.
void Image1_MouseDown(Form1& f, Platform& platform, std::int16_t b, int Button, int Shift, float X,
                      float Y);
void Image1_MouseMove(Form1& f, Platform& platform, std::int16_t b, int Button, int Shift, float X,
                      float Y);
void Image1_MouseUp(Form1& f, Platform& platform, std::int16_t b, int Button, int Shift, float X,
                    float Y);

// Lands ball b, taken from hole EmptyLabel, in hole t, a listed landing
// hole: the jump is made and recorded, a first jump starts the clock, and
// the board is surveyed, which may end the game.
void LandBall(Form1& f, Platform& platform, std::int16_t b, std::int16_t t);

// Before the first jump: ball b leaves its hole h for the empty hole, and h
// becomes the empty one. Nothing is recorded and the clock does not start.
void ChooseStartingHole(Form1& f, Platform& platform, std::int16_t b, std::int16_t h);

// Puts a carried ball back in its hole and ends the carry, so that nothing
// else changes the board under it. Does nothing when no ball is carried.
void CancelCarry(Form1& f);

// The ball being carried, if any.
std::optional<std::int16_t> CarriedBall(const Form1& f);

}  // namespace vorn
