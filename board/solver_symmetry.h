#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "board/solver_jump.h"

namespace vorn {

// image[hole] is where the permutation sends `hole`.
using HolePermutation = std::vector<int>;

// More symmetries than any flat board has; past this many the canonical form stops improving
// while its cost keeps growing.
inline constexpr std::size_t kMaxSymmetries = 48;

// The permutations of the holes that map the set of jump triples onto itself, identity first.
// Holes no jump touches are left in place. Stops after kMaxSymmetries.
std::vector<HolePermutation> FindBoardSymmetries(int holeCount,
                                                 const std::vector<SolverJump>& jumps);

// Maps a position to the smallest of its images under a set of board symmetries, so that
// positions which are mirror images of one another share one entry in a cache.
class PositionCanonicalizer {
 public:
  explicit PositionCanonicalizer(const std::vector<HolePermutation>& symmetries);

  std::uint32_t Canonical(std::uint32_t position) const {
    std::uint32_t best = position;
    for (const ByteTables& t : tables_) {
      const std::uint32_t image = t[0][position & 0xFF] | t[1][(position >> 8) & 0xFF] |
                                  t[2][(position >> 16) & 0xFF] | t[3][position >> 24];
      if (image < best) best = image;
    }
    return best;
  }

  // Including the identity.
  std::size_t symmetryCount() const { return tables_.size() + 1; }

 private:
  // Image of each value of each byte of a position, so one symmetry costs four look-ups.
  using ByteTables = std::array<std::array<std::uint32_t, 256>, 4>;
  std::vector<ByteTables> tables_;
};

}  // namespace vorn
