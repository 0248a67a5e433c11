#pragma once

#include <algorithm>

#include <QPointF>
#include <QPolygon>
#include <QRect>

#include "board/board_geometry.h"
#include "board/rounding.h"

namespace vorn {

// The window's one conversion between the board's twips and logical pixels.
constexpr float kTwipsPerPixel = 15.0f;

// Whole pixels, rounded as the board rounds; far-off places are clamped.
inline int ToPixel(float twips) {
  const double pixels = double{twips} / kTwipsPerPixel;
  return static_cast<int>(RoundHalfEven(std::clamp(pixels, -1.0e6, 1.0e6)));
}

// A point as it is drawn, between pixels where it falls there.
inline QPointF ToPixels(float xTwips, float yTwips) {
  return {xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel};
}

inline double ToTwips(double pixels) {
  return pixels * kTwipsPerPixel;
}

// A rectangle given in twips (Left, Top, Width, Height), in logical pixels.
inline QRect TwipsRect(float left, float top, float width, float height) {
  return {ToPixel(left), ToPixel(top), ToPixel(width), ToPixel(height)};
}

inline QSize TwipsSize(float width, float height) {
  return {ToPixel(width), ToPixel(height)};
}

// The window's triangle for its client size, as the board's design draws it.
inline QPolygon TrianglePolygon(QSize clientSize) {
  QPolygon polygon;
  for (const PixelPoint& p : TriangleRegion(clientSize.width(), clientSize.height())) {
    polygon << QPoint(p.x, p.y);
  }
  return polygon;
}

}  // namespace vorn
