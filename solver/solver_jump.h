#pragma once

#include <cstdint>

namespace vorn {

// Positions are bit sets in a 32-bit word: bit i set means hole i holds a ball.
inline constexpr int kMaxHoles = 32;

// One legal move of the board: a ball in `from` jumps over the ball in `over` into the empty `to`.
struct SolverJump {
  int from = 0;
  int over = 0;
  int to = 0;

  friend bool operator==(const SolverJump&, const SolverJump&) = default;
  friend auto operator<=>(const SolverJump&, const SolverJump&) = default;
};

inline constexpr std::uint32_t HoleBit(int hole) {
  return std::uint32_t{1} << hole;
}

// The position of a board of `holeCount` holes with every hole filled.
inline constexpr std::uint32_t AllHoles(int holeCount) {
  return holeCount >= kMaxHoles ? ~std::uint32_t{0} : HoleBit(holeCount) - 1;
}

}  // namespace vorn
