// A request to terminate, as the window system's loop sees it; the shape
// the window is cut to.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <random>

#include <QDir>
#include <QTest>

#include "platform/termination_signals.h"
#include "platform/window_region.h"

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

// The window's cut takes exactly the pixels Qt's own polygon region would:
// the board's triangles at every size, grown a pixel or two for smooth
// edges, and triangles of every other kind, flat, thin, pointing anywhere.
TEST(WindowRegion, ATriangleHasThePixelsOfQtsPolygonRegion) {
  std::vector<QPolygon> triangles;
  for (int percent = 100; percent <= 300; percent += 5) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
      const double grown = percent / 100.0 * ratio;
      const auto at = [&](double x, double y) {
        return QPoint(static_cast<int>(x * grown + 0.5), static_cast<int>(y * grown + 0.5));
      };
      triangles.push_back(QPolygon({at(146, 0), at(287, 222), at(3, 222)}));
      triangles.push_back(QPolygon(
          {at(146, 0) + QPoint(0, -2), at(287, 222) + QPoint(2, 1), at(3, 222) + QPoint(-2, 1)}));
    }
  }
  std::mt19937 random(7);
  std::uniform_int_distribution<int> place(-40, 600);
  for (int i = 0; i < 3000; ++i) {
    triangles.push_back(
        QPolygon({QPoint(place(random), place(random)), QPoint(place(random), place(random) / 8),
                  QPoint(place(random) / 8, place(random))}));
  }
  triangles.push_back(QPolygon({QPoint(5, 5), QPoint(50, 5), QPoint(20, 5)}));
  triangles.push_back(QPolygon({QPoint(5, 5), QPoint(5, 50), QPoint(5, 20)}));
  for (const QPolygon& triangle : triangles) {
    const QRegion qt(triangle, Qt::OddEvenFill);
    EXPECT_TRUE((TriangleRegion(triangle) ^ qt).isEmpty())
        << triangle[0].x() << "," << triangle[0].y() << " " << triangle[1].x() << ","
        << triangle[1].y() << " " << triangle[2].x() << "," << triangle[2].y();
  }
}

}  // namespace
}  // namespace vorn
