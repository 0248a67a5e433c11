// Saved-game files through the Qt platform, on real files: failures while
// writing, special files, symbolic links, folders that refuse a temporary file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/qt_platform.h"

namespace vorn {
namespace {

class QtPlatformFiles : public ::testing::Test {
 protected:
  std::string Path(const QString& name) const {
    return (name.startsWith('/') ? name : dir.filePath(name)).toStdString();
  }
  std::string Read(const QString& name) {
    std::string bytes = "unread";
    EXPECT_EQ(platform.ReadFileUpTo(Path(name), 1 << 20, bytes), std::nullopt)
        << name.toStdString();
    return bytes;
  }
  // Everything in the folder: no temporary file may be left behind.
  QStringList Entries(const QString& folder = ".") const {
    return QDir(dir.filePath(folder))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  }

  QTemporaryDir dir;
  QtPlatform platform;
};

TEST_F(QtPlatformFiles, WritesReplaceAWholeFileOrALinksTargetAndFailuresChangeNothing) {
  const std::string bytes("new\0bytes", 9);
  ASSERT_TRUE(QDir(dir.path()).mkdir("saves"));
  ASSERT_EQ(platform.WriteFileAtomically(Path("game.sav"), "an old and longer game"), std::nullopt);
  EXPECT_EQ(platform.WriteFileAtomically(Path("game.sav"), bytes), std::nullopt);
  // A write with no folder, one over a folder, a read of a missing file.
  std::string read = "untouched";
  for (const FileError& error : {platform.WriteFileAtomically(Path("missing/game.sav"), "bytes"),
                                 platform.WriteFileAtomically(Path("saves"), "bytes"),
                                 platform.ReadFileUpTo(Path("none.sav"), 100, read)}) {
    EXPECT_TRUE(error && !error->empty());
  }
  EXPECT_EQ(read, "untouched");
  EXPECT_EQ(Entries(), (QStringList{"game.sav", "saves"}));
  EXPECT_EQ(Read("game.sav"), bytes);

  // A link to a regular file (in another folder) stays a link; its target gets the bytes.
  ASSERT_EQ(::symlink("saves/game.VORN", Path("link.VORN").c_str()), 0);
  ASSERT_EQ(platform.WriteFileAtomically(Path("saves/game.VORN"), "old"), std::nullopt);
  EXPECT_EQ(platform.WriteFileAtomically(Path("link.VORN"), "new bytes"), std::nullopt);
  EXPECT_TRUE(QFileInfo(dir.filePath("link.VORN")).isSymLink());
  EXPECT_EQ(Read("saves/game.VORN"), "new bytes");
  EXPECT_EQ(Entries("saves"), QStringList{"game.VORN"});
}

TEST_F(QtPlatformFiles, ReadsStopAtTheLimitAndPipesFoldersAndDevicesAreNeitherReadNorReplaced) {
  // A sparse file far larger than any game: only the start is read.
  const int fd = ::open(Path("huge").c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, off_t{400} << 20), 0);
  ::close(fd);
  std::string bytes;
  ASSERT_EQ(platform.ReadFileUpTo(Path("huge"), 14350, bytes), std::nullopt);
  EXPECT_EQ(bytes, std::string(14350, '\0'));

