// The Qt platform: message boxes, the file dialog, and saved-game files on real files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/qt_platform.h"

namespace vorn {
namespace {

TEST(QtPlatformMsgBox, ShowsTheIconTitleTextAndButtonsAsked) {
  using B = QMessageBox;
  const std::tuple<MsgButtons, MsgIcon, B::Icon, MsgAnswer, B::StandardButton> cases[] = {
      {MsgButtons::YesNo, MsgIcon::Question, B::Question, MsgAnswer::No, B::No},
      {MsgButtons::YesNo, MsgIcon::Exclamation, B::Warning, MsgAnswer::Yes, B::Yes},
      {MsgButtons::OK, MsgIcon::Critical, B::Critical, MsgAnswer::OK, B::Ok},
  };
  QtPlatform platform;
  for (const auto& [buttons, icon, shownIcon, answer, click] : cases) {
    bool seen = false;
    // Copies of the bindings: Clang 14 cannot capture structured bindings.
    QTimer::singleShot(0, [&, shownIcon = shownIcon, buttons = buttons, click = click] {
      auto* box = qobject_cast<B*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = true;
      EXPECT_EQ(box->windowTitle() + "|" + box->text(), "The Title|First line\nSecond line");
      EXPECT_EQ(box->icon(), shownIcon);
      EXPECT_EQ(box->standardButtons(), buttons == MsgButtons::OK ? B::Ok : B::Yes | B::No);
      box->button(click)->click();
    });
    EXPECT_EQ(platform.MsgBox("First line\r\nSecond line\r\n", buttons, icon, "The Title"), answer);
    EXPECT_TRUE(seen) << static_cast<int>(icon);
  }
}

class QtPlatformDialog : public ::testing::Test {
 protected:
  // Shows the dialog and picks `typed` in it as a player would type it.
  std::optional<std::string> Choose(FileDialogRequest::Kind kind, const QString& typed) {
    FileDialogRequest request;
    request.kind = kind;
    request.defaultSuffix = "VORN";
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      if (inspect) inspect(dialog);
      dialog->selectFile(In(typed));
      static_cast<QDialog*>(dialog)->accept();  // as the Open or Save button does
    });
    return platform.ShowFileDialog(request);
  }
  std::string Chosen(const QString& name) const { return In(name).toStdString(); }
  QString In(const QString& name) const { return dir.filePath(name); }

  QTemporaryDir dir;
  QtPlatform platform;
  std::function<void(QFileDialog*)> inspect;  // runs while the dialog is up
};

