#include "solver/solver_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "solver/solver_position_set.h"

namespace vorn {
namespace {

// Reading an atomic on every position would cost more than the rest of the visit; a thousand
// positions take well under a millisecond.
constexpr std::size_t kCancelPollInterval = 1024;
constexpr std::size_t kWordBits = 64;

// The search proper, for boards whose sets of jumps take kWords words, so that the loops over
// words unroll.
template <std::size_t kWords>
class Search {
 public:
  using JumpSet = std::array<std::uint64_t, kWords>;

  Search(const SearchTables& tables, const std::atomic<bool>& cancel, std::size_t cacheBytes)
      : tables_(tables),
        cancel_(cancel),
        children_(tables.jumpCount * static_cast<std::size_t>(std::popcount(tables.allHoles))),
        lost_(cacheBytes) {}

  SearchReport Run(std::uint32_t position) {
    SearchReport report;
    report.outcome = Root(position, report.firstJump);
    report.positionsVisited = visited_;
    report.positionsProvenLost = lost_.size();
    report.cacheBytes = lost_.bytes();
    return report;
  }

 private:
  // A position about to be searched: its images under the board symmetries (entry 0 is the
  // position itself), the smallest of them, which stands for all in the cache, and the jump
  // that led to it.
  struct Node {
    SearchTables::Images images;
    std::uint32_t key;
    std::uint32_t jump;
  };

  SearchOutcome Root(std::uint32_t position, std::optional<std::size_t>& firstJump) {
    if (cancel_.load(std::memory_order_relaxed)) return SearchOutcome::kCancelled;
    const int balls = std::popcount(position);
    if (balls <= 1) return balls == 1 ? SearchOutcome::kWin : SearchOutcome::kLoss;
    std::size_t winner = 0;
    if (TryJumps(balls, tables_.ImagesOf(position), JumpSet{}, winner)) {
      firstJump = winner;
      return SearchOutcome::kWin;
    }
    return cancelled_ ? SearchOutcome::kCancelled : SearchOutcome::kLoss;
  }

  // Whether `node`, with `balls` balls, can end with one ball; false also once cancelled, which
  // callers tell apart through cancelled_. `asleep` holds jumps known to lead to lost
  // positions, see TryJumps.
  bool Winnable(int balls, const Node& node, const JumpSet& asleep) {
    if (balls == 1) return true;
    if (PollCancel()) return false;
    if (lost_.Contains(node.key)) return false;
    std::size_t winner = 0;
    if (TryJumps(balls, node.images, asleep, winner)) return true;
    if (!cancelled_) lost_.Insert(node.key);
    return false;
  }

  // Plays each legal jump that is not asleep and searches on; true, with `winner` set, on the
  // first that wins. Once jump k has failed, any jump m sharing no hole with it leads to a
  // position whose k-successor is a successor of the lost k-successor of this one: so k is
  // asleep below m (a sleep set), which spares probing the cache for positions already searched.
  bool TryJumps(int balls, const SearchTables::Images& images, JumpSet asleep,
                std::size_t& winner) {
    const JumpSet legal = LegalJumps(images[0]);
    // All children first, so that their cache slots are on their way in while the first of
    // them is searched.
    const std::size_t first = top_;
    for (std::size_t w = 0; w < kWords; ++w) {
      for (std::uint64_t bits = legal[w] & ~asleep[w]; bits != 0; bits &= bits - 1) {
        const std::size_t k = w * kWordBits + static_cast<std::size_t>(std::countr_zero(bits));
        Node& child = children_[top_++];
        Play(images, k, child);
        lost_.Prefetch(child.key);
      }
    }
    const std::size_t last = top_;
    bool won = false;
    for (std::size_t i = first; i < last && !won && !cancelled_; ++i) {
      const std::size_t k = children_[i].jump;
      JumpSet childAsleep;
      const std::uint64_t* independent = &tables_.independent[k * kWords];
      for (std::size_t w = 0; w < kWords; ++w) childAsleep[w] = asleep[w] & independent[w];
      won = Winnable(balls - 1, children_[i], childAsleep);
      if (won) winner = k;
      asleep[k / kWordBits] |= std::uint64_t{1} << (k % kWordBits);
    }
    top_ = first;
    return won;
  }

  void Play(const SearchTables::Images& from, std::size_t k, Node& to) const {
    PlayLanes(from, tables_.flippedImages[k], to, std::make_index_sequence<kMaxSymmetries>());
    to.jump = static_cast<std::uint32_t>(k);
  }

  // Spelled out lane by lane: this is the innermost work of the search, and written as loops
  // the compiler keeps it as loops.
  template <std::size_t... kLane>
  static void PlayLanes(const SearchTables::Images& from, const SearchTables::Images& flips,
                        Node& to, std::index_sequence<kLane...>) {
    ((to.images[kLane] = from[kLane] ^ flips[kLane]), ...);
    to.key = to.images[0];
    ((to.key = std::min(to.key, to.images[kLane])), ...);
  }

