#include "solver/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <numeric>
#include <random>
#include <set>
#include <thread>
#include <unordered_map>
#include <vector>

#include "bench/lattice_jumps.h"
#include "solver/solver_symmetry.h"

namespace vorn {
namespace {

bool Legal(std::uint32_t position, const SolverJump& j) {
  return (position & HoleBit(j.from)) != 0 && (position & HoleBit(j.over)) != 0 &&
         (position & HoleBit(j.to)) == 0;
}

std::uint32_t After(std::uint32_t position, const SolverJump& j) {
  return position ^ HoleBit(j.from) ^ HoleBit(j.over) ^ HoleBit(j.to);
}

std::uint32_t StartWithHoleEmpty(int holeCount, int hole) {
  return AllHoles(holeCount) & ~HoleBit(hole);
}

// The reference: every jump tried from every position, each answer remembered. Slow, and
// obviously right.
class BruteForce {
 public:
  explicit BruteForce(std::vector<SolverJump> jumps) : jumps_(std::move(jumps)) {}

  bool Winnable(std::uint32_t position) {
    if (position != 0 && (position & (position - 1)) == 0) return true;
    if (const auto known = memo_.find(position); known != memo_.end()) return known->second;
    bool win = false;
    for (const SolverJump& j : jumps_) {
      if (Legal(position, j) && Winnable(After(position, j))) {
        win = true;
        break;
      }
    }
    memo_[position] = win;
    return win;
  }