// Qt's own dialog (the only one without a desktop's) never reads a file, which
// may be a pipe, to pick its icon or type: they come from the kind of entry.
TEST_F(QtPlatformDialog, OpeningReachesNamesWithoutADotSavingAddsTheSuffixAndNoFileIsRead) {
  for (const char* name : {"nodotgame", "nodotgame.VORN", "other.VORN"}) {
    QFile file(In(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n") == 9);
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(In("pipe")).constData(), 0644), 0);
  bool inspected = false;
  inspect = [&](QFileDialog* dialog) {
    const QAbstractFileIconProvider* icons = dialog->iconProvider();
    ASSERT_TRUE(inspected = icons != nullptr);
    // Qt's own provider would read the file and call it a PDF document.
    for (auto [name, type] : {std::pair("nodotgame", "File"), std::pair("pipe", "File"),
                              std::pair("folder", "Folder"), std::pair("/", "Drive")}) {
      EXPECT_EQ(icons->type(QFileInfo(QString(name).startsWith('/') ? name : In(name))), type);
    }
  };
  using K = FileDialogRequest::Kind;
  EXPECT_EQ(Choose(K::Open, "pipe"), Chosen("pipe"));
  EXPECT_TRUE(inspected);
  inspect = nullptr;
  EXPECT_EQ(Choose(K::Open, "nodotgame"), Chosen("nodotgame"));
  EXPECT_EQ(Choose(K::Open, "other"), Chosen("other.VORN"));  // only the suffixed one exists
  EXPECT_EQ(Choose(K::Save, "new"), Chosen("new.VORN"));
  EXPECT_EQ(Choose(K::Save, "new.sav"), Chosen("new.sav"));
}

class QtPlatformFiles : public ::testing::Test {
 protected:
  std::string Path(const QString& name) const {
    return (name.startsWith('/') ? name : dir.filePath(name)).toStdString();
  }
  std::string Read(const QString& name) {
    std::string bytes = "unread";
    EXPECT_EQ(platform.ReadFileUpTo(Path(name), 1 << 20, bytes), std::nullopt) << Path(name);
    return bytes;
  }
  // Everything in the folder: no temporary file may be left behind.
  QStringList Entries(const QString& folder) const {
    return QDir(dir.filePath(folder))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  }
  const std::string old = "an old and longer game";
  QTemporaryDir dir;
  QtPlatform platform;
};

TEST_F(QtPlatformFiles, AWriteReplacesTheWholeFileOrALinksTargetAndAFailedOneKeepsTheOldFile) {
  const std::string bytes("new\0bytes", 9);
  ASSERT_TRUE(QDir(dir.path()).mkdir("saves"));
  ASSERT_EQ(platform.WriteFileAtomically(Path("saves/game.VORN"), old), std::nullopt);
  // A link to a regular file in another folder stays a link; its target gets the bytes.
  ASSERT_EQ(::symlink("saves/game.VORN", Path("link.VORN").c_str()), 0);
  EXPECT_EQ(platform.WriteFileAtomically(Path("link.VORN"), bytes), std::nullopt);
  EXPECT_TRUE(QFileInfo(dir.filePath("link.VORN")).isSymLink());
  EXPECT_EQ(Read("saves/game.VORN"), bytes);

  // Beyond the file-size limit the write itself fails, after the temporary
  // file was made, and the signal does not end the program.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const rlimit small{1000, saved.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string read = "untouched";
  const FileError errors[] = {
      platform.WriteFileAtomically(Path("link.VORN"), std::string(14000, 'x')),
      platform.WriteFileAtomically(Path("missing/game.VORN"), "bytes"),
      platform.ReadFileUpTo(Path("none.VORN"), 100, read)};
  ::setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_NE(errors[0].value_or("").find("too large"), std::string::npos) << errors[0].value_or("");
  EXPECT_TRUE(errors[1] && errors[2] && read == "untouched");
  EXPECT_EQ(Read("saves/game.VORN"), bytes);
  EXPECT_EQ(Entries("."), (QStringList{"link.VORN", "saves"}));
  EXPECT_EQ(Entries("saves"), QStringList{"game.VORN"});
}

TEST_F(QtPlatformFiles, ReadsStopAtTheLimitAndPipesFoldersAndDevicesAreNeitherReadNorReplaced) {
  // A sparse file far larger than any game: only the start is read.
  const int fd = ::open(Path("huge").c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_TRUE(fd >= 0 && ::ftruncate(fd, off_t{400} << 20) == 0);
  ::close(fd);
  std::string bytes;
  ASSERT_EQ(platform.ReadFileUpTo(Path("huge"), 14350, bytes), std::nullopt);
  EXPECT_EQ(bytes, std::string(14350, '\0'));

  // A pipe with no writer, a folder, a device answer at once
  // rather than hang. As root a null device of the test's own stands in for
  // /dev/null, which a save over it must not touch.
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0644), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.VORN"));
  ASSERT_EQ(::symlink("loop.VORN", Path("loop.VORN").c_str()), 0);
  const bool device = ::mknod(Path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  for (const char* name : {"pipe", "folder.VORN", "loop.VORN", "/dev/zero", "null"}) {
    if (!device && std::string(name) == "null") continue;
    bytes = "untouched";
    const FileError error = platform.ReadFileUpTo(Path(name), 14350, bytes);
    ASSERT_TRUE(error) << name;
    EXPECT_EQ(bytes, "untouched");
    EXPECT_TRUE(error->find("directory") != std::string::npos ||
                error->find("Not a regular file") != std::string::npos ||
                error->find("symbolic links") != std::string::npos)
        << *error;
    if (name[0] == '/') continue;
    const FileError written = platform.WriteFileAtomically(Path(name), "game");
    EXPECT_TRUE(written && !written->empty()) << name;
  }
  struct stat st;
  EXPECT_TRUE(::stat(Path("pipe").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
  EXPECT_TRUE(::lstat(Path("loop.VORN").c_str(), &st) == 0 && S_ISLNK(st.st_mode));
  EXPECT_TRUE(!device || (::stat(Path("null").c_str(), &st) == 0 && S_ISCHR(st.st_mode)));
}

// A small tmpfs filled up, where mounting is allowed.
TEST_F(QtPlatformFiles, AFullDiskKeepsTheOldFile) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
  if (::mount("tmpfs", Path("disk").c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
  }
  struct Unmount {
    std::string at;
    ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
  } unmount{Path("disk")};
  ASSERT_EQ(platform.WriteFileAtomically(Path("disk/game.VORN"), old), std::nullopt);
  const int fd = ::open(Path("disk/filler").c_str(), O_CREAT | O_WRONLY, 0644);
  const std::string block(4096, 'f');
  while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
  }
  ::close(fd);
  const FileError error =
      platform.WriteFileAtomically(Path("disk/game.VORN"), std::string(14336, 'n'));
  EXPECT_NE(error.value_or("").find("No space left"), std::string::npos) << error.value_or("");
  EXPECT_EQ(Read("disk/game.VORN"), old);
  EXPECT_EQ(Entries("disk"), (QStringList{"filler", "game.VORN"}));
}

// A writable file in a folder that refuses new files is written in place, and
// a failed write there puts the old bytes back. As root nothing is refused, so
// a child process acts as nobody on root's folder.
TEST_F(QtPlatformFiles, AFolderRefusingTheTemporaryFileIsWrittenInPlace) {
  constexpr uid_t kNobody = 65534;
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
  const std::string game = Path("locked/game.VORN");
  ASSERT_EQ(platform.WriteFileAtomically(game, old), std::nullopt);
  ASSERT_TRUE(::chmod(Path(".").c_str(), 0755) == 0 && ::chmod(Path("locked").c_str(), 0755) == 0 &&
              ::chown(game.c_str(), kNobody, kNobody) == 0);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit small{20, 20};
    // The exit code names the first step that went wrong.
    const bool steps[] = {
        ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0,
        platform.WriteFileAtomically(Path("locked/new.VORN"), "x").has_value(),  // no new files
        !platform.WriteFileAtomically(game, "new game"), ::setrlimit(RLIMIT_FSIZE, &small) == 0,
        // with no word of old bytes that could not be put back
        platform.WriteFileAtomically(game, std::string(100, 'x')) == "File too large"};
    for (int i = 0; i < 5; ++i) {
      if (!steps[i]) ::_exit(10 + i);
    }
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(Read("locked/game.VORN"), "new game");  // the save, kept after the failed one
  EXPECT_EQ(Entries("locked"), QStringList{"game.VORN"});
}

}  // namespace
}  // namespace vorn
