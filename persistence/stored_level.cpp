#include "persistence/stored_level.h"

#include <map>
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

std::optional<std::int16_t> ReadStoredBoardSize(Platform& platform) {
  const auto stored = platform.GetSetting(platform.AppName(), kSection, kSizeKey);
  for (const std::int16_t size : kBoardSizes) {
    if (stored == std::to_string(size)) return size;
  }
  return std::nullopt;
}

FileError WriteStoredSettings(Platform& platform, std::int16_t gameLevel, std::int16_t percent) {
  return platform.UpdateSettings(platform.AppName(), kSection, [&](const Platform::SettingReader&) {
    return std::map<std::string, std::string>{{kKey, std::to_string(gameLevel)},
                                              {kSizeKey, std::to_string(percent)}};
  });
}

}  // namespace vorn
