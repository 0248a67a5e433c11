#pragma once

#include <string>

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

inline const std::string kGameTitle = "VORN";

// The win message for a game that took the given number of seconds.
std::string WonPrompt(long long seconds);

// One ball left: tells the time taken and offers a new game. A game timed
// from a fresh board leaves its win in CountedWin for the best times.
void WonGame(Form1& f, Platform& platform);

// No jump left: offers a new game.
void LostGame(Form1& f, Platform& platform);

}  // namespace vorn
