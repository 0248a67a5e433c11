#include "solver/solver_position_set.h"

#include <algorithm>
#include <bit>

namespace vorn {
namespace {

constexpr int kInitialBits = 12;
// Below this many slots the table quadruples rather than doubles: small tables are cheap to
// oversize, and most of the cost of growing is the rehashing of the early steps.
constexpr int kQuadrupleBelowBits = 18;
// Slots are indexed by the top bits of a 32-bit hash.
constexpr int kMaxBits = 32;

}  // namespace

PositionSet::PositionSet(std::size_t maxBytes)
    : maxSlots_(std::max(std::bit_floor(maxBytes / sizeof(std::uint32_t)),
                         std::size_t{1} << kInitialBits)) {
  Resize(std::min(kInitialBits, std::countr_zero(maxSlots_)));
}

bool PositionSet::Grow() {
  const int bits = 32 - shift_;
  if (slots_.size() >= maxSlots_ || bits >= kMaxBits) return false;
  const int step = bits < kQuadrupleBelowBits && (slots_.size() << 2) <= maxSlots_ ? 2 : 1;
  std::vector<std::uint32_t> old;
  old.swap(slots_);
  Resize(bits + step);
  for (std::uint32_t position : old) {
    if (position != kEmpty) Place(position);
  }
  return true;
}

void PositionSet::Resize(int bits) {
  slots_.assign(std::size_t{1} << bits, kEmpty);
  mask_ = slots_.size() - 1;
  shift_ = 32 - bits;
  count_ = 0;
  growAt_ = slots_.size() / 4 * 3;
}

}  // namespace vorn
