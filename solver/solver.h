#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "solver/solver_classes.h"
#include "solver/solver_jump.h"
#include "solver/solver_search.h"
#include "solver/solver_symmetry.h"

namespace vorn {

// Answers "can this position still end with a single ball, and which jump keeps that possible?"
// for one board, described only by its jump table. A position is a bit set of occupied holes.
//
// The object is immutable after construction, so one Solver may serve any number of threads.
class Solver {
 public:
  struct Answer {
    bool winnable = false;
    // A jump that keeps a win possible: set iff winnable and at least two balls remain.
    std::optional<SolverJump> hint;
  };

  // Throws std::invalid_argument if holeCount is outside [1, kMaxHoles], if a jump names a hole
  // outside the board or the same hole twice, or if there are more than kMaxSearchJumps distinct
  // jumps. Duplicate jumps are ignored.
  Solver(int holeCount, std::vector<SolverJump> jumps);

  // Returns std::nullopt if `cancel` is seen true before the answer is known; positions that need
  // no search (no ball, one ball, wrong position class) are answered regardless.
  // Throws std::invalid_argument if `occupied` has a bit beyond the last hole.
  std::optional<Answer> Solve(std::uint32_t occupied, const std::atomic<bool>& cancel) const;

  int holeCount() const { return holeCount_; }
  const std::vector<SolverJump>& jumps() const { return jumps_; }
  // Including the identity.
  std::size_t symmetryCount() const { return symmetries_.count(); }

 private:
  int holeCount_;
  // In the order the search tries them.
  std::vector<SolverJump> jumps_;
  PositionSymmetries symmetries_;
  SearchTables tables_;
  PositionClasses classes_;
};

}  // namespace vorn