  // A pipe with no writer, a folder, a device (and links to them) answer at
  // once: a blocking read would hang this test. A null device of the test's
  // own: as root, a save replacing it must not touch /dev/null.
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0644), 0);
  ASSERT_EQ(::symlink(Path("pipe").c_str(), Path("link-to-pipe").c_str()), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.VORN"));
  const bool device = ::mknod(Path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  for (const char* name : {"pipe", "link-to-pipe", "folder.VORN", "/dev/zero", "null"}) {
    if (!device && std::string(name) == "null") continue;
    bytes = "untouched";
    const FileError error = platform.ReadFileUpTo(Path(name), 14350, bytes);
    ASSERT_TRUE(error) << name;
    EXPECT_EQ(bytes, "untouched");
    EXPECT_TRUE(error->find("directory") != std::string::npos ||
                error->find("Not a regular file") != std::string::npos)
        << *error;
    if (name[0] == '/' || name[0] == 'f') continue;
    const FileError written = platform.WriteFileAtomically(Path(name), "game");
    ASSERT_TRUE(written) << name;
    EXPECT_NE(written->find("Not a regular file"), std::string::npos) << *written;
  }
  struct stat st;
  EXPECT_TRUE(::stat(Path("pipe").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
  EXPECT_TRUE(!device || (::stat(Path("null").c_str(), &st) == 0 && S_ISCHR(st.st_mode)));
}

// A file-size limit makes the write itself fail, after the temporary file was
// made: the old file stays byte for byte, and the program is not ended.
TEST_F(QtPlatformFiles, AWriteBeyondTheFileSizeLimitFailsAndKeepsTheOldFile) {
  const std::string old = "an old game of a few bytes";
  ASSERT_EQ(platform.WriteFileAtomically(Path("game.VORN"), old), std::nullopt);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileError error = platform.WriteFileAtomically(Path("game.VORN"), std::string(14000, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("too large"), std::string::npos) << *error;
  EXPECT_EQ(Read("game.VORN"), old);
  EXPECT_EQ(Entries(), QStringList{"game.VORN"});
}

// A full disk: a small tmpfs filled up. Skipped where mounting is refused.
TEST_F(QtPlatformFiles, AFullDiskFailsTheSaveAndKeepsTheOldFile) {
  const std::string disk = Path("disk");
  ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
  }
  struct Unmount {
    std::string at;
    ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
  } unmount{disk};
  const std::string old(140, 'o');
  ASSERT_EQ(platform.WriteFileAtomically(Path("disk/game.VORN"), old), std::nullopt);
  const int fd = ::open(Path("disk/filler").c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  const std::string block(4096, 'f');
  while (::write(fd, block.data(), block.size()) > 0) {
  }
  ::close(fd);
  const FileError error =
      platform.WriteFileAtomically(Path("disk/game.VORN"), std::string(14336, 'n'));
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("No space left"), std::string::npos) << *error;
  EXPECT_EQ(Read("disk/game.VORN"), old);
  EXPECT_EQ(Entries("disk"), (QStringList{"filler", "game.VORN"}));
}

// A writable file in a folder that refuses new files is written in place. As
// root nothing is refused, so a child process runs as nobody: the folder is
// root's, the file nobody's. A failed write in place puts the old bytes back.
TEST_F(QtPlatformFiles, AFolderRefusingTheTemporaryFileIsWrittenInPlace) {
  constexpr uid_t kNobody = 65534;
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
  const std::string game = Path("locked/game.VORN");
  ASSERT_EQ(platform.WriteFileAtomically(game, "the old game, longer"), std::nullopt);
  ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
  ASSERT_EQ(::chmod(Path("locked").c_str(), 0755), 0);
  ASSERT_EQ(::chown(game.c_str(), kNobody, kNobody), 0);
  struct stat before;
  ASSERT_EQ(::stat(game.c_str(), &before), 0);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Distinct exit codes name the step that went wrong.
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(10);
    if (!platform.WriteFileAtomically(Path("locked/new.VORN"), "x")) ::_exit(11);  // no new files
    if (platform.WriteFileAtomically(game, "new game")) ::_exit(12);
    rlimit small{20, 20};
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0) ::_exit(13);
    const FileError error = platform.WriteFileAtomically(game, std::string(100, 'x'));
    if (!error || error->find("too large") == std::string::npos) ::_exit(14);
    if (error->find("could not") != std::string::npos) ::_exit(15);  // the old bytes are back
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(Read("locked/game.VORN"), "new game");  // the save, kept after the failed one
  struct stat after;
  ASSERT_EQ(::stat(game.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);  // the same file, written in place
  EXPECT_EQ(Entries("locked"), QStringList{"game.VORN"});
}

}  // namespace
}  // namespace vorn
