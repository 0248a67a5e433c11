#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "platform/platform.h"

namespace vorn {

// The platform over Qt: modal message boxes, the event loop, the native
// per-user settings store, the file dialog and atomic file writes.
class QtPlatform : public Platform {
 public:
  // The window that parents dialogs; beforeModal runs whenever the window
  // system is about to show or repaint something, so the view is up to date.
  void SetHost(QWidget* host, std::function<void()> beforeModal);

  MsgAnswer MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;
  void DoEvents() override;
  std::chrono::steady_clock::time_point Now() override;
  std::optional<std::string> GetSetting(const std::string& appName, const std::string& section,
                                        const std::string& key) override;
  FileError UpdateSettings(const std::string& appName, const std::string& section,
                           const SettingChange& change) override;
  std::string AppName() override;
  std::optional<std::string> ShowFileDialog(const FileDialogRequest& request) override;
  FileError WriteFileAtomically(const std::string& path, const std::string& bytes) override;
  FileError ReadFileUpTo(const std::string& path, std::size_t maxBytes,
                         std::string& bytes) override;

 private:
  void BringViewUpToDate();

  QPointer<QWidget> host_;
  std::function<void()> beforeModal_;
};

}  // namespace vorn
