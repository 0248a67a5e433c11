#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn::test {

// Restores a saved game made of arbitrary bytes over a game in progress (the
// first byte picks its level and how many jumps were made) and aborts if the
// board and its history then disagree in any way, or if a refused file
// changed anything of the game in progress.
void RestoreAnyBytes(const std::uint8_t* data, std::size_t size);

// Empty when two games are the same for the player (board, history, level,
// start, menu); otherwise what differs first.
std::string DifferenceInGame(const Form1& a, const Form1& b);

// Plays up to `count` jumps as a player would carry the balls: each time the
// first jump the rules offer.
void PlayFirstJumps(Form1& f, Platform& platform, int count);

}  // namespace vorn::test
