#pragma once

#include <cstdint>
#include <optional>

#include "board/form1.h"

namespace vorn {

// The lowest-indexed hole, shown or hidden, whose open rectangle holds the
// point; kNoHole when there is none. Edges belong to no hole.
std::int16_t Whatlabel(const Form1& f, float X, float Y);

// The hole at the midpoint of the centres of two holes: the hole a jump
// between them passes over. Empty when the midpoint is in no hole.
std::optional<std::int16_t> BetweenLabel(const Form1& f, std::int16_t CirFrom, std::int16_t Cirto);

// Where a hole stands on screen: its row, 0 at the apex, and its place in the
// row counted from the left end as the player sees it. Hole numbers within a
// row do not run from left to right.
struct RowPlace {
  int row = 0, place = 0;
  friend bool operator==(const RowPlace&, const RowPlace&) = default;
};
RowPlace RowPlaceOf(const Form1& f, std::int16_t hole);

// The hole in play at a row and place; kNoHole off the board.
std::int16_t HoleAt(const Form1& f, RowPlace at);

}  // namespace vorn
