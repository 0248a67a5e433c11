#include "board/eat_label.h"

#include "board/rounding.h"

namespace vorn {

namespace {

// Halfway between two whole twips, rounded to whole twips; the same whichever
// comes first.
long MidwayWhole(long a, long b) {
  return a <= b ? RoundHalfEven(static_cast<double>(b - a) / 2 + a)
                : RoundHalfEven(static_cast<double>(a - b) / 2 + b);
}

double Right(const Hole& hole) {
  return double{hole.Left} + hole.Width;
}

double Bottom(const Hole& hole) {
  return double{hole.Top} + hole.Height;
}

// Whether the point lies inside the hole's rectangle; its edges are outside.
bool HoleContains(const Hole& hole, double x, double y) {
  return hole.Left < x && x < Right(hole) && hole.Top < y && y < Bottom(hole);
}

}  // namespace

void EatLabel(Form1& f, std::int16_t lblFrom, std::int16_t lblto) {
  const Hole& from = f.Image2[lblFrom];
  const Hole& to = f.Image2[lblto];
  const long fx = RoundHalfEven(double{from.Width} / 2 + from.Left);
  const long fy = RoundHalfEven(double{from.Height} / 2 + from.Top);
  const long tx = RoundHalfEven(double{to.Width} / 2 + to.Left);
  const long ty = RoundHalfEven(double{to.Height} / 2 + to.Top);
  const double mx = static_cast<double>(MidwayWhole(fx, tx));
  const double my = static_cast<double>(MidwayWhole(fy, ty));

  for (Hole& hole : f.Image2) {
    // Only a ball jumped over by a ball of the source hole is eaten.
    if (!HoleContains(hole, mx, my) || !hole.Tag || !from.Tag) continue;
    // A full history takes no more jumps, and the board stays as it is.
    const std::int32_t n = f.PlayCount;
    if (n < 0 || n >= kPlayListSize) return;
    PlayRec& rec = f.PlayList[n];
    rec.FromLabel = lblFrom;
    rec.MovedBall = *from.Tag;
    rec.ToLabel = lblto;
    rec.OverLabel = hole.Index;
    rec.EatenBall = *hole.Tag;
    f.PlayCount = n + 1;
    f.Menu.mnuUndo.Enabled = true;
    f.Menu.mnuSave.Enabled = true;
    f.Image1[*hole.Tag].Visible = false;
    hole.Tag.reset();
  }
}

}  // namespace vorn
