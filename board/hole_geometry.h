#pragma once

#include <cstdint>
#include <optional>

#include "board/form1.h"

namespace vorn {

// The lowest-indexed hole, shown or hidden, whose open rectangle holds the
// point; kNoHole when there is none. Edges belong to no hole.
std::int16_t Whatlabel(const Form1& f, float X, float Y);

// The hole at the midpoint of the centres of two holes: the hole a jump
// between them passes over. Empty when the midpoint is in no hole.
std::optional<std::int16_t> BetweenLabel(const Form1& f, std::int16_t CirFrom, std::int16_t Cirto);

}  // namespace vorn
