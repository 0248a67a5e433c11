// The system-information viewer as the registry locates it.
#include <windows.h>

#include <QFileInfo>
#include <QProcess>

#include "platform/sys_info.h"

namespace vorn {

namespace {

constexpr REGSAM kKeyAccess = 0x2003F;

// Reads a string value (or a 32-bit number, as hexadecimal text) of a key.
bool GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(KeyRoot, KeyName.c_str(), 0, kKeyAccess, &key) != ERROR_SUCCESS) {
    KeyVal.clear();
    return false;
  }
  char buffer[1024] = {};
  DWORD size = sizeof buffer;
  DWORD type = 0;
  const LONG rc = RegQueryValueExA(key, SubKeyRef.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) {
    KeyVal.clear();
    return false;
  }
  std::string value(buffer, size);
  if (!value.empty() && value.back() == '\0') value.pop_back();
  if (type == REG_SZ) {
    KeyVal = value;
  } else if (type == REG_DWORD && value.size() >= 4) {
    char text[16];
    DWORD number = 0;
    memcpy(&number, value.data(), 4);
    snprintf(text, sizeof text, "%lX", static_cast<unsigned long>(number));
    KeyVal = text;
  }
  return true;
}

}  // namespace

bool StartSystemInformationViewer() {
  std::string path;
  if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
    return QProcess::startDetached(QString::fromStdString(path), {});
  }
  if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                  path)) {
    const QString file = QString::fromStdString(path) + "\\MSINFO32.EXE";
    if (QFileInfo::exists(file)) return QProcess::startDetached(file, {});
  }
  return false;
}

}  // namespace vorn
