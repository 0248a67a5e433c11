// A request to terminate, as the window system's loop sees it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <QDir>
#include <QTest>

#include "platform/termination_signals.h"

namespace vorn {
namespace {

TEST(TerminationSignals, ReachTheEventLoopAndLeakIntoNoStartedProgram) {
  int requests = 0;
  OnTerminationRequest([&] { ++requests; });
  // Every socket of the process is close-on-exec, so programs started from
  // the About window never hold the game's signal pipe.
  for (const QString& entry :
       QDir("/proc/self/fd").entryList(QDir::System | QDir::NoDotAndDotDot)) {
    const int fd = entry.toInt();
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISSOCK(info.st_mode)) continue;
    EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC) << "socket " << fd;
  }
  ::raise(SIGTERM);
  EXPECT_TRUE(QTest::qWaitFor([&] { return requests == 1; }, 2000));
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, SIG_DFL);
}

}  // namespace
}  // namespace vorn
