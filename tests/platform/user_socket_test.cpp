#include "platform/user_socket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <future>
#include <optional>

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace vorn {
namespace {

// A socket bound at a path that nobody listens on, as a copy that ended
// leaves it; the descriptor stays open while the test runs.
int BindWithoutListening(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  std::memcpy(address.sun_path, name.constData(), name.size());
  EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  return fd;
}

TEST(UserSocket, AStartFindsNobodyWhereNoneListensAndCannotUseANameTooLong) {
  QTemporaryDir dir;
  const QString path = dir.filePath("vorn.socket");
  EXPECT_EQ(AskOverSocket(path, "token\n", 1000), SocketAnswer::NobodyListens);
  const int left = BindWithoutListening(path);
  EXPECT_EQ(AskOverSocket(path, "token\n", 1000), SocketAnswer::NobodyListens);
  ::close(left);
  EXPECT_EQ(AskOverSocket(dir.filePath(QString(200, 'x')), "token\n", 1000),
            SocketAnswer::Unreachable);
}

TEST(UserSocket, TheListenerTakesOverALeftSocketForTheUserAloneAndAnswersEachStart) {
  QTemporaryDir dir;
  const QString path = dir.filePath("vorn.socket");
  const int left = BindWithoutListening(path);
  std::optional<QByteArray> heard;
  {
    SocketListener listener;
    ASSERT_TRUE(listener.Listen(path, [&heard](const QByteArray& line) { heard = line; }));
    struct stat named;
    ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &named), 0);
    EXPECT_TRUE(S_ISSOCK(named.st_mode));
    EXPECT_EQ(named.st_mode & 0777, 0600);
    // Nothing of the private folder it was bound in stays behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"vorn.socket"});

    // The start waits for the answer while this copy's event loop runs.
    auto asked = std::async(std::launch::async,
                            [&path] { return AskOverSocket(path, "launch-42\n", 5000); });
    const QDeadlineTimer deadline(5000);
    while (!heard && !deadline.hasExpired()) QTest::qWait(10);
    ASSERT_TRUE(heard);
    EXPECT_EQ(*heard, "launch-42");
    EXPECT_EQ(asked.get(), SocketAnswer::Answered);

    // A request that never ends its line is dropped, not handed over.
    heard.reset();
    auto endless = std::async(
        std::launch::async, [&path] { return AskOverSocket(path, QByteArray(10000, 'x'), 2000); });
    while (endless.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
      QTest::qWait(10);
    }
    EXPECT_FALSE(heard);
  }
  // The name goes with the listener.
  EXPECT_FALSE(QFile::exists(path));
  ::close(left);
}

// Only a socket nobody listens on is taken over: never a live one (another
// copy starting at the same moment), never a file of the same name.
TEST(UserSocket, NeitherALiveSocketNorAFileOfTheSameNameIsTakenOver) {
  QTemporaryDir dir;
  const QString live = dir.filePath("live.socket"), plain = dir.filePath("plain.socket");
  SocketListener first, second, third;
  ASSERT_TRUE(first.Listen(live, {}));
  EXPECT_FALSE(second.Listen(live, {}));
  EXPECT_EQ(AskOverSocket(live, {}, 1000), SocketAnswer::Answered);
  QFile file(plain);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("keep me") == 7);
  file.close();
  EXPECT_FALSE(third.Listen(plain, {}));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "keep me");
}

}  // namespace
}  // namespace vorn
