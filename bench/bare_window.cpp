// The reference for bench/startup: a bare Qt Widgets window, as small as a
// program that shows one can be, so that the game's start can be given as a
// multiple of what Qt itself costs on the same machine in the same run.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(400, 350);
  window.show();
  return QApplication::exec();
}
