#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vorn {

// A platform for tests: answers from a script, records every request and
// never blocks.
class ScriptedPlatform : public Platform {
 public:
  struct MsgBoxCall {
    std::string prompt;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
  };

  MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;
  void DoEvents() override;
  std::chrono::steady_clock::time_point Now() override { return now; }
  std::optional<std::string> GetSetting(const std::string& appName, const std::string& section,
                                        const std::string& key) override;
  FileError UpdateSettings(const std::string& appName, const std::string& section,
                           const SettingChange& change) override;
  std::string AppName() override { return appName; }
  std::optional<std::string> ShowFileDialog(const FileDialogRequest& request) override;
  FileError WriteFileAtomically(const std::string& path, const std::string& bytes) override;
  FileError ReadFileUpTo(const std::string& path, std::size_t maxBytes,
                         std::string& bytes) override;

  // Answers for the next message boxes, first first; No (or OK) once used up.
  std::deque<MsgAnswer> answers;
  std::vector<MsgBoxCall> msgBoxes;
  // Runs while a message box is up, e.g. to check what the player sees then.
  std::function<void(const MsgBoxCall&)> onMsgBox;
  // Runs before a message box is shown, as the real platform brings the
  // window up to date then.
  std::function<void()> beforeMsgBox;

  int doEventsCalls = 0;
  std::function<void()> onDoEvents;

  std::chrono::steady_clock::time_point now{};

  std::string appName = "vorn";
  std::map<std::string, std::string> settings;  // "app/section/key" -> value
  int settingWrites = 0;
  // When set, the settings updates fail with this text and store nothing.
  std::optional<std::string> failSettings;

  // Names chosen in the next file dialogs; std::nullopt cancels.
  std::deque<std::optional<std::string>> fileChoices;
  std::vector<FileDialogRequest> fileDialogs;

  // When set, the next write fails with this text and leaves the file alone.
  std::optional<std::string> failNextWrite;
  // The largest read asked for so far.
  std::size_t largestRead = 0;
};

}  // namespace vorn
