#include "board/board_geometry.h"

#include "board/rounding.h"

namespace vorn {

std::array<PixelPoint, 3> TriangleRegion(double w, double h) {
  const auto px = [](double v) { return static_cast<int>(RoundHalfEven(v)); };
  return {{{px(w / 2 + 3), 0}, {px(w), px(h)}, {3, px(h)}}};
}

}  // namespace vorn
