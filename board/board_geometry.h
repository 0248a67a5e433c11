#pragma once

#include <array>

namespace vorn {

// Board coordinates are twips, 1440 to the inch; only the window knows pixels.

struct LineElement {
  float X1, Y1, X2, Y2;
};

// The border lines of the board picture. Line2 is never drawn: the layout only
// reads it. Line1 and Line3 are drawn 3 pixels wide.
constexpr LineElement kLine1{2167, 0, 4275, 3360};
constexpr LineElement kLine2{2160, 0, 120, 3240};
constexpr LineElement kLine3{4300, 3320, 0, 3320};
constexpr float kLineWidthPixels = 3;

// The board picture fills the window; it is a little larger than the client area.
constexpr float kPicture1Width = 4335;
constexpr float kPicture1Height = 3375;
constexpr int kBackgroundWidthPixels = 281;
constexpr int kBackgroundHeightPixels = 222;

// Client area as designed, in pixels.
constexpr int kClientWidthPixels = 287;
constexpr int kClientHeightPixels = 222;

// The first hole of each row, from the apex down; row r holds r + 1 holes.
constexpr int kRowFirstHole[] = {0, 1, 3, 6, 10, 15, 21};
constexpr int kMaxRows = 7;

struct PixelPoint {
  int x, y;
};

// The window's triangle for a client area of w x h pixels: apex, bottom right,
// bottom left. Coordinates round half to even.
std::array<PixelPoint, 3> TriangleRegion(double w, double h);

}  // namespace vorn
