// A copy of the game counting its wins: adds one to a stored count, again
// and again, through the Qt platform's settings store.
// Usage: count_up APP TIMES   (the store's folder comes from XDG_CONFIG_HOME)
#include <QCoreApplication>

#include <cstdlib>
#include <iostream>

#include "platform/qt_platform.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return 2;
  vorn::QtPlatform platform;
  for (int i = std::atoi(argv[2]); i > 0; --i) {
    const vorn::FileError error = platform.UpdateSettings(
        argv[1], "BestTimes", [](const vorn::Platform::SettingReader& read) {
          const int wins = std::atoi(read("Level1Wins").value_or("0").c_str());
          return std::map<std::string, std::string>{{"Level1Wins", std::to_string(wins + 1)}};
        });
    if (error) {
      std::cerr << *error << "\n";
      return 1;
    }
  }
  return 0;
}
