// A later start of the game, as far as finding the copy that runs: exits 0
// when a running copy answered (this one would then end), 1 when it is the
// only copy. Usage: start_again APP_ID TOKEN
#include <QCoreApplication>

#include "platform/running_copy.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return 2;
  vorn::RunningCopy copy(argv[1]);
  return copy.BecomeTheOnlyCopy(argv[2]) ? 1 : 0;
}
