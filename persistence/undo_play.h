#pragma once

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// Takes the last jump of the history back.
void UndoPlay(Form1& f, Platform& platform);

}  // namespace vorn
