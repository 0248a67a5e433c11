#pragma once

#include <cstdint>
#include <vector>

#include "board/form1.h"
#include "solver/solver_jump.h"

namespace vorn {

// Every jump the board as laid out allows, found with the rules' own probes
// and middle-hole test from every hole in play, so that hints always agree
// with what the player may do.
std::vector<SolverJump> JumpTable(const Form1& f);

// The holes in play that hold a ball, as a bit set.
std::uint32_t OccupiedHoles(const Form1& f);

}  // namespace vorn
