#pragma once

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// Takes the last jump of the history back and keeps it for a redo.
void UndoPlay(Form1& f, Platform& platform);

// Makes the last undone jump again, through the rules like a carried ball's
// landing: it starts the clock of a new game and may win.
void RedoPlay(Form1& f, Platform& platform);

}  // namespace vorn
