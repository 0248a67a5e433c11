#include "board/move_targeting.h"

#include <array>

#include "board/hole_geometry.h"

namespace vorn {

namespace {

struct ProbePoint {
  float x, y;
};

// The six points two steps away from hole blk, in probe order: both ways
// along both diagonals, then both ways along the row. The layout's left and
// right steps differ, so a probe lands near, not on, the far hole's centre.
std::array<ProbePoint, 6> Probes(const Form1& f, std::int16_t blk) {
  const Hole& hole = f.Image2[blk];
  const double cx = double{hole.Width} / 2 + hole.Left;
  const double cy = double{hole.Height} / 2 + hole.Top;
  const double dx = f.DiagJumpDX, dy = 2.0 * f.RowPitch, rx = f.RowJumpDX;
  auto point = [](double x, double y) {
    return ProbePoint{static_cast<float>(x), static_cast<float>(y)};
  };
  return {point(cx + dx, cy + dy), point(cx + dx, cy - dy), point(cx - dx, cy - dy),
          point(cx - dx, cy + dy), point(cx + rx, cy),      point(cx - rx, cy)};
}

bool HoldsBall(const Form1& f, std::optional<std::int16_t> hole) {
  return hole && f.Image2[*hole].Tag.has_value();
}

void Append(std::array<std::int16_t, kListSize>& list, std::int16_t& count, std::int16_t hole) {
  if (count >= 0 && count < kListSize) list[count++] = hole;
}

}  // namespace

std::array<std::int16_t, 6> ProbedHoles(const Form1& f, std::int16_t blk) {
  std::array<std::int16_t, 6> holes{};
  const auto probes = Probes(f, blk);
  for (int i = 0; i < 6; ++i) holes[i] = Whatlabel(f, probes[i].x, probes[i].y);
  return holes;
}

std::int16_t PosMove(Form1& f, std::int16_t blk) {
  for (const std::int16_t k : ProbedHoles(f, blk)) {
    if (k == kNoHole || !f.Image2[k].Tag) continue;
    if (!HoldsBall(f, BetweenLabel(f, blk, k))) continue;
    Append(f.MoveList, f.MoveCount, k);
    f.Image1[*f.Image2[k].Tag].MousePointer = PointerKind::Custom;
  }
  return 0;
}

std::int16_t PosDrop(Form1& f, std::int16_t blk) {
  for (const std::int16_t k : ProbedHoles(f, blk)) {
    if (k == kNoHole || f.Image2[k].Tag) continue;
    if (!HoldsBall(f, BetweenLabel(f, blk, k))) continue;
    Append(f.DropList, f.DropCount, k);
  }
  return 0;
}

}  // namespace vorn
