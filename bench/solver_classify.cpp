// Classifies every single-vacancy start of the 5-, 6- and 7-row boards: can it end with one
// ball? Prints one line per board, `+` for winnable and `-` for not, after each empty hole.

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench/lattice_jumps.h"
#include "solver/solver.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main() {
  for (int rows = 5; rows <= vorn::kMaxLatticeRows; ++rows) {
    const int holes = vorn::TriangleHoleCount(rows);
    const auto start = std::chrono::steady_clock::now();
    const vorn::Solver solver(holes, vorn::TriangleJumps(rows));
    const double buildMs = MillisecondsSince(start);
    const std::atomic<bool> cancel{false};
    std::string line = "holes ";
    line += std::to_string(holes);
    line += ':';
    for (int hole = 0; hole < holes; ++hole) {
      const auto answer = solver.Solve(vorn::AllHoles(holes) & ~vorn::HoleBit(hole), cancel);
      line += ' ';
      line += std::to_string(hole);
      line += answer->winnable ? '+' : '-';
    }
    std::printf("%s  total %.1f ms (solver built in %.1f ms)\n", line.c_str(),
                MillisecondsSince(start), buildMs);
  }
  return 0;
}
