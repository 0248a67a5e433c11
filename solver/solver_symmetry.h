#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/solver_jump.h"

namespace vorn {

// image[hole] is where the permutation sends `hole`.
using HolePermutation = std::vector<int>;

// The search carries a position's image under every symmetry in a fixed row of this many lanes.
// Eight covers the triangle's six and the square's eight; a board with more keeps the first
// eight found, which costs only some sharing of cache entries between mirror images.
inline constexpr std::size_t kMaxSymmetries = 8;

// The permutations of the holes that map the set of jump triples onto itself, identity first,
// found by backtracking over the image of each hole. Holes no jump touches are left in place.
// Stops after kMaxSymmetries. Every jump must name holes in [0, holeCount).
std::vector<HolePermutation> FindBoardSymmetries(int holeCount,
                                                 const std::vector<SolverJump>& jumps);

// The symmetries as maps of positions, identity first.
class PositionSymmetries {
 public:
  // Adds the identity if `symmetries` lacks it.
  PositionSymmetries(int holeCount, std::vector<HolePermutation> symmetries);

  std::size_t count() const { return images_.size(); }

  // Where symmetry `s` sends the balls of `position`.
  std::uint32_t Apply(std::size_t s, std::uint32_t position) const;

 private:
  std::vector<HolePermutation> images_;
};

}  // namespace vorn
