#include "board/eat_label.h"

#include <cmath>

namespace vorn {

namespace {

// Whole twips, halves to the even neighbour.
long WholeTwips(double v) {
  return std::lrint(v);
}

long MidwayWhole(long a, long b) {
  return a <= b ? WholeTwips(static_cast<double>(b - a) / 2 + a)
                : WholeTwips(static_cast<double>(a - b) / 2 + b);
}

}  // namespace

void EatLabel(Form1& f, std::int16_t lblFrom, std::int16_t lblto) {
  const Hole& from = f.Image2[lblFrom];
  const Hole& to = f.Image2[lblto];
  const long fx = WholeTwips(double{from.Width} / 2 + from.Left);
  const long fy = WholeTwips(double{from.Height} / 2 + from.Top);
  const long tx = WholeTwips(double{to.Width} / 2 + to.Left);
  const long ty = WholeTwips(double{to.Height} / 2 + to.Top);
  const double mx = static_cast<double>(MidwayWhole(fx, tx));
  const double my = static_cast<double>(MidwayWhole(fy, ty));

  for (Hole& hole : f.Image2) {
    const bool contains = hole.Left<mx&& double{hole.Left} + hole.Width> mx &&
                          hole.Top<my&& double{hole.Top} + hole.Height> my;
    if (!contains || !hole.Tag || !from.Tag) continue;
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
