#include "persistence/best_times.h"

#include <charconv>
#include <map>

namespace vorn {

namespace {

const std::string kSection = "BestTimes";

std::string Key(int level, const char* what) {
  return "Level" + std::to_string(level + 1) + what;
}

// A whole number of at most 15 digits, nothing else; none otherwise.
std::optional<long long> Count(const std::optional<std::string>& text) {
  if (!text || text->empty() || text->size() > 15) return std::nullopt;
  long long value = 0;
  const char* end = text->data() + text->size();
  const auto [rest, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc() || rest != end || value < 0) return std::nullopt;
  return value;
}

// A date as the game writes it, YYYY-MM-DD; anything else (a hand-edited
// text, however long) is no date.
std::string DateOrNone(const std::optional<std::string>& text) {
  if (!text || text->size() != 10) return {};
  for (std::size_t i = 0; i < text->size(); ++i) {
    const bool dash = i == 4 || i == 7;
    if (dash ? (*text)[i] != '-' : ((*text)[i] < '0' || (*text)[i] > '9')) return {};
  }
  return *text;
}

BestTime ReadLevel(const Platform::SettingReader& read, int level) {
  BestTime best;
  best.seconds = Count(read(Key(level, "Seconds")));
  best.wins = Count(read(Key(level, "Wins"))).value_or(0);
  if (best.seconds) best.date = DateOrNone(read(Key(level, "Date")));
  return best;
}

std::map<std::string, std::string> Written(int level, const BestTime& best) {
  return {{Key(level, "Seconds"), best.seconds ? std::to_string(*best.seconds) : ""},
          {Key(level, "Date"), best.date},
          {Key(level, "Wins"), std::to_string(best.wins)}};
}

}  // namespace

std::array<BestTime, kLevelCount> ReadBestTimes(Platform& platform) {
  const std::string app = platform.AppName();
  const auto read = [&](const std::string& key) { return platform.GetSetting(app, kSection, key); };
  std::array<BestTime, kLevelCount> all;
  for (int level = 0; level < kLevelCount; ++level) all[level] = ReadLevel(read, level);
  return all;
}

WinRecorded RecordWin(Platform& platform, std::int16_t level, long long seconds,
                      const std::string& date) {
  if (level < 0 || level >= kLevelCount || seconds < 0) return {};
  bool beaten = false;
  const FileError error = platform.UpdateSettings(
      platform.AppName(), kSection, [&](const Platform::SettingReader& read) {
        BestTime best = ReadLevel(read, level);
        ++best.wins;
        beaten = !best.seconds || seconds < *best.seconds;
        if (beaten) {
          best.seconds = seconds;
          best.date = date;
        }
        return Written(level, best);
      });
  return {beaten && !error, error};
}

FileError ClearBestTimes(Platform& platform) {
  return platform.UpdateSettings(platform.AppName(), kSection, [](const Platform::SettingReader&) {
    std::map<std::string, std::string> all;
    for (int level = 0; level < kLevelCount; ++level) all.merge(Written(level, BestTime{}));
    return all;
  });
}

}  // namespace vorn
