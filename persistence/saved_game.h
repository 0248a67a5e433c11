#pragma once

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// Writes the jumps of the current game to a file the player chooses.
void SaveGame(Form1& f, Platform& platform);

// Replaces the current game with one read from a file the player chooses.
void RestoreGame(Form1& f, Platform& platform);

}  // namespace vorn
