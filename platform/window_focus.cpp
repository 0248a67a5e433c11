#include "platform/window_focus.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QVersionNumber>

namespace vorn {

namespace {

bool OnWayland() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

void StopActivationOnFocusChange() {
  // The plugin ships with the Qt libraries the game runs on: their version
  // tells whether it makes the request. Right after the application object
  // is made, the plugin's is the signal's only connection, made with the
  // application object as its context.
  const QVersionNumber qt = QLibraryInfo::version();
  if (!OnWayland() || qt.majorVersion() != 6 || qt.minorVersion() != 4) return;
  QObject::disconnect(qGuiApp, &QGuiApplication::focusObjectChanged, qGuiApp, nullptr);
}

void AskForKeyboard(QWidget* window) {
  if (!OnWayland()) window->activateWindow();
}

}  // namespace vorn
