#include "platform/sys_info.h"

#include <QProcess>
#include <QStandardPaths>

namespace vorn {

const std::vector<std::string>& KnownInformationViewers() {
  static const std::vector<std::string> viewers = {
      "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager",
  };
  return viewers;
}

#ifndef _WIN32
bool StartSystemInformationViewer() {
  for (const std::string& name : KnownInformationViewers()) {
    const QString path = QStandardPaths::findExecutable(QString::fromStdString(name));
    if (path.isEmpty()) continue;
    return QProcess::startDetached(path, {});
  }
  return false;
}
#endif

}  // namespace vorn
