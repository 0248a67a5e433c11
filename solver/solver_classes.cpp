#include "solver/solver_classes.h"

#include <bit>
#include <cstddef>

namespace vorn {
namespace {

// Reduced row echelon form, over GF(2), of the span of the jumps' hole masks.
struct EchelonBasis {
  std::vector<std::uint32_t> rows;
  std::vector<int> pivots;  // pivots[k]: the lowest hole of rows[k], absent from every other row
};

EchelonBasis ReduceJumps(const std::vector<SolverJump>& jumps) {
  EchelonBasis basis;
  for (const SolverJump& j : jumps) {
    std::uint32_t row = HoleBit(j.from) ^ HoleBit(j.over) ^ HoleBit(j.to);
    for (std::size_t k = 0; k < basis.rows.size(); ++k) {
      if ((row >> basis.pivots[k] & 1) != 0) row ^= basis.rows[k];
    }
    if (row == 0) continue;
    const int pivot = std::countr_zero(row);
    for (std::uint32_t& other : basis.rows) {
      if ((other >> pivot & 1) != 0) other ^= row;
    }
    basis.rows.push_back(row);
    basis.pivots.push_back(pivot);
  }
  return basis;
}

}  // namespace

PositionClasses::PositionClasses(int holeCount, const std::vector<SolverJump>& jumps) {
  const EchelonBasis basis = ReduceJumps(jumps);
  std::uint32_t pivotHoles = 0;
  for (int pivot : basis.pivots) pivotHoles |= HoleBit(pivot);
  // The null space of the jump masks: one vector per free hole, with the pivot holes chosen so
  // that every row meets it an even number of times.
  for (int free = 0; free < holeCount; ++free) {
    if ((pivotHoles & HoleBit(free)) != 0) continue;
    std::uint32_t invariant = HoleBit(free);
    for (std::size_t k = 0; k < basis.rows.size(); ++k) {
      if ((basis.rows[k] & HoleBit(free)) != 0) invariant |= HoleBit(basis.pivots[k]);
    }
    invariants_.push_back(invariant);
  }
  for (int hole = 0; hole < holeCount; ++hole) loneBallClass_.push_back(ClassOf(HoleBit(hole)));
}

std::uint32_t PositionClasses::ClassOf(std::uint32_t position) const {
  std::uint32_t result = 0;
  for (std::size_t k = 0; k < invariants_.size(); ++k) {
    result |= static_cast<std::uint32_t>(std::popcount(position & invariants_[k]) & 1) << k;
  }
  return result;
}

std::uint32_t PositionClasses::FinalHoles(std::uint32_t position) const {
  const std::uint32_t target = ClassOf(position);
  std::uint32_t holes = 0;
  for (std::size_t hole = 0; hole < loneBallClass_.size(); ++hole) {
    if (loneBallClass_[hole] == target) holes |= HoleBit(static_cast<int>(hole));
  }
  return holes;
}

}  // namespace vorn
