#pragma once

#include <cstdint>
#include <optional>

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// The level chosen in the last run: "0", "1" or "2" under Settings/GLevel of
// the executable's name. Anything else, or nothing stored, is level 0.
std::int16_t ReadStoredLevel(Platform& platform);

// The board size chosen in the last run, in percent, under Settings/BoardSize
// beside the level; none when nothing, or anything but one of kBoardSizes,
// is stored.
std::optional<std::int16_t> ReadStoredBoardSize(Platform& platform);

// Stores the level and the board size together; on failure neither is stored.
FileError WriteStoredSettings(Platform& platform, std::int16_t gameLevel, std::int16_t percent);

}  // namespace vorn
