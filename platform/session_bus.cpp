#include "platform/session_bus.h"

#include <QFileInfo>
#include <QString>
#include <QtGlobal>

namespace vorn {

bool SessionBusRunning() {
  if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo::exists(runtime + "/bus");
}

bool AccessibilityWouldStartABus() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  return !SessionBusRunning();
#else
  return false;
#endif
}

}  // namespace vorn
