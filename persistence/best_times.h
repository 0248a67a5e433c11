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
  std::string date;                  // when the best time was made: YYYY-MM-DD, or empty
  long long wins = 0;                // counted wins
  friend bool operator==(const BestTime&, const BestTime&) = default;
};

constexpr int kLevelCount = 3;

// The records of the three levels; a missing or unusable value reads as none.
std::array<BestTime, kLevelCount> ReadBestTimes(Platform& platform);

// What became of a win: whether its time is the level's new best, and why
// it could not be stored, if it could not (then nothing of it was).
struct WinRecorded {
  bool newBest = false;
  FileError error;
};

// Counts a win of the level in the given time, made on the given date; the
// time becomes the level's best when it beats it (or is its first). The
// record is read and written in one step, so wins of two copies of the game
// at the same moment are both counted.
WinRecorded RecordWin(Platform& platform, std::int16_t level, long long seconds,
                      const std::string& date);

// Forgets the records of every level.
FileError ClearBestTimes(Platform& platform);

}  // namespace vorn
