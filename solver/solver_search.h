#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "solver/solver_jump.h"
#include "solver/solver_symmetry.h"

namespace vorn {

// The search keeps sets of jumps as a few 64-bit words; real boards have far fewer jumps.
inline constexpr std::size_t kMaxSearchJumps = 256;

// The jump table and the board symmetries in the form the search reads them. Jump k is the k-th
// of the table given; the search tries the legal jumps of a position in that order.
struct SearchTables {
  SearchTables(int holeCount, const std::vector<SolverJump>& jumps,
               const PositionSymmetries& symmetries);

  enum Role : std::size_t { kFrom, kOver, kTo, kRoleCount };

  // A position's images under the board symmetries, identity first; lanes beyond the board's
  // symmetry count repeat the identity.
  using Images = std::array<std::uint32_t, kMaxSymmetries>;
  Images ImagesOf(std::uint32_t position) const;

  std::uint32_t allHoles;
  std::size_t jumpCount;
  std::size_t words;  // 64-bit words per set of jumps
  // The images of each lone hole.
  std::vector<Images> holeImages;
  // The holes each jump toggles: from, over and to.
  std::vector<std::uint32_t> flipped;
  // The images of the holes jump k toggles. A jump changes every image of a position by the
  // image of its own holes, so the search carries all images along for one exclusive-or each.
  std::vector<Images> flippedImages;
  // independent[k * words + w]: word w of the set of jumps that share no hole with jump k.
  // Such jumps commute, which lets the search skip orders of play it has already tried.
  std::vector<std::uint64_t> independent;
  // A jump is legal if its `from` and `over` hold balls and its `to` is empty. For each role,
  // each byte of a position and each value of that byte: the set of jumps whose hole in that
  // role lies among the byte's holes, at ((role * 4 + byte) * 256 + value) * words. The legal
  // jumps of a position then cost a few dozen look-ups and no branch.
  std::vector<std::uint64_t> jumpsByByte;
};

enum class SearchOutcome { kWin, kLoss, kCancelled };

struct SearchReport {
  SearchOutcome outcome = SearchOutcome::kLoss;
  // On a win from a position of two or more balls: the index of the first jump of the line.
  std::optional<std::size_t> firstJump;
  std::size_t positionsVisited = 0;
  std::size_t positionsProvenLost = 0;
  std::size_t cacheBytes = 0;
};

// Depth-first search for a line of play from `position` that ends with a single ball. Every
// position proven lost is remembered by canonical form, so neither a transposition nor a mirror
// image is searched twice; that memory, at most `cacheBytes` plus the half of it in use while
// it grows, is released before returning. Polls `cancel` every thousand or so positions.
SearchReport SearchForWin(const SearchTables& tables, std::uint32_t position,
                          const std::atomic<bool>& cancel, std::size_t cacheBytes);

}  // namespace vorn