 private:
  std::vector<SolverJump> jumps_;
  std::unordered_map<std::uint32_t, bool> memo_;
};

// Plays random legal jumps from random single-vacancy starts, stopping at a random ball count
// no higher than `maxBalls`, or earlier when stuck.
std::vector<std::uint32_t> RandomPlayedPositions(int rows, int count, int maxBalls, unsigned seed) {
  const int holes = TriangleHoleCount(rows);
  const std::vector<SolverJump> jumps = TriangleJumps(rows);
  std::mt19937 rng(seed);
  std::vector<std::uint32_t> positions;
  while (static_cast<int>(positions.size()) < count) {
    std::uint32_t position = StartWithHoleEmpty(holes, static_cast<int>(rng() % holes));
    const int stopAt = 1 + static_cast<int>(rng() % static_cast<unsigned>(maxBalls));
    for (int balls = holes - 1; balls > stopAt; --balls) {
      std::vector<SolverJump> legal;
      for (const SolverJump& j : jumps) {
        if (Legal(position, j)) legal.push_back(j);
      }
      if (legal.empty()) break;
      position = After(position, legal[rng() % legal.size()]);
    }
    if (std::popcount(position) <= maxBalls) positions.push_back(position);
  }
  return positions;
}

// Checks the solver's answer against the reference, and that the hint is a legal jump of the
// table that keeps the win.
void ExpectAgreesWithBruteForce(const Solver& solver, BruteForce& reference,
                                std::uint32_t position) {
  SCOPED_TRACE(::testing::Message() << "position 0x" << std::hex << position);
  const std::atomic<bool> cancel{false};
  const std::optional<Solver::Answer> answer = solver.Solve(position, cancel);
  ASSERT_TRUE(answer.has_value());
  ASSERT_EQ(answer->winnable, reference.Winnable(position));
  ASSERT_EQ(answer->hint.has_value(), answer->winnable && std::popcount(position) >= 2);
  if (!answer->hint) return;
  const SolverJump hint = *answer->hint;
  EXPECT_TRUE(Legal(position, hint));
  EXPECT_NE(std::find(solver.jumps().begin(), solver.jumps().end(), hint), solver.jumps().end());
  EXPECT_TRUE(reference.Winnable(After(position, hint)));
}

TEST(SolverSymmetryTest, FindsTheSixSymmetriesOfEachTriangle) {
  for (int rows = 5; rows <= kMaxLatticeRows; ++rows) {
    SCOPED_TRACE(rows);
    const int holes = TriangleHoleCount(rows);
    std::vector<SolverJump> jumps = TriangleJumps(rows);
    const std::vector<HolePermutation> found = FindBoardSymmetries(holes, jumps);
    ASSERT_EQ(found.size(), 6u);
    std::vector<int> identity(static_cast<std::size_t>(holes));
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(found.front(), identity);
    EXPECT_EQ(std::set<HolePermutation>(found.begin(), found.end()).size(), 6u);

    std::sort(jumps.begin(), jumps.end());
    for (const HolePermutation& image : found) {
      std::vector<SolverJump> mapped;
      for (const SolverJump& j : jumps) {
        mapped.push_back({image[static_cast<std::size_t>(j.from)],
                          image[static_cast<std::size_t>(j.over)],
                          image[static_cast<std::size_t>(j.to)]});
      }
      std::sort(mapped.begin(), mapped.end());
      EXPECT_EQ(mapped, jumps);
    }
  }
}

TEST(SolverTest, SingleVacancyStartsOfFiveAndSixRowsMatchBruteForce) {
  for (int rows : {5, 6}) {
    const int holes = TriangleHoleCount(rows);
    const Solver solver(holes, TriangleJumps(rows));
    BruteForce reference(TriangleJumps(rows));
    for (int hole = 0; hole < holes; ++hole) {
      ExpectAgreesWithBruteForce(solver, reference, StartWithHoleEmpty(holes, hole));
    }
  }
}

TEST(SolverTest, PlayedPositionsMatchBruteForce) {
  struct Case {
    int rows;
    int count;
    int maxBalls;
  };
  // The reference is slow on the big board, so there it only sees positions of few balls.
  for (const Case c : {Case{5, 300, 14}, Case{6, 300, 20}, Case{7, 300, 16}}) {
    SCOPED_TRACE(c.rows);
    const Solver solver(TriangleHoleCount(c.rows), TriangleJumps(c.rows));
    BruteForce reference(TriangleJumps(c.rows));
    int lost = 0;
    for (std::uint32_t position : RandomPlayedPositions(c.rows, c.count, c.maxBalls, 7)) {
      ExpectAgreesWithBruteForce(solver, reference, position);
      lost += reference.Winnable(position) ? 0 : 1;
    }
    EXPECT_GT(lost, c.count / 10);  // the sample holds lost positions, not only easy wins
  }
}

TEST(SolverTest, ApexStartOfSevenRowsIsLostWithoutSearch) {
  const Solver solver(28, TriangleJumps(7));
  // Already cancelled: an answer that needs no search still comes back.
  const std::atomic<bool> cancel{true};
  const std::optional<Solver::Answer> answer = solver.Solve(StartWithHoleEmpty(28, 0), cancel);
  ASSERT_TRUE(answer.has_value());
  EXPECT_FALSE(answer->winnable);
  EXPECT_FALSE(solver.Solve(0, cancel)->winnable);  // no ball at all is no win either
}

// A lost 20-ball position of the 7-row board that passes the class test and so needs a full
// search, the longest of any 20-ball position.
constexpr std::uint32_t kHardLostPosition = 0x3f6ef6d;

TEST(SolverTest, CancelDuringTheSearchStopsItPromptly) {
  const Solver solver(28, TriangleJumps(7));
  std::atomic<bool> cancel{false};
  std::chrono::steady_clock::time_point cancelledAt;
  std::thread canceller([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    cancelledAt = std::chrono::steady_clock::now();
    cancel = true;
  });
  const std::optional<Solver::Answer> answer = solver.Solve(kHardLostPosition, cancel);
  const auto returnedAt = std::chrono::steady_clock::now();
  canceller.join();
  if (answer.has_value()) {
    // The search beat the canceller; then it must at least be right.
    EXPECT_FALSE(answer->winnable);
  } else {
    EXPECT_LT(returnedAt - cancelledAt, std::chrono::milliseconds(50));
  }
  cancel = false;
  EXPECT_FALSE(solver.Solve(kHardLostPosition, cancel)->winnable);
}

}  // namespace
}  // namespace vorn