  JumpSet LegalJumps(std::uint32_t position) const {
    const std::uint32_t empty = ~position & tables_.allHoles;
    JumpSet from{}, over{}, to{};
    for (std::size_t byte = 0; byte < 4; ++byte) {
      const std::size_t shift = 8 * byte;
      const std::uint64_t* withBall = Sets(SearchTables::kFrom, byte, position >> shift & 0xFF);
      const std::uint64_t* overBall = Sets(SearchTables::kOver, byte, position >> shift & 0xFF);
      const std::uint64_t* intoEmpty = Sets(SearchTables::kTo, byte, empty >> shift & 0xFF);
      for (std::size_t w = 0; w < kWords; ++w) {
        from[w] |= withBall[w];
        over[w] |= overBall[w];
        to[w] |= intoEmpty[w];
      }
    }
    JumpSet legal;
    for (std::size_t w = 0; w < kWords; ++w) legal[w] = from[w] & over[w] & to[w];
    return legal;
  }

  const std::uint64_t* Sets(SearchTables::Role role, std::size_t byte, std::uint32_t value) const {
    return &tables_.jumpsByByte[((role * 4 + byte) * 256 + value) * kWords];
  }

  bool PollCancel() {
    if (++visited_ % kCancelPollInterval == 0 && cancel_.load(std::memory_order_relaxed)) {
      cancelled_ = true;
    }
    return cancelled_;
  }

  const SearchTables& tables_;
  const std::atomic<bool>& cancel_;
  // The children of every position on the current line, as a stack: each level of the search
  // pushes its children and pops them when done. A level has at most one child per jump.
  std::vector<Node> children_;
  std::size_t top_ = 0;
  PositionSet lost_;
  std::size_t visited_ = 0;
  bool cancelled_ = false;
};

template <std::size_t kWords>
SearchReport Run(const SearchTables& tables, std::uint32_t position,
                 const std::atomic<bool>& cancel, std::size_t cacheBytes) {
  return Search<kWords>(tables, cancel, cacheBytes).Run(position);
}

}  // namespace

SearchTables::SearchTables(int holeCount, const std::vector<SolverJump>& jumps,
                           const PositionSymmetries& symmetries)
    : allHoles(AllHoles(holeCount)),
      jumpCount(jumps.size()),
      words(std::max<std::size_t>(1, (jumps.size() + kWordBits - 1) / kWordBits)) {
  const auto addTo = [this](std::vector<std::uint64_t>& sets, std::size_t at, std::size_t k) {
    sets[at * words + k / kWordBits] |= std::uint64_t{1} << (k % kWordBits);
  };
  for (int hole = 0; hole < holeCount; ++hole) {
    Images& images = holeImages.emplace_back();
    for (std::size_t s = 0; s < kMaxSymmetries; ++s) {
      images[s] = s < symmetries.count() ? symmetries.Apply(s, HoleBit(hole)) : HoleBit(hole);
    }
  }
  for (const SolverJump& j : jumps) {
    flipped.push_back(HoleBit(j.from) | HoleBit(j.over) | HoleBit(j.to));
    flippedImages.push_back(ImagesOf(flipped.back()));
  }
  independent.assign(jumpCount * words, 0);
  for (std::size_t k = 0; k < jumpCount; ++k) {
    for (std::size_t m = 0; m < jumpCount; ++m) {
      if ((flipped[k] & flipped[m]) == 0) addTo(independent, k, m);
    }
  }
  jumpsByByte.assign(kRoleCount * 4 * 256 * words, 0);
  for (std::size_t k = 0; k < jumpCount; ++k) {
    const std::array<int, kRoleCount> holes{jumps[k].from, jumps[k].over, jumps[k].to};
    for (std::size_t role = 0; role < kRoleCount; ++role) {
      const auto byte = static_cast<std::size_t>(holes[role]) / 8;
      const auto bit = static_cast<std::size_t>(holes[role]) % 8;
      for (std::size_t value = 0; value < 256; ++value) {
        if ((value >> bit & 1) != 0) addTo(jumpsByByte, (role * 4 + byte) * 256 + value, k);
      }
    }
  }
}

SearchTables::Images SearchTables::ImagesOf(std::uint32_t position) const {
  Images images{};
  for (std::uint32_t holes = position; holes != 0; holes &= holes - 1) {
    const Images& hole = holeImages[static_cast<std::size_t>(std::countr_zero(holes))];
    for (std::size_t s = 0; s < kMaxSymmetries; ++s) images[s] |= hole[s];
  }
  return images;
}

SearchReport SearchForWin(const SearchTables& tables, std::uint32_t position,
                          const std::atomic<bool>& cancel, std::size_t cacheBytes) {
  static_assert(kMaxSearchJumps == 4 * kWordBits);
  switch (tables.words) {
    case 1:
      return Run<1>(tables, position, cancel, cacheBytes);
    case 2:
      return Run<2>(tables, position, cancel, cacheBytes);
    case 3:
      return Run<3>(tables, position, cancel, cacheBytes);
    default:
      return Run<4>(tables, position, cancel, cacheBytes);
  }
}

}  // namespace vorn
