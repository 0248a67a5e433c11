#pragma once

#include <array>
#include <cstdint>

#include "board/form1.h"

namespace vorn {

// The holes two steps from hole blk in the six directions, in probe order:
// both ways along both diagonals, then both ways along the row; kNoHole
// where a probe leaves the board.
std::array<std::int16_t, 6> ProbedHoles(const Form1& f, std::int16_t blk);

// Lists in MoveList the holes of the balls that can jump into the empty hole
// blk and gives those balls the custom pointer. Always returns 0.
std::int16_t PosMove(Form1& f, std::int16_t blk);

// Lists in DropList the empty holes the ball in hole blk can jump to.
// Always returns 0.
std::int16_t PosDrop(Form1& f, std::int16_t blk);

}  // namespace vorn
