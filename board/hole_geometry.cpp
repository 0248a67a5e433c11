#include "board/hole_geometry.h"

#include "board/board_geometry.h"

namespace vorn {

namespace {

struct Centre {
  float x, y;
};

Centre CentreOf(const Hole& hole) {
  return {static_cast<float>(double{hole.Width} / 2 + hole.Left),
          static_cast<float>(double{hole.Height} / 2 + hole.Top)};
}

// Half the positive difference added to the smaller value, so that the
// result does not depend on the order of the two holes.
float Midway(float a, float b) {
  return static_cast<float>(a <= b ? (double{b} - a) / 2 + a : (double{a} - b) / 2 + b);
}

}  // namespace

std::int16_t Whatlabel(const Form1& f, float X, float Y) {
  for (const Hole& hole : f.Image2) {
    const float right = static_cast<float>(double{hole.Left} + hole.Width);
    if (hole.Left < X && right > X) {
      const float bottom = static_cast<float>(double{hole.Top} + hole.Height);
      if (hole.Top < Y && bottom > Y) return hole.Index;
    }
  }
  return kNoHole;
}

std::optional<std::int16_t> BetweenLabel(const Form1& f, std::int16_t CirFrom, std::int16_t Cirto) {
  const Centre from = CentreOf(f.Image2[CirFrom]);
  const Centre to = CentreOf(f.Image2[Cirto]);
  const std::int16_t idx = Whatlabel(f, Midway(from.x, to.x), Midway(from.y, to.y));
  if (idx == kNoHole) return std::nullopt;
  return idx;
}

RowPlace RowPlaceOf(const Form1& f, std::int16_t hole) {
  int row = 0;
  while (row + 1 < kMaxRows && hole >= kRowFirstHole[row + 1]) ++row;
  int place = 0;
  for (int other = kRowFirstHole[row]; other <= kRowFirstHole[row] + row; ++other) {
    place += f.Image2[other].Left < f.Image2[hole].Left;
  }
  return {row, place};
}

std::int16_t HoleAt(const Form1& f, RowPlace at) {
  if (at.row < 0 || at.row >= f.RowCount || at.place < 0 || at.place > at.row) return kNoHole;
  for (int hole = kRowFirstHole[at.row]; hole <= kRowFirstHole[at.row] + at.row; ++hole) {
    if (RowPlaceOf(f, static_cast<std::int16_t>(hole)).place == at.place) {
      return static_cast<std::int16_t>(hole);
    }
  }
  return kNoHole;
}

}  // namespace vorn
