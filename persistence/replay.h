#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "board/form1.h"

namespace vorn {

enum class ReplayFault { None, Malformed, Impossible, TooManyJumps };

struct ReplayOutcome {
  std::size_t jumpsApplied = 0;
  ReplayFault fault = ReplayFault::None;
  std::size_t faultyJump = 0;  // index of the record at fault
};

// Replays saved jumps on a freshly laid-out board through the same rules as a
// jump made by hand, stopping at the first jump the board does not allow. The
// history records what the board really moved. A first jump that lands
// elsewhere than the apex shows the game began from that hole, so that
// starting choice is made first.
ReplayOutcome ReplayJumps(Form1& f, const std::vector<PlayRec>& records,
                          const std::function<void()>& afterEachJump = {});

// The level on which the whole record list replays: the current one if it
// does, otherwise the smallest that does. Without one, the outcome on the
// level that got furthest.
struct LevelChoice {
  std::optional<std::int16_t> level;
  ReplayOutcome furthest;
};
LevelChoice FindReplayLevel(const Form1& f, const std::vector<PlayRec>& records);

}  // namespace vorn
