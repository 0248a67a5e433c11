#include <QApplication>
#include <QScreen>
#include <QSessionManager>

#include "platform/qt_platform.h"
#include "platform/termination_signals.h"
#include "ui/form1_window.h"
#include "ui/languages.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // Ties the windows to the launcher (the Wayland application id); on X11 the
  // launcher names the window class, which is the executable's name.
  QGuiApplication::setDesktopFileName(VORN_APP_ID);
  vorn::Languages languages;
  languages.Use(QLocale::system());
  vorn::QtPlatform platform;
  vorn::Form1Window window(platform);
  platform.SetHost(&window, [&window] { window.SyncView(); });

  // A logout, a shutdown or a request to terminate closes without a question,
  // and the level is still stored.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager&) { window.CommitData(); });
  vorn::OnTerminationRequest([&window] { window.Terminate(); });

  window.setWindowIcon(QIcon(":/assets/icon.svg"));
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
  window.show();
  // Window managers give a new window the keyboard by its task-bar entry,
  // and the board has none: it asks for the keyboard itself once mapped.
  window.activateWindow();
  return QApplication::exec();
}
