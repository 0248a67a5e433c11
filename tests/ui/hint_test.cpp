#include <QElapsedTimer>

#include "board/move_rules.h"
#include "ui/hint_mark.h"
#include "window_driver.h"

namespace vorn::test {
namespace {

// Lets the search answer; false if it takes unreasonably long.
bool WaitForHint(Form1Window& w) {
  QElapsedTimer clock;
  clock.start();
  while (w.HintSearching() && clock.elapsed() < 20000) QTest::qWait(5);
  QCoreApplication::processEvents();
  return !w.HintSearching();
}

bool Marks(const HintMark* mark, const QRect& hole) {
  return mark->isVisible() && mark->geometry().contains(hole);
}

// Balls only in the given holes of the current board; a game under way.
void SetBoard(Form1Window& w, std::initializer_list<std::int16_t> full, bool newGame) {
  Form1& f = w.MutableState();
  for (Hole& hole : f.Image2) hole.Tag.reset();
  for (vorn::Ball& ball : f.Image1) ball.Visible = false;
  for (std::int16_t hole : full) {
    f.Image2[hole].Tag = hole;
    f.Image1[hole].Visible = true;
    f.Image1[hole].Left = f.Image2[hole].Left;
    f.Image1[hole].Top = f.Image2[hole].Top;
  }
  f.NewGame = newGame;
  ScriptedPlatform quiet;
  CheckBlk(f, quiet);
  w.SyncView();
}

TEST_F(WindowTest, HintMarksAJumpOnAWinningLineAndChangesNothing) {
  const std::string before = BoardView(w());
  QTest::keyClick(w().Picture1(), Qt::Key_F3);
  ASSERT_TRUE(WaitForHint(w()));
  const bool fromThree = Marks(w().HintFrom(), w().Hole(3)->geometry());
  const bool fromFive = Marks(w().HintFrom(), w().Hole(5)->geometry());
  EXPECT_TRUE(fromThree || fromFive);
  EXPECT_TRUE(Marks(w().HintTo(), w().Hole(0)->geometry()));
  EXPECT_TRUE(platform.msgBoxes.empty());
  EXPECT_EQ(BoardView(w()), before);
  EXPECT_EQ(state().PlayCount, 0);
  EXPECT_TRUE(state().NewGame);
  EXPECT_TRUE(menu().mnuLevel->menuAction()->isEnabled());
  EXPECT_FALSE(menu().mnuUndo->isEnabled());

  // The next press takes the mark away.
  QTest::mouseClick(w().Picture1(), Qt::LeftButton, {}, HoleCentre(w(), 0));
  EXPECT_FALSE(w().HintFrom()->isVisible());
  EXPECT_FALSE(w().HintTo()->isVisible());

  // Through the menu as well; the mark fades by itself.
  menu().mnuHint->trigger();
  ASSERT_TRUE(WaitForHint(w()));
  EXPECT_TRUE(w().HintTo()->isVisible());
  QTest::qWait(2300);
  EXPECT_FALSE(w().HintTo()->isVisible());
}

TEST_F(WindowTest, HintSaysWhenNoWinningLineIsLeft) {
  // Ball 0 can jump ball 1, but two balls far apart are left whatever happens.
  SetBoard(w(), {0, 1, 14}, false);
  ASSERT_TRUE(menu().mnuHint->isEnabled());
  QTest::keyClick(w().Picture1(), Qt::Key_F3);
  ASSERT_TRUE(WaitForHint(w()));
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt,
            "No winning line is left from here. Undo takes jumps back.");
  EXPECT_EQ(platform.msgBoxes[0].title, "VORN");
  EXPECT_EQ(platform.msgBoxes[0].buttons, MsgButtons::OK);
  EXPECT_EQ(platform.msgBoxes[0].icon, MsgIcon::Information);
  EXPECT_FALSE(w().HintFrom()->isVisible());

  SetBoard(w(), {0, 1, 14}, true);  // before the first jump
  menu().mnuHint->trigger();
  ASSERT_TRUE(WaitForHint(w()));
  ASSERT_EQ(platform.msgBoxes.size(), 2u);
  EXPECT_EQ(platform.msgBoxes[1].prompt,
            "No winning line is left from here. Right-click a ball to start from another hole.");
}

TEST_F(WindowTest, HintIsOnlyAvailableWhileAJumpExistsAndNoBallIsCarried) {
  EXPECT_TRUE(menu().mnuHint->isEnabled());
  PressBall(w(), 3);
  EXPECT_FALSE(menu().mnuHint->isEnabled());
  QTest::keyClick(w().Picture1(), Qt::Key_F3);  // puts the ball back first, then hints
  EXPECT_FALSE(state().Dragging);
  ASSERT_TRUE(WaitForHint(w()));
  EXPECT_TRUE(w().HintTo()->isVisible());

  SetBoard(w(), {0, 14}, false);  // no jump left
  EXPECT_FALSE(menu().mnuHint->isEnabled());
  QTest::keyClick(w().Picture1(), Qt::Key_F3);
  EXPECT_FALSE(w().HintSearching());
  EXPECT_TRUE(platform.msgBoxes.empty());
}

TEST_F(WindowTest, AChangeOfTheBoardCancelsTheSearch) {
  QTest::keyClick(w().Picture1(), Qt::Key_F3);
  DragBall(w(), 3, 0);  // before the answer is handed over
  EXPECT_FALSE(w().HintSearching());
  QTest::qWait(50);
  EXPECT_FALSE(w().HintFrom()->isVisible());
  EXPECT_TRUE(platform.msgBoxes.empty());
  EXPECT_EQ(state().PlayCount, 1);
}

}  // namespace
}  // namespace vorn::test
