#pragma once

// The jump tables of the 5-, 6- and 7-row triangular boards, built from where each hole sits.
// The game builds its own from its board geometry; tests and benchmarks use these.

#include <array>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "solver/solver_jump.h"

namespace vorn {

inline constexpr int kMaxLatticeRows = 7;

inline constexpr int TriangleHoleCount(int rows) {
  return rows * (rows + 1) / 2;
}

// Hole numbers of each row from left to right. Rows are numbered from the apex, but within a
// row the numbers do not run left to right.
inline constexpr std::array<std::array<int, kMaxLatticeRows>, kMaxLatticeRows> kRowHoles{{
    {0},
    {2, 1},
    {5, 4, 3},
    {9, 7, 8, 6},
    {14, 12, 11, 13, 10},
    {20, 19, 18, 17, 16, 15},
    {27, 26, 24, 23, 25, 22, 21},
}};

// Lattice place of a hole: row, and signed steps right of the axis through the apex. Holes side
// by side in a row are two columns apart.
struct LatticePlace {
  int row;
  int column;
  friend auto operator<=>(const LatticePlace&, const LatticePlace&) = default;
};

inline std::vector<LatticePlace> TrianglePlaces(int rows) {
  if (rows < 1 || rows > kMaxLatticeRows) throw std::invalid_argument("unsupported row count");
  std::vector<LatticePlace> places(static_cast<std::size_t>(TriangleHoleCount(rows)));
  for (int row = 0; row < rows; ++row) {
    for (int i = 0; i <= row; ++i) {
      places[static_cast<std::size_t>(kRowHoles[row][i])] = {row, 2 * i - row};
    }
  }
  return places;
}

// Two neighbour steps in a straight line: along a row, or along either diagonal, both ways.
inline std::vector<SolverJump> TriangleJumps(int rows) {
  const std::vector<LatticePlace> places = TrianglePlaces(rows);
  std::map<LatticePlace, int> holeAt;
  for (std::size_t hole = 0; hole < places.size(); ++hole) {
    holeAt[places[hole]] = static_cast<int>(hole);
  }
  constexpr std::array<std::pair<int, int>, 6> kSteps{
      {{0, 2}, {0, -2}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
  std::vector<SolverJump> jumps;
  for (std::size_t hole = 0; hole < places.size(); ++hole) {
    for (const auto& [dr, dc] : kSteps) {
      const LatticePlace p = places[hole];
      const auto over = holeAt.find({p.row + dr, p.column + dc});
      const auto to = holeAt.find({p.row + 2 * dr, p.column + 2 * dc});
      if (over == holeAt.end() || to == holeAt.end()) continue;
      jumps.push_back({static_cast<int>(hole), over->second, to->second});
    }
  }
  return jumps;
}

}  // namespace vorn
