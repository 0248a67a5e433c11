#include "solver/solver_symmetry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace vorn {
namespace {

// How two holes appear together in jumps: one bit per ordered pair of roles. A symmetry must
// preserve it for every pair, which prunes the search long before a permutation is complete.
enum PairRole : std::uint8_t {
  kFromOver = 1 << 0,
  kOverFrom = 1 << 1,
  kFromTo = 1 << 2,
  kToFrom = 1 << 3,
  kOverTo = 1 << 4,
  kToOver = 1 << 5,
};

class SymmetrySearch {
 public:
  SymmetrySearch(int holeCount, const std::vector<SolverJump>& jumps)
      : holeCount_(holeCount),
        jumps_(jumps),
        pairRoles_(static_cast<std::size_t>(holeCount * holeCount), 0),
        roleCounts_(static_cast<std::size_t>(holeCount), {0, 0, 0}),
        image_(static_cast<std::size_t>(holeCount)),
        taken_(static_cast<std::size_t>(holeCount), false) {
    std::sort(jumps_.begin(), jumps_.end());
    jumps_.erase(std::unique(jumps_.begin(), jumps_.end()), jumps_.end());
    for (const SolverJump& j : jumps_) {
      Relate(j.from, j.over, kFromOver, kOverFrom);
      Relate(j.from, j.to, kFromTo, kToFrom);
      Relate(j.over, j.to, kOverTo, kToOver);
      ++roleCounts_[Index(j.from)][0];
      ++roleCounts_[Index(j.over)][1];
      ++roleCounts_[Index(j.to)][2];
    }
    OrderHoles();
  }

  std::vector<HolePermutation> Run() {
    for (int hole = 0; hole < holeCount_; ++hole) image_[Index(hole)] = hole;
    Extend(0);
    return std::move(found_);
  }

 private:
  static std::size_t Index(int hole) { return static_cast<std::size_t>(hole); }

  std::uint8_t& PairRoles(int a, int b) { return pairRoles_[Index(a * holeCount_ + b)]; }
  std::uint8_t PairRoles(int a, int b) const { return pairRoles_[Index(a * holeCount_ + b)]; }

  void Relate(int a, int b, PairRole ab, PairRole ba) {
    PairRoles(a, b) |= ab;
    PairRoles(b, a) |= ba;
  }

  bool Involved(int hole) const {
    const auto& c = roleCounts_[Index(hole)];
    return c[0] + c[1] + c[2] > 0;
  }

  // Breadth first through the holes that share jumps, so each new hole is tied by pair roles to
  // holes already placed.
  void OrderHoles() {
    std::vector<bool> queued(Index(holeCount_), false);
    for (int start = 0; start < holeCount_; ++start) {
      if (queued[Index(start)] || !Involved(start)) continue;
      queued[Index(start)] = true;
      order_.push_back(start);
      for (std::size_t head = order_.size() - 1; head < order_.size(); ++head) {
        const int hole = order_[head];
        for (int next = 0; next < holeCount_; ++next) {
          if (queued[Index(next)] || PairRoles(hole, next) == 0) continue;
          queued[Index(next)] = true;
          order_.push_back(next);
        }
      }
    }
  }

  bool Fits(int hole, int candidate, std::size_t placed) const {
    if (taken_[Index(candidate)] || roleCounts_[Index(hole)] != roleCounts_[Index(candidate)]) {
      return false;
    }
    for (std::size_t k = 0; k < placed; ++k) {
      const int other = order_[k];
      const int otherImage = image_[Index(other)];
      if (PairRoles(hole, other) != PairRoles(candidate, otherImage) ||
          PairRoles(other, hole) != PairRoles(otherImage, candidate)) {
        return false;
      }
    }
    return true;
  }

  // Pair roles alone do not pin down triples, so every complete permutation is checked in full.
  bool MapsJumpsOntoJumps() const {
    return std::all_of(jumps_.begin(), jumps_.end(), [this](const SolverJump& j) {
      const SolverJump mapped{image_[Index(j.from)], image_[Index(j.over)], image_[Index(j.to)]};
      return std::binary_search(jumps_.begin(), jumps_.end(), mapped);
    });
  }

  void Extend(std::size_t placed) {
    if (found_.size() >= kMaxSymmetries) return;
    if (placed == order_.size()) {
      if (MapsJumpsOntoJumps()) found_.push_back(image_);
      return;
    }
    const int hole = order_[placed];
    // Trying the hole itself first puts the identity at the front of the result.
    for (int offset = 0; offset < holeCount_; ++offset) {
      const int candidate = (hole + offset) % holeCount_;
      if (!Fits(hole, candidate, placed)) continue;
      image_[Index(hole)] = candidate;
      taken_[Index(candidate)] = true;
      Extend(placed + 1);
      taken_[Index(candidate)] = false;
    }
    image_[Index(hole)] = hole;
  }

  int holeCount_;
  std::vector<SolverJump> jumps_;
  std::vector<std::uint8_t> pairRoles_;
  std::vector<std::array<int, 3>> roleCounts_;
  std::vector<int> order_;
  HolePermutation image_;
  std::vector<bool> taken_;
  std::vector<HolePermutation> found_;
};

}  // namespace

std::vector<HolePermutation> FindBoardSymmetries(int holeCount,
                                                 const std::vector<SolverJump>& jumps) {
  return SymmetrySearch(holeCount, jumps).Run();
}

PositionSymmetries::PositionSymmetries(int holeCount, std::vector<HolePermutation> symmetries)
    : images_(std::move(symmetries)) {
  HolePermutation identity(static_cast<std::size_t>(holeCount));
  for (int hole = 0; hole < holeCount; ++hole) identity[static_cast<std::size_t>(hole)] = hole;
  const auto found = std::find(images_.begin(), images_.end(), identity);
  if (found != images_.end()) images_.erase(found);
  images_.insert(images_.begin(), std::move(identity));
}

std::uint32_t PositionSymmetries::Apply(std::size_t s, std::uint32_t position) const {
  const HolePermutation& image = images_[s];
  std::uint32_t mapped = 0;
  for (std::size_t hole = 0; hole < image.size(); ++hole) {
    if ((position >> hole & 1) != 0) mapped |= HoleBit(image[hole]);
  }
  return mapped;
}

}  // namespace vorn
