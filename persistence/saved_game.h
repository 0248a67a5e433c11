#pragma once

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// Writes the jumps of the current game to a file the player chooses; a
// failure names the file and why, and leaves the old file as it was.
void SaveGame(Form1& f, Platform& platform);

// Replaces the current game with one read from a file the player chooses. A
// file that cannot be read, is damaged, too long or impossible on every level
// is refused with a message naming it, and the current game stays as it was.
void RestoreGame(Form1& f, Platform& platform);

}  // namespace vorn
