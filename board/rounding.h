#pragma once

#include <cmath>

namespace vorn {

// The board's one rounding rule: to the nearest whole number, halves to the
// even neighbour. The value must fit in a long.
inline long RoundHalfEven(double v) {
  return std::lrint(v);
}

}  // namespace vorn
