// The Qt platform: whole-file writes and reads, message boxes and settings.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/qt_platform.h"

namespace vorn {
namespace {

class QtPlatformFiles : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  std::string Contents(const char* name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
  }
  QStringList Entries() const {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }

  QTemporaryDir dir;
  QtPlatform platform;
};

TEST_F(QtPlatformFiles, WritingOverAFileReplacesItsBytes) {
  const std::string bytes("new\0bytes", 9);
  ASSERT_EQ(platform.WriteFileAtomically(Path("game.sav"), "an old and longer game"), std::nullopt);
  EXPECT_EQ(platform.WriteFileAtomically(Path("game.sav"), bytes), std::nullopt);
  EXPECT_EQ(Contents("game.sav"), bytes);
  EXPECT_EQ(Entries(), QStringList{"game.sav"});  // no temporary file left behind

  std::string read;
  EXPECT_EQ(platform.ReadWholeFile(Path("game.sav"), read), std::nullopt);
  EXPECT_EQ(read, bytes);
}

TEST_F(QtPlatformFiles, AFailedWriteTellsWhyAndChangesNothing) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("saves"));
  ASSERT_EQ(platform.WriteFileAtomically(Path("saves/inside.sav"), "kept"), std::nullopt);
  for (const char* path : {"missing/game.sav", "saves"}) {  // no folder; a folder
    SCOPED_TRACE(path);
    const FileError error = platform.WriteFileAtomically(Path(path), "bytes");
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->empty());
    EXPECT_EQ(Entries(), QStringList{"saves"});
    EXPECT_TRUE(QFileInfo(dir.filePath("saves")).isDir());
    EXPECT_EQ(Contents("saves/inside.sav"), "kept");
  }
}

TEST_F(QtPlatformFiles, ReadingAMissingFileFailsAndCreatesNoFile) {
  std::string bytes = "untouched";
  const FileError error = platform.ReadWholeFile(Path("game.sav"), bytes);
  ASSERT_TRUE(error);
  EXPECT_FALSE(error->empty());
  EXPECT_EQ(bytes, "untouched");
  EXPECT_TRUE(Entries().isEmpty());
}

TEST(QtPlatformMsgBox, ShowsTheIconTitleTextAndButtonsAsked) {
  struct Case {
    MsgButtons buttons;
    MsgIcon icon;
    QMessageBox::Icon shownIcon;
    QMessageBox::StandardButton click;  // a Yes/No box shows both
    MsgAnswer answer;
  };
  const Case cases[] = {
      {MsgButtons::YesNo, MsgIcon::Question, QMessageBox::Question, QMessageBox::No, MsgAnswer::No},
      {MsgButtons::YesNo, MsgIcon::None, QMessageBox::NoIcon, QMessageBox::Yes, MsgAnswer::Yes},
      {MsgButtons::OK, MsgIcon::Exclamation, QMessageBox::Warning, QMessageBox::Ok, MsgAnswer::OK},
      {MsgButtons::OK, MsgIcon::Critical, QMessageBox::Critical, QMessageBox::Ok, MsgAnswer::OK},
  };
  QtPlatform platform;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.icon));
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = true;
      EXPECT_EQ(box->icon(), c.shownIcon);
      EXPECT_EQ(box->windowTitle().toStdString(), "The Title");
      EXPECT_EQ(box->text().toStdString(), "First line\nSecond line");  // no trailing break
      EXPECT_EQ(box->standardButtons(), c.buttons == MsgButtons::OK
                                            ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                            : QMessageBox::Yes | QMessageBox::No);
      box->button(c.click)->click();
    });
    const MsgAnswer answer =
        platform.MsgBox("First line\r\nSecond line\r\n", c.buttons, c.icon, "The Title");
    ASSERT_TRUE(seen);
    EXPECT_EQ(answer, c.answer);
  }
}

TEST(QtPlatformSettings, RoundTripInTheTestsOwnConfigFolder) {
  static int run = 0;  // a name of its own each time the test is repeated
  const std::string app = "vorn_settings_test" + std::to_string(++run);
  QtPlatform platform;
  EXPECT_EQ(platform.GetSetting(app, "Settings", "GLevel"), std::nullopt);
  platform.SaveSetting(app, "Settings", "GLevel", "2");
  EXPECT_EQ(platform.GetSetting(app, "Settings", "GLevel"), "2");
  platform.SaveSetting(app, "Settings", "GLevel", "1");
  EXPECT_EQ(platform.GetSetting(app, "Settings", "GLevel"), "1");
  // Written under the folder the test main chose, not the developer's own.
  EXPECT_TRUE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/" +
                            QString::fromStdString(app + "/" + app + ".conf")));
}

}  // namespace
}  // namespace vorn
