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

// The board's size on screen: the factor by which its designed pixels grow.
// The rules keep twips; the board's window owns one of these, and every
// place, size, outline and pointer of the board goes through it.
class BoardScale {
 public:
  constexpr BoardScale() = default;
  constexpr explicit BoardScale(double factor) : factor_(factor) {}

  double Factor() const { return factor_; }

  // Whole pixels, rounded as the board rounds; far-off places are clamped.
  int ToPixel(float twips) const { return Round(double{twips} * factor_ / kTwipsPerPixel); }
  // A point as it is drawn, between pixels where it falls there.
  QPointF ToPixels(float xTwips, float yTwips) const {
    return {double{xTwips} * factor_ / kTwipsPerPixel, double{yTwips} * factor_ / kTwipsPerPixel};
  }
  double ToTwips(double pixels) const { return pixels * kTwipsPerPixel / factor_; }
  // A length in designed pixels, as shown.
  int Pixels(double designed) const { return Round(designed * factor_); }

  QRect TwipsRect(float left, float top, float width, float height) const {
    return {ToPixel(left), ToPixel(top), ToPixel(width), ToPixel(height)};
  }
  QSize TwipsSize(float width, float height) const { return {ToPixel(width), ToPixel(height)}; }
  // The window's client area.
  QSize ClientSize() const { return {Pixels(kClientWidthPixels), Pixels(kClientHeightPixels)}; }
  // The window's triangle as the board's design draws it (apex, bottom
  // right, bottom left), grown with the board.
  QPolygon Triangle() const {
    const double w = kClientWidthPixels, h = kClientHeightPixels, inset = 3;
    QPolygon polygon;
    polygon << QPoint(Pixels(w / 2 + inset), 0) << QPoint(Pixels(w), Pixels(h))
            << QPoint(Pixels(inset), Pixels(h));
    return polygon;
  }

 private:
  static int Round(double pixels) {
    return static_cast<int>(RoundHalfEven(std::clamp(pixels, -1.0e6, 1.0e6)));
  }

  double factor_ = 1.0;
};

// The conversions at the designed size, for the windows that do not grow.
inline int ToPixel(float twips) {
  return BoardScale().ToPixel(twips);
}

inline double ToTwips(double pixels) {
  return BoardScale().ToTwips(pixels);
}

inline QRect TwipsRect(float left, float top, float width, float height) {
  return BoardScale().TwipsRect(left, top, width, height);
}

inline QSize TwipsSize(float width, float height) {
  return BoardScale().TwipsSize(width, height);
}

}  // namespace vorn
