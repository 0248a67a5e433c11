#pragma once

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// Lays out the board of GameLevel from the border lines and the hole size and
// puts it into its starting state: every hole in play full but the apex.
void SetBalls(Form1& f);

// Starts a new game at the current level.
void ResetGame(Form1& f, Platform& platform);

}  // namespace vorn
