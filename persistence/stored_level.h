#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace vorn {

// The level chosen in the last run: "0", "1" or "2" under Settings/GLevel of
// the executable's name. Anything else, or nothing stored, is level 0.
std::int16_t ReadStoredLevel(Platform& platform);
void WriteStoredLevel(Platform& platform, std::int16_t gameLevel);

}  // namespace vorn
