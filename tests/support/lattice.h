#pragma once

// An independent model of the board for tests: each hole's row and its place
// as signed steps right (+) or left (-) of the apex's vertical.
#include <array>
#include <optional>

namespace vorn::test {

struct LatticePlace {
  int row, column;
};

inline constexpr std::array<LatticePlace, 28> kLattice = {{
    {0, 0},                                                        // 0
    {1, 1}, {1, -1},                                               // 1, 2
    {2, 2}, {2, 0},  {2, -2},                                      // 3..5
    {3, 3}, {3, -1}, {3, 1},  {3, -3},                             // 6..9
    {4, 4}, {4, 0},  {4, -2}, {4, 2},  {4, -4},                    // 10..14
    {5, 5}, {5, 3},  {5, 1},  {5, -1}, {5, -3}, {5, -5},           // 15..20
    {6, 6}, {6, 4},  {6, 0},  {6, -2}, {6, 2},  {6, -4}, {6, -6},  // 21..27
}};

inline std::optional<int> HoleAt(int row, int column, int labelCount) {
  for (int i = 0; i < labelCount; ++i) {
    if (kLattice[i].row == row && kLattice[i].column == column) return i;
  }
  return std::nullopt;
}

// The six jump directions as (row, column) steps of one neighbour.
inline constexpr std::array<LatticePlace, 6> kNeighbourSteps = {{
    {1, 1},
    {-1, 1},
    {-1, -1},
    {1, -1},
    {0, 2},
    {0, -2},
}};

}  // namespace vorn::test
