#include <QApplication>
#include <QScreen>

#include "platform/qt_platform.h"
#include "ui/form1_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  vorn::QtPlatform platform;
  vorn::Form1Window window(platform);
  platform.SetHost(&window, [&window] { window.SyncView(); });
  window.setWindowIcon(QIcon(":/assets/icon.svg"));
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
  window.show();
  return QApplication::exec();
}
