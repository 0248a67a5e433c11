#include "solver/solver.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <string>

namespace vorn {
namespace {

// The cache of lost positions may grow to this. While it grows the old table lives beside the
// new one, at most half its size, so a search peaks at one and a half times this.
constexpr std::size_t kCacheBytes = std::size_t{32} << 20;

int CheckedHoleCount(int holeCount) {
  if (holeCount < 1 || holeCount > kMaxHoles) {
    throw std::invalid_argument("solver: hole count " + std::to_string(holeCount) +
                                " is outside 1.." + std::to_string(kMaxHoles));
  }
  return holeCount;
}

void CheckJump(int holeCount, const SolverJump& j) {
  const auto onBoard = [holeCount](int hole) { return hole >= 0 && hole < holeCount; };
  if (!onBoard(j.from) || !onBoard(j.over) || !onBoard(j.to) || j.from == j.over ||
      j.from == j.to || j.over == j.to) {
    throw std::invalid_argument("solver: bad jump " + std::to_string(j.from) + " over " +
                                std::to_string(j.over) + " to " + std::to_string(j.to));
  }
}

// Jumps that clear balls from the rim come first. Rim holes are the ones few jumps pass over,
// so their balls are the hard ones to remove; lines that deal with them early tend to reach a
// win sooner, and on a winnable position the search stops at its first win.
std::vector<SolverJump> InSearchOrder(int holeCount, std::vector<SolverJump> jumps) {
  for (const SolverJump& j : jumps) CheckJump(holeCount, j);
  std::sort(jumps.begin(), jumps.end());
  jumps.erase(std::unique(jumps.begin(), jumps.end()), jumps.end());
  if (jumps.size() > kMaxSearchJumps) {
    throw std::invalid_argument("solver: more than " + std::to_string(kMaxSearchJumps) + " jumps");
  }

  std::vector<int> passedOver(static_cast<std::size_t>(holeCount), 0);
  for (const SolverJump& j : jumps) ++passedOver[static_cast<std::size_t>(j.over)];
  const int most = *std::max_element(passedOver.begin(), passedOver.end());
  const auto rim = [&](int hole) { return most - passedOver[static_cast<std::size_t>(hole)]; };
  const auto rimCleared = [&](const SolverJump& j) {
    return rim(j.from) + rim(j.over) - rim(j.to);
  };
  std::stable_sort(jumps.begin(), jumps.end(), [&](const SolverJump& a, const SolverJump& b) {
    return rimCleared(a) > rimCleared(b);
  });
  return jumps;
}

}  // namespace

Solver::Solver(int holeCount, std::vector<SolverJump> jumps)
    : holeCount_(CheckedHoleCount(holeCount)),
      jumps_(InSearchOrder(holeCount_, std::move(jumps))),
      symmetries_(holeCount_, FindBoardSymmetries(holeCount_, jumps_)),
      tables_(holeCount_, jumps_, symmetries_),
      classes_(holeCount_, jumps_) {}

std::optional<Solver::Answer> Solver::Solve(std::uint32_t occupied,
                                            const std::atomic<bool>& cancel) const {
  if ((occupied & ~AllHoles(holeCount_)) != 0) {
    throw std::invalid_argument("solver: position has balls beyond hole " +
                                std::to_string(holeCount_ - 1));
  }
  if (occupied == 0) return Answer{false, std::nullopt};
  if (std::has_single_bit(occupied)) return Answer{true, std::nullopt};
  if (classes_.FinalHoles(occupied) == 0) return Answer{false, std::nullopt};

  const SearchReport report = SearchForWin(tables_, occupied, cancel, kCacheBytes);
  switch (report.outcome) {
    case SearchOutcome::kCancelled:
      return std::nullopt;
    case SearchOutcome::kLoss:
      return Answer{false, std::nullopt};
    case SearchOutcome::kWin:
      break;
  }
  return Answer{true, jumps_[*report.firstJump]};
}

}  // namespace vorn
