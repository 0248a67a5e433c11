#include "platform/scripted_platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vorn {

namespace {
std::string SettingKey(const std::string& app, const std::string& section, const std::string& key) {
  return app + "/" + section + "/" + key;
}
}  // namespace

MsgAnswer ScriptedPlatform::MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                   const std::string& title) {
  if (beforeMsgBox) beforeMsgBox();
  msgBoxes.push_back({prompt, buttons, icon, title});
  if (onMsgBox) onMsgBox(msgBoxes.back());
  if (buttons == MsgButtons::OK) return MsgAnswer::OK;
  if (answers.empty()) return MsgAnswer::No;
  const MsgAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedPlatform::DoEvents() {
  ++doEventsCalls;
  if (onDoEvents) onDoEvents();
}

std::optional<std::string> ScriptedPlatform::GetSetting(const std::string& app,
                                                        const std::string& section,
                                                        const std::string& key) {
  auto it = settings.find(SettingKey(app, section, key));
  if (it == settings.end()) return std::nullopt;
  return it->second;
}

FileError ScriptedPlatform::UpdateSettings(const std::string& app, const std::string& section,
                                           const SettingChange& change) {
  const auto changes =
      change([&](const std::string& key) { return GetSetting(app, section, key); });
  if (failSettings) return failSettings;
  for (const auto& [key, value] : changes) settings[SettingKey(app, section, key)] = value;
  ++settingWrites;
  return std::nullopt;
}

std::optional<std::string> ScriptedPlatform::ShowFileDialog(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (fileChoices.empty()) return std::nullopt;
  auto choice = fileChoices.front();
  fileChoices.pop_front();
  return choice;
}

namespace {
// Like the real platform, only regular files (or new names) are read or written.
FileError NotRegular(const std::string& path) {
  std::error_code ignored;
  const auto status = std::filesystem::status(path, ignored);
  if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) {
    return std::nullopt;
  }
  return std::string("Not a regular file");
}
}  // namespace

FileError ScriptedPlatform::WriteFileAtomically(const std::string& path, const std::string& bytes) {
  if (failNextWrite) {
    auto error = failNextWrite;
    failNextWrite.reset();
    return error;
  }
  if (FileError error = NotRegular(path)) return error;
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return std::string(std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return std::string(std::strerror(errno));
  }
  // Replaces an existing file on every system; std::rename refuses to on Windows.
  std::error_code error;
  std::filesystem::rename(temp, path, error);
  if (error) {
    std::remove(temp.c_str());
    return error.message();
  }
  return std::nullopt;
}

FileError ScriptedPlatform::ReadFileUpTo(const std::string& path, std::size_t maxBytes,
                                         std::string& bytes) {
  largestRead = std::max(largestRead, maxBytes);
  if (FileError error = NotRegular(path)) return error;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string(std::strerror(errno));
  std::string read(maxBytes, '\0');
  in.read(read.data(), static_cast<std::streamsize>(maxBytes));
  read.resize(static_cast<std::size_t>(in.gcount()));
  bytes = std::move(read);
  return std::nullopt;
}

}  // namespace vorn
