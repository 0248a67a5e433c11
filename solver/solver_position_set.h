#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorn {

// A hash set of non-empty positions, open addressing with linear probing. It starts small and
// grows, at three quarters full, up to a fixed memory ceiling; once full there it quietly drops
// new entries. A search cache can afford that: a forgotten position is searched again, never
// answered wrongly.
class PositionSet {
 public:
  explicit PositionSet(std::size_t maxBytes);

  bool Contains(std::uint32_t position) const {
    for (std::size_t i = Slot(position);; i = (i + 1) & mask_) {
      if (slots_[i] == position) return true;
      if (slots_[i] == kEmpty) return false;
    }
  }

  void Insert(std::uint32_t position) {
    if (count_ >= growAt_ && !Grow()) return;
    Place(position);
  }

  std::size_t size() const { return count_; }
  std::size_t bytes() const { return slots_.size() * sizeof(std::uint32_t); }

  // A hint that `position` is about to be looked up, so that the look-up finds its slot in the
  // processor cache.
  void Prefetch(std::uint32_t position) const {
#if defined(__GNUC__)
    __builtin_prefetch(&slots_[Slot(position)]);
#else
    (void)position;
#endif
  }

 private:
  static constexpr std::uint32_t kEmpty = 0;  // the position with no ball is never stored

  std::size_t Slot(std::uint32_t position) const {
    // Fibonacci hashing: the top bits of the product mix every bit of the position.
    return static_cast<std::uint32_t>(position * 2654435769u) >> shift_;
  }

  void Place(std::uint32_t position) {
    std::size_t i = Slot(position);
    while (slots_[i] != kEmpty) {
      if (slots_[i] == position) return;
      i = (i + 1) & mask_;
    }
    slots_[i] = position;
    ++count_;
  }

  // Enlarges the table; false, leaving it as it is, once at the ceiling.
  bool Grow();
  void Resize(int bits);

  std::size_t maxSlots_;
  std::vector<std::uint32_t> slots_;
  std::size_t mask_ = 0;
  int shift_ = 32;
  std::size_t count_ = 0;
  std::size_t growAt_ = 0;
};

}  // namespace vorn
