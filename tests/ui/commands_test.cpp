// The pop-up menu's commands, closing the window, and the two dialogs.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "ui/frm_about.h"
#include "ui/frm_inst.h"
#include "window_driver.h"

namespace vorn::test {
namespace {

constexpr const char* kLevelKey = "vorn/Settings/GLevel";

TEST_F(WindowTest, ResetAndTheCheckedLevelStartAgainWithoutAsking) {
  DragBall(w(), 3, 0);
  menu().mnuReset->trigger();
  EXPECT_EQ(BoardView(w()), freshBoard);
  EXPECT_EQ(state().PlayCount, 0);
  EXPECT_TRUE(menu().mnuLevel->menuAction()->isEnabled());

  PressBall(w(), 3, Qt::RightButton);  // hole 3 chosen as the starting hole
  ReleaseBall(w(), 3, HoleCentre(w(), 3), Qt::RightButton);
  ASSERT_NE(BoardView(w()), freshBoard);
  menu().mnuLevel1->trigger();
  EXPECT_EQ(BoardView(w()), freshBoard);
  EXPECT_TRUE(menu().mnuLevel1->isChecked());
  EXPECT_TRUE(platform.msgBoxes.empty());
}

TEST_F(WindowTest, LevelThreeHasSevenRowsAndIsStoredOnExitWithoutAQuestion) {
  menu().mnuLevel3->trigger();
  ExpectStartingBoard(w(), 28);
  EXPECT_FALSE(menu().mnuLevel1->isChecked());
  EXPECT_TRUE(menu().mnuLevel3->isChecked());

  menu().mnuExit->trigger();
  EXPECT_FALSE(w().isVisible());
  EXPECT_TRUE(platform.msgBoxes.empty());
  EXPECT_EQ(platform.settings[kLevelKey], "2");
}

TEST_F(WindowTest, ExitAfterAJumpAsksFirst) {
  DragBall(w(), 3, 0);
  const std::string afterJump = BoardView(w());
  platform.answers = {MsgAnswer::No, MsgAnswer::Yes};
  menu().mnuExit->trigger();
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt, "Are you sure you want to exit");
  EXPECT_EQ(platform.msgBoxes[0].title, "VORN Exit");
  EXPECT_EQ(platform.msgBoxes[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(platform.msgBoxes[0].icon, MsgIcon::Question);
  EXPECT_TRUE(w().isVisible());
  EXPECT_EQ(BoardView(w()), afterJump);
  EXPECT_EQ(platform.settingWrites, 0);

  menu().mnuExit->trigger();
  EXPECT_EQ(platform.msgBoxes.size(), 2u);
  EXPECT_FALSE(w().isVisible());
  EXPECT_EQ(platform.settings[kLevelKey], "0");
}

TEST_F(WindowTest, TheEndOfTheSessionClosesWithoutAsking) {
  DragBall(w(), 3, 0);
  w().CloseFor(UnloadMode::SessionEnd);
  EXPECT_FALSE(w().isVisible());
  EXPECT_TRUE(platform.msgBoxes.empty());
  EXPECT_EQ(platform.settings[kLevelKey], "0");
}

TEST_F(WindowTest, InstructionsOpenOneWindowWithTheRules) {
  menu().mnuInst->trigger();
  QPointer<FrmInst> inst = w().Instructions();
  ASSERT_TRUE(inst);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == inst; }));
  EXPECT_TRUE(inst->OKButton()->hasFocus());
  menu().mnuInst->trigger();
  EXPECT_EQ(w().Instructions(), inst.data());
  EXPECT_EQ(w().findChildren<QDialog*>("frmInst").size(), 1);

  EXPECT_EQ(inst->windowTitle(), "Game Instructions");
  EXPECT_EQ(inst->Text1()->toPlainText().toStdString(),
            "The purpose of this game is to finish with only one circle on the board. You can "
            "only move a circle from one position to another by jumping over another one.\n"
            "You may start with the empty circle any where, just Right_Click on the circle you "
            "want to be the initial empty one at the beggining of the game.");

  QTest::keyClick(inst->focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(!inst || !inst->isVisible());
  EXPECT_TRUE(w().isVisible());
}

TEST_F(WindowTest, AboutShowsTitleVersionAndDescription) {
  FrmAbout about(&w(), platform);
  EXPECT_EQ(about.windowTitle(), "About VORN Game");
  EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "VORN Game");
  EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 2.0.1");
  EXPECT_EQ(about.findChild<QLabel*>("lblDescription")->text(),
            "VORN Game is a game to entretain kids and adults. ");
  EXPECT_EQ(about.findChild<QPushButton*>("cmdOK")->geometry(), QRect(283, 175, 84, 23));
  EXPECT_EQ(about.findChild<QPushButton*>("cmdSysInfo")->geometry(), QRect(284, 205, 83, 23));
  EXPECT_EQ(about.size(), QSize(382, 237));

  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  QTest::keyClick(about.focusWidget() ? about.focusWidget() : &about, Qt::Key_Escape);
  EXPECT_TRUE(about.isHidden());
}

// PATH set to a folder of the test's own for as long as it lives.
struct PathOnly {
  PathOnly() : saved(qgetenv("PATH")) { qputenv("PATH", dir.path().toLocal8Bit()); }
  ~PathOnly() { qputenv("PATH", saved); }
  QTemporaryDir dir;
  QByteArray saved;
};

TEST_F(WindowTest, SystemInfoStartsAViewerFromThePathOrSaysThereIsNone) {
  PathOnly path;
  FrmAbout about(&w(), platform);
  QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt, "System Information Is Unavailable At This Time");
  EXPECT_EQ(platform.msgBoxes[0].buttons, MsgButtons::OK);
  EXPECT_EQ(platform.msgBoxes[0].icon, MsgIcon::None);
  EXPECT_EQ(platform.msgBoxes[0].title, "VORN Game");

  QTemporaryDir out;
  const QString marker = out.filePath("started");
  QFile viewer(path.dir.filePath("hardinfo"));
  ASSERT_TRUE(viewer.open(QIODevice::WriteOnly));
  viewer.write(("#!/bin/sh\necho started > '" + marker + "'\n").toUtf8());
  viewer.close();
  viewer.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  about.StartSysInfo();
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
  EXPECT_EQ(platform.msgBoxes.size(), 1u);
}

}  // namespace
}  // namespace vorn::test
