#include "persistence/best_times.h"

#include <charconv>

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

BestTime ReadLevel(Platform& platform, int level) {
  const std::string app = platform.AppName();
  BestTime best;
  best.seconds = Count(platform.GetSetting(app, kSection, Key(level, "Seconds")));
  best.wins = Count(platform.GetSetting(app, kSection, Key(level, "Wins"))).value_or(0);
  if (best.seconds) {
    best.date = platform.GetSetting(app, kSection, Key(level, "Date")).value_or("");
  }
  return best;
}

void WriteLevel(Platform& platform, int level, const BestTime& best) {
  const std::string app = platform.AppName();
  platform.SaveSetting(app, kSection, Key(level, "Seconds"),
                       best.seconds ? std::to_string(*best.seconds) : "");
  platform.SaveSetting(app, kSection, Key(level, "Date"), best.date);
  platform.SaveSetting(app, kSection, Key(level, "Wins"), std::to_string(best.wins));
}

}  // namespace

std::array<BestTime, kLevelCount> ReadBestTimes(Platform& platform) {
  std::array<BestTime, kLevelCount> all;
  for (int level = 0; level < kLevelCount; ++level) all[level] = ReadLevel(platform, level);
  return all;
}

bool RecordWin(Platform& platform, std::int16_t level, long long seconds, const std::string& date) {
  if (level < 0 || level >= kLevelCount || seconds < 0) return false;
  BestTime best = ReadLevel(platform, level);
  ++best.wins;
  const bool beaten = !best.seconds || seconds < *best.seconds;
  if (beaten) {
    best.seconds = seconds;
    best.date = date;
  }
  WriteLevel(platform, level, best);
  return beaten;
}

void ClearBestTimes(Platform& platform) {
  for (int level = 0; level < kLevelCount; ++level) WriteLevel(platform, level, BestTime{});
}

}  // namespace vorn
