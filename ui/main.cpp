#include <QApplication>
#include <QScreen>
#include <QSessionManager>

#include "platform/bring_to_front.h"
#include "platform/qt_platform.h"
#include "platform/running_copy.h"
#include "platform/svg_pictures.h"
#include "platform/termination_signals.h"
#include "platform/window_focus.h"
#include "ui/form1_window.h"
#include "ui/languages.h"

int main(int argc, char* argv[]) {
  // The launch's token, read before Qt takes it from the environment.
  const QString launchToken =
      qEnvironmentVariable("XDG_ACTIVATION_TOKEN", qEnvironmentVariable("DESKTOP_STARTUP_ID"));
  QApplication app(argc, argv);
  vorn::StopActivationOnFocusChange();
  // A copy already running comes to the front instead, and this one ends.
  vorn::RunningCopy runningCopy(VORN_APP_ID);
  if (!runningCopy.BecomeTheOnlyCopy(launchToken)) return 0;
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
  runningCopy.OnShowRequest(
      [&window](const QString& token) { vorn::BringToFront(&window, token); });

  // The icon is for task switchers, not for the board: it is rendered once
  // the board is on screen, in the sizes the window systems ask for.
  window.Picture1()->afterFirstPaint = [&window] {
    window.setWindowIcon(vorn::SvgIcon(":/assets/icon.svg", {16, 32, 64, 128}));
  };
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
  window.show();
  // Window managers give a new window the keyboard by its task-bar entry,
  // and the board has none: it asks for the keyboard itself once mapped
  // (a Wayland compositor gives it unasked).
  vorn::AskForKeyboard(&window);
  return QApplication::exec();
}
