#include "platform/wayland_shell.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>

namespace vorn {

namespace {

struct ShellModule {
  void (*keepOffPlasmaTaskBar)(QWidget*, bool) = nullptr;
  void (*markModalForGnome)(QWidget*) = nullptr;
};

// The module, loaded at the first call on Wayland: beside the game in the
// build, or where it is installed relative to the game. Without it (a build
// without Qt's Wayland client headers) nothing is done.
const ShellModule& Module() {
  static const ShellModule module = [] {
    ShellModule found;
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& folder : {here, here + "/" VORN_WAYLAND_SHELL_FROM_GAME}) {
      const QString path = folder + "/libvorn_wayland_shell.so";
      if (!QFileInfo::exists(path)) continue;
      QLibrary library(path);
      if (!library.load()) continue;
      found.keepOffPlasmaTaskBar = reinterpret_cast<void (*)(QWidget*, bool)>(
          library.resolve("vorn_keep_off_plasma_task_bar"));
      found.markModalForGnome =
          reinterpret_cast<void (*)(QWidget*)>(library.resolve("vorn_mark_modal_for_gnome"));
      break;
    }
    return found;
  }();
  return module;
}

bool OnWayland() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

void KeepOffPlasmaTaskBar(QWidget* window, bool inSwitcher) {
  if (OnWayland() && Module().keepOffPlasmaTaskBar)
    Module().keepOffPlasmaTaskBar(window, inSwitcher);
}

void MarkModalForGnome(QWidget* dialog) {
  if (OnWayland() && Module().markModalForGnome) Module().markModalForGnome(dialog);
}

}  // namespace vorn
