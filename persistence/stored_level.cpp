#include "persistence/stored_level.h"

#include <string>

namespace vorn {

namespace {
const std::string kSection = "Settings";
const std::string kKey = "GLevel";
const std::string kSizeKey = "BoardSize";
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

std::int16_t ReadStoredBoardSize(Platform& platform) {
  const auto stored = platform.GetSetting(platform.AppName(), kSection, kSizeKey);
  for (const std::int16_t size : kBoardSizes) {
    if (stored == std::to_string(size)) return size;
  }
  return 100;
}

void WriteStoredBoardSize(Platform& platform, std::int16_t percent) {
  platform.SaveSetting(platform.AppName(), kSection, kSizeKey, std::to_string(percent));
}

}  // namespace vorn
