// The Qt platform: message boxes and the file dialog.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
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

}  // namespace
}  // namespace vorn