#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { OK, Yes, No };

// What the save and open dialogs are asked for.
struct FileDialogRequest {
  enum class Kind { Save, Open };
  Kind kind = Kind::Open;
  std::string proposedName;                 // the name last chosen in either dialog
  std::vector<std::string> filters;         // display texts, e.g. "All Files (*.*)"
  std::vector<std::string> filterPatterns;  // one pattern list per filter, e.g. "*"
  int selectedFilter = 0;
  // Saving appends it to a typed name without a dot. Opening takes the name as
  // typed when that file exists, and the name with the suffix only when it does not.
  std::string defaultSuffix;
};

// The result of a file operation: std::nullopt on success, otherwise the
// system's description of the failure.
using FileError = std::optional<std::string>;

// Everything the game's rules need from the window system. The program uses
// the Qt implementation; tests use a scripted one that records each request.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) = 0;

  // Lets the window repaint and handle what is pending, then returns.
  virtual void DoEvents() = 0;

  // A monotonic clock: game times never jump with the time of day.
  virtual std::chrono::steady_clock::time_point Now() = 0;

  // Per-user settings store, addressed by application, section and key.
  virtual std::optional<std::string> GetSetting(const std::string& appName,
                                                const std::string& section,
                                                const std::string& key) = 0;
  // Reads the section's values as they are stored now and stores the values
  // that change returns (key -> value), as one step that no other copy of the
  // game comes between. On failure nothing is stored, and the error names the
  // store and says why.
  using SettingReader = std::function<std::optional<std::string>(const std::string& key)>;
  using SettingChange = std::function<std::map<std::string, std::string>(const SettingReader&)>;
  virtual FileError UpdateSettings(const std::string& appName, const std::string& section,
                                   const SettingChange& change) = 0;
  FileError SaveSetting(const std::string& appName, const std::string& section,
                        const std::string& key, const std::string& value) {
    return UpdateSettings(appName, section, [&](const SettingReader&) {
      return std::map<std::string, std::string>{{key, value}};
    });
  }
  // The executable's file name without its extension.
  virtual std::string AppName() = 0;

  // Shows a file dialog; std::nullopt when the player cancels.
  virtual std::optional<std::string> ShowFileDialog(const FileDialogRequest& request) = 0;

  // Writes a regular file (through a symbolic link, its target) or a new one.
  // The file changes only once every byte is on disk; on any failure the old
  // bytes stay (or are put back) and the error says why. Anything that is not
  // a regular file (a folder, a device, a pipe) is refused and left alone.
  virtual FileError WriteFileAtomically(const std::string& path, const std::string& bytes) = 0;
  // Reads at most maxBytes from the start of an existing regular file, at once:
  // a folder, a device or a pipe is an error, never a wait. Never creates a file.
  virtual FileError ReadFileUpTo(const std::string& path, std::size_t maxBytes,
                                 std::string& bytes) = 0;
};

}  // namespace vorn
