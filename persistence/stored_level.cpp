#include "persistence/stored_level.h"

#include <string>

namespace vorn {

namespace {
const std::string kSection = "Settings";
const std::string kKey = "GLevel";
}  // namespace

std::int16_t ReadStoredLevel(Platform& platform) {
  const auto stored = platform.GetSetting(platform.AppName(), kSection, kKey);
  if (stored == "0" || stored == "1" || stored == "2") {
    return static_cast<std::int16_t>(stored->front() - '0');
  }
  return 0;
}

void WriteStoredLevel(Platform& platform, std::int16_t gameLevel) {
  platform.SaveSetting(platform.AppName(), kSection, kKey, std::to_string(gameLevel));
}

}  // namespace vorn
