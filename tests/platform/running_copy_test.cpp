// One copy of the game a session, without a session bus: a later start
// finds the running copy on its local socket, hands it the launch's token
// and ends. (With a bus, the desktop tier's second_start check.)
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/running_copy.h"

namespace vorn {
namespace {

TEST(RunningCopy, ALaterStartShowsTheRunningCopyWithItsTokenAndEnds) {
  QTemporaryDir runtime;
  QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
  const QString app = "org.example.VornTest";
  const auto startAgain = [&](const QString& token) {
    QProcess start;
    start.start(VORN_START_AGAIN, {app, token});
    // The running copy answers from this event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return start.state() == QProcess::NotRunning; }, 20000));
    return start.exitCode();
  };

  // A socket left behind by a copy that ended answers nobody: it is taken over.
  const QByteArray stale = RunningCopy::SocketName(app).toUtf8();
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, stale.constData(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);

  RunningCopy first(app);
  QStringList shown;
  first.OnShowRequest([&shown](const QString& token) { shown << token; });
  ASSERT_TRUE(first.BecomeTheOnlyCopy(""));
  EXPECT_EQ(startAgain("launch_TIME42"), 0);
  EXPECT_EQ(startAgain(""), 0);
  EXPECT_EQ(shown, (QStringList{"launch_TIME42", ""}));
}

}  // namespace
}  // namespace vorn
