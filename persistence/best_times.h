#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace vorn {

// The record of one level, kept in the per-user settings under BestTimes.
struct BestTime {
  std::optional<long long> seconds;  // none until a counted win
  std::string date;                  // when the best time was made
  long long wins = 0;                // counted wins
  friend bool operator==(const BestTime&, const BestTime&) = default;
};

constexpr int kLevelCount = 3;

// The records of the three levels; a missing or unusable value reads as none.
std::array<BestTime, kLevelCount> ReadBestTimes(Platform& platform);

// Counts a win of the level in the given time, made on the given date. True
// when the time beats the level's best (or is its first), which it then is.
bool RecordWin(Platform& platform, std::int16_t level, long long seconds, const std::string& date);

// Forgets the records of every level.
void ClearBestTimes(Platform& platform);

}  // namespace vorn
