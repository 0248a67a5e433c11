#include "platform/scripted_platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vorn {

namespace {
std::string SettingKey(const std::string& app, const std::string& section, const std::string& key) {
  return app + "/" + section + "/" + key;
}
}  // namespace

MsgAnswer ScriptedPlatform::MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                   const std::string& title) {
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

void ScriptedPlatform::SaveSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& value) {
  settings[SettingKey(app, section, key)] = value;
  ++settingWrites;
}

std::optional<std::string> ScriptedPlatform::ShowFileDialog(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (fileChoices.empty()) return std::nullopt;
  auto choice = fileChoices.front();
  fileChoices.pop_front();
  return choice;
}

FileError ScriptedPlatform::WriteFileAtomically(const std::string& path, const std::string& bytes) {
  if (failNextWrite) {
    auto error = failNextWrite;
    failNextWrite.reset();
    return error;
  }
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return std::string(std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return std::string(std::strerror(errno));
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string error = std::strerror(errno);
    std::remove(temp.c_str());
    return error;
  }
  return std::nullopt;
}

FileError ScriptedPlatform::ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string(std::strerror(errno));
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return std::nullopt;
}

}  // namespace vorn
