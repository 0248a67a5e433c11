#include "board/board_geometry.h"

#include <cmath>

namespace vorn {

namespace {
int RoundHalfEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}
}  // namespace

std::array<PixelPoint, 3> TriangleRegion(double w, double h) {
  return {
      {{RoundHalfEven(w / 2 + 3), 0}, {RoundHalfEven(w), RoundHalfEven(h)}, {3, RoundHalfEven(h)}}};
}

}  // namespace vorn
