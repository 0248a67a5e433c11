// The main window at start-up, its pop-up menu and its keys.
#include <QMenu>
#include <QRegion>

#include "window_driver.h"

namespace vorn::test {
namespace {

TEST_F(WindowTest, IsAFramelessToolWindowCutToItsTriangle) {
  EXPECT_TRUE(w().windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w().windowFlags() & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_EQ(w().size(), QSize(287, 222));
  EXPECT_EQ(w().minimumSize(), w().maximumSize());
  // The triangle (146,0), (287,222), (3,222).
  for (auto [x, y, in] :
       {std::tuple(146, 2, true), std::tuple(146, 150, true), std::tuple(90, 100, true),
        std::tuple(205, 100, true), std::tuple(6, 220, true), std::tuple(284, 220, true),
        std::tuple(0, 0, false), std::tuple(286, 0, false), std::tuple(75, 100, false),
        std::tuple(215, 100, false), std::tuple(1, 221, false)}) {
    EXPECT_EQ(w().mask().contains(QPoint(x, y)), in) << x << "," << y;
  }
}

TEST_F(WindowTest, StartsWithTheFiveRowBoardWhenNoLevelIsStored) {
  ExpectStartingBoard(w(), 15);
  for (int h = 0; h < 15; ++h) {  // each at its place, to the nearest pixel
    EXPECT_NEAR(w().Hole(h)->x(), state().Image2[h].Left / 15, 0.5) << "hole " << h;
    EXPECT_NEAR(w().Hole(h)->y(), state().Image2[h].Top / 15, 0.5) << "hole " << h;
    EXPECT_EQ(w().Hole(h)->size(), QSize(29, 29));
  }
}

TEST(StoredLevel, ChoosesTheBoardAndItsCheckMark) {
  for (auto [stored, holes, checked] :
       {std::tuple("2", 28, 3), std::tuple("1", 21, 2), std::tuple("7", 15, 1),
        std::tuple("x", 15, 1), std::tuple("", 15, 1)}) {
    SCOPED_TRACE(std::string("stored \"") + stored + "\"");
    ScriptedPlatform platform;
    platform.settings["vorn/Settings/GLevel"] = stored;
    Form1Window window(platform);
    ExpectStartingBoard(window, holes);
    EXPECT_EQ(window.Menu().mnuLevel1->isChecked(), checked == 1);
    EXPECT_EQ(window.Menu().mnuLevel2->isChecked(), checked == 2);
    EXPECT_EQ(window.Menu().mnuLevel3->isChecked(), checked == 3);
  }
}

// The shown items of a menu as "name=caption<tab>shortcut".
std::vector<std::string> Items(const QMenu* menu) {
  std::vector<std::string> items;
  for (const QAction* a : menu->actions()) {
    if (a->isVisible()) items.push_back((a->objectName() + "=" + a->text()).toStdString());
  }
  return items;
}

TEST_F(WindowTest, PopUpMenuItemsAndTheirStartingStates) {
  const PopUpMenuActions& m = menu();
  EXPECT_EQ(Items(m.mnuPopUp),
            (std::vector<std::string>{"mnuUndo=&Undo\tF8", "mnuHint=&Hint\tF3",
                                      "mnuRestore=Restore &Game", "mnuSave=&Save Game",
                                      "mnuReset=&Reset\tF2", "mnuLevel=&Game Level",
                                      "mnuHelp=&Help", "mnuExit=&Exit"}));
  EXPECT_EQ(Items(m.mnuLevel), (std::vector<std::string>{"mnuLevel1=Level &1", "mnuLevel2=Level &2",
                                                         "mnuLevel3=Level &3"}));
  EXPECT_EQ(Items(m.mnuHelp),
            (std::vector<std::string>{"mnuInst=&Instructions\tF1", "mnuAbout=&About"}));

  EXPECT_FALSE(m.mnuUndo->isEnabled());
  EXPECT_FALSE(m.mnuSave->isEnabled());
  for (const QAction* a : {m.mnuHint, m.mnuRestore, m.mnuReset, m.mnuLevel->menuAction(),
                           m.mnuHelp->menuAction(), m.mnuInst, m.mnuAbout, m.mnuExit}) {
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  }
  EXPECT_TRUE(m.mnuLevel1->isChecked());
  EXPECT_FALSE(m.mnuLevel2->isChecked() || m.mnuLevel3->isChecked());
}

TEST_F(WindowTest, RightOrMiddlePressOnTheBoardOrF1OpensThePopUpMenuALeftPressDoesNot) {
  QWidget* board = w().Picture1();
  QMenu* popUp = menu().mnuPopUp;
  const QPoint emptyHole = HoleCentre(w(), 0);
  const QPoint wood = (HoleCentre(w(), 3) + HoleCentre(w(), 4)) / 2;
  for (auto [spot, button] :
       {std::pair(emptyHole, Qt::RightButton), std::pair(wood, Qt::MiddleButton)}) {
    ASSERT_EQ(board->childAt(spot), nullptr) << "a ball at " << spot.x() << "," << spot.y();
    QTest::mousePress(board, button, {}, spot);
    EXPECT_TRUE(popUp->isVisible()) << "button " << button;
    popUp->close();
    QTest::mouseRelease(board, button, {}, spot);
  }
  QTest::keyClick(board, Qt::Key_F1);
  EXPECT_TRUE(popUp->isVisible());
  popUp->close();

  QTest::mousePress(board, Qt::LeftButton, {}, wood);
  EXPECT_FALSE(popUp->isVisible());
  QTest::mouseRelease(board, Qt::LeftButton, {}, wood);
}

TEST_F(WindowTest, F2AsksBeforeResetting) {
  DragBall(w(), 3, 0);
  const std::string afterJump = BoardView(w());
  platform.answers = {MsgAnswer::No, MsgAnswer::Yes};
  QTest::keyClick(w().Picture1(), Qt::Key_F2);
  EXPECT_EQ(BoardView(w()), afterJump);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt, "Are you sure you want to reset this game");
  EXPECT_EQ(platform.msgBoxes[0].title, "Reset VORN");
  EXPECT_EQ(platform.msgBoxes[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(platform.msgBoxes[0].icon, MsgIcon::None);

  QTest::keyClick(w().Picture1(), Qt::Key_F2);
  EXPECT_EQ(platform.msgBoxes.size(), 2u);
  EXPECT_EQ(BoardView(w()), freshBoard);
  EXPECT_FALSE(menu().mnuUndo->isEnabled());
  EXPECT_TRUE(menu().mnuLevel->menuAction()->isEnabled());
}

TEST_F(WindowTest, F8UndoesTheLastJumpOnlyWhenUndoIsOffered) {
  QTest::keyClick(w().Picture1(), Qt::Key_F8);
  EXPECT_EQ(BoardView(w()), freshBoard);
  DragBall(w(), 3, 0);
  ASSERT_TRUE(menu().mnuUndo->isEnabled());
  QTest::keyClick(w().Picture1(), Qt::Key_F8);
  EXPECT_EQ(BoardView(w()), freshBoard);
  EXPECT_FALSE(menu().mnuUndo->isEnabled());
  EXPECT_TRUE(platform.msgBoxes.empty());
}

}  // namespace
}  // namespace vorn::test
