#pragma once

#include <QRect>

#include "board/board_geometry.h"

namespace vorn {

// A rectangle given in twips (Left, Top, Width, Height), in logical pixels.
inline QRect TwipsRect(int left, int top, int width, int height) {
  const auto px = [](int twips) { return static_cast<int>(twips / kTwipsPerPixel + 0.5f); };
  return {px(left), px(top), px(width), px(height)};
}

inline QSize TwipsSize(int width, int height) {
  return TwipsRect(0, 0, width, height).size();
}

}  // namespace vorn
