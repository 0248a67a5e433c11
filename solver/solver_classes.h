#pragma once

#include <cstdint>
#include <vector>

#include "solver/solver_jump.h"

namespace vorn {

// Position classes: a jump flips exactly three holes, so any set of holes that meets every jump
// in an even number of holes keeps the parity of its ball count forever. The class of a position
// is the tuple of those parities; two positions can only be joined by play if their classes match.
// In particular the last ball can only stop on a hole whose lone-ball position shares the class of
// the starting position, and a position with no such hole is lost without any search.
class PositionClasses {
 public:
  PositionClasses(int holeCount, const std::vector<SolverJump>& jumps);

  // Bit k is the parity of the balls on the k-th invariant set of holes.
  std::uint32_t ClassOf(std::uint32_t position) const;

  // The holes where the last ball of `position` could end up.
  std::uint32_t FinalHoles(std::uint32_t position) const;

  // A basis of the invariant sets, as hole masks.
  const std::vector<std::uint32_t>& invariants() const { return invariants_; }

 private:
  std::vector<std::uint32_t> invariants_;
  // ClassOf of each lone-ball position, by hole.
  std::vector<std::uint32_t> loneBallClass_;
};

}  // namespace vorn
