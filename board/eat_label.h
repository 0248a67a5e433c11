#pragma once

#include <cstdint>

#include "board/form1.h"

namespace vorn {

// Completes a jump from hole lblFrom to hole lblto: records it in the
// history, removes the jumped-over ball and enables Undo and Save Game. The
// caller has already put the ball in lblto and empties lblFrom afterwards.
void EatLabel(Form1& f, std::int16_t lblFrom, std::int16_t lblto);

}  // namespace vorn
