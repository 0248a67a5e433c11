// The Qt platform: whole-file writes and reads, message boxes and settings.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/qt_platform.h"

namespace vorn {
namespace {

TEST(QtPlatformFiles, WritesReplaceAWholeFileAndFailuresTellWhyAndChangeNothing) {
  QTemporaryDir dir;
  QtPlatform platform;
  auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
  const std::string bytes("new\0bytes", 9);
  ASSERT_TRUE(QDir(dir.path()).mkdir("saves"));
  ASSERT_EQ(platform.WriteFileAtomically(path("saves/kept.sav"), "kept"), std::nullopt);
  ASSERT_EQ(platform.WriteFileAtomically(path("game.sav"), "an old and longer game"), std::nullopt);
  EXPECT_EQ(platform.WriteFileAtomically(path("game.sav"), bytes), std::nullopt);
  // A write with no folder, one over a folder, a read of a missing file.
  std::string read = "untouched";
  for (const FileError& error : {platform.WriteFileAtomically(path("missing/game.sav"), "bytes"),
                                 platform.WriteFileAtomically(path("saves"), "bytes"),
                                 platform.ReadWholeFile(path("none.sav"), read)}) {
    EXPECT_TRUE(error && !error->empty());
  }
  EXPECT_EQ(read, "untouched");
  // No temporary file is left behind, nothing was created, and nothing else replaced.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList{"game.sav", "saves"}));
  for (auto [name, want] :
       {std::pair("game.sav", bytes), std::pair("saves/kept.sav", std::string("kept"))}) {
    EXPECT_EQ(platform.ReadWholeFile(path(name), read), std::nullopt);
    EXPECT_EQ(read, want);
  }
}

TEST(QtPlatformMsgBox, ShowsTheIconTitleTextAndButtonsAsked) {
  using B = QMessageBox;
  const std::tuple<MsgButtons, MsgIcon, B::Icon, MsgAnswer, B::StandardButton> cases[] = {
      {MsgButtons::YesNo, MsgIcon::Question, B::Question, MsgAnswer::No, B::No},
      {MsgButtons::YesNo, MsgIcon::None, B::NoIcon, MsgAnswer::Yes, B::Yes},
      {MsgButtons::OK, MsgIcon::Exclamation, B::Warning, MsgAnswer::OK, B::Ok},
      {MsgButtons::OK, MsgIcon::Critical, B::Critical, MsgAnswer::OK, B::Ok},
  };
  QtPlatform platform;
  for (const auto& [buttons, icon, shownIcon, answer, click] : cases) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
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

TEST(QtPlatformSettings, RoundTripInTheTestsOwnConfigFolder) {
  static int run = 0;  // a name of its own each time the test is repeated
  const std::string app = "vorn_settings_test" + std::to_string(++run);
  QtPlatform platform;
  EXPECT_EQ(platform.GetSetting(app, "Settings", "GLevel"), std::nullopt);
  for (const char* level : {"2", "1"}) {
    platform.SaveSetting(app, "Settings", "GLevel", level);
    EXPECT_EQ(platform.GetSetting(app, "Settings", "GLevel"), level);
  }
  // Written under the folder the test main chose, not the developer's own.
  EXPECT_TRUE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/" +
                            QString::fromStdString(app + "/" + app + ".conf")));
}

}  // namespace
}  // namespace vorn
