#include "board/hint.h"

#include "board/hole_geometry.h"
#include "board/move_targeting.h"

namespace vorn {

std::vector<SolverJump> JumpTable(const Form1& f) {
  std::vector<SolverJump> jumps;
  for (std::int16_t from = 0; from < f.LabelCount; ++from) {
    for (const std::int16_t to : ProbedHoles(f, from)) {
      if (to == kNoHole || to >= f.LabelCount || to == from) continue;
      const auto over = BetweenLabel(f, from, to);
      if (!over || *over >= f.LabelCount || *over == from || *over == to) continue;
      jumps.push_back({from, *over, to});
    }
  }
  return jumps;
}

std::uint32_t OccupiedHoles(const Form1& f) {
  std::uint32_t occupied = 0;
  for (const Hole& hole : f.Image2) {
    if (hole.Index < f.LabelCount && hole.Tag) occupied |= HoleBit(hole.Index);
  }
  return occupied;
}

}  // namespace vorn
