// Carrying balls with the mouse, choosing the starting hole, and a whole game.
#include <functional>

#include <QMenu>

#include "window_driver.h"

namespace vorn::test {
namespace {

using namespace std::chrono_literals;

TEST_F(WindowTest, CarryingBallThreeToTheApexJumpsOverBallOne) {
  EXPECT_EQ(HandBalls(w()), (std::set<int>{3, 5}));
  platform.now = std::chrono::steady_clock::time_point(100s);
  PressBall(w(), 3);
  CarryBall(w(), 3, QPointF(HoleCentre(w(), 3) + HoleCentre(w(), 0)) / 2);
  CarryBall(w(), 3, HoleCentre(w(), 0));
  EXPECT_EQ(w().Ball(3)->geometry().center(), HoleCentre(w(), 0));  // it follows the pointer
  ReleaseBall(w(), 3, HoleCentre(w(), 0));

  // Ball 3 in the apex, ball 1 gone, holes 1 and 3 empty.
  EXPECT_EQ(BoardView(w()), "2@2 3@0 4@4 5@5 6@6 7@7 8@8 9@9 10@10 11@11 12@12 13@13 14@14 ");
  EXPECT_EQ(state().Image2[0].Tag, 3);
  EXPECT_FALSE(state().Image2[1].Tag || state().Image2[3].Tag);
  EXPECT_EQ(state().PlayCount, 1);
  EXPECT_FALSE(state().NewGame);
  EXPECT_EQ(state().StartTime, platform.now);
  EXPECT_FALSE(menu().mnuLevel->menuAction()->isEnabled());
  EXPECT_TRUE(menu().mnuUndo->isEnabled());
  EXPECT_TRUE(menu().mnuSave->isEnabled());
  EXPECT_EQ(HandBalls(w()), (std::set<int>{5, 7, 10, 11}));
  EXPECT_TRUE(platform.msgBoxes.empty());
}

TEST_F(WindowTest, ABallLetGoWhereItCannotLandGoesBackToItsHole) {
  const double apexLeftEdge = state().Image2[0].Left / 15;  // in no hole
  for (auto [where, at] :
       {std::pair("where it was grasped", QPointF(HoleCentre(w(), 3))),
        std::pair("on the apex hole's edge", QPointF(apexLeftEdge, HoleCentre(w(), 0).y())),
        std::pair("on an occupied hole", QPointF(HoleCentre(w(), 4)))}) {
    SCOPED_TRACE(where);
    PressBall(w(), 3);
    CarryBall(w(), 3, at);
    MouseEvent(w(), 3, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(BoardView(w()), freshBoard);
    EXPECT_EQ(state().PlayCount, 0);
    EXPECT_TRUE(state().NewGame);
  }
  // Carried out of the window it goes home at once, and coming back over
  // the empty apex does not pick it up again.
  PressBall(w(), 3);
  CarryBall(w(), 3, HoleCentre(w(), 0));
  CarryBall(w(), 3, QPointF(2, 2));
  EXPECT_EQ(BoardView(w()), freshBoard);
  CarryBall(w(), 3, HoleCentre(w(), 0));
  ReleaseBall(w(), 3, HoleCentre(w(), 0));
  EXPECT_EQ(BoardView(w()), freshBoard);
}

TEST_F(WindowTest, ABallLandsWhereThePointerIsNotWhereItsCentreIs) {
  // Grasped near its right edge, the pointer inside the apex hole, the
  // ball's centre outside it: it lands.
  const QPoint inApex = w().Hole(0)->pos() + QPoint(3, 14);
  PressBall(w(), 3, Qt::LeftButton, {26, 14});
  CarryBall(w(), 3, inApex);
  ASSERT_FALSE(w().Hole(0)->geometry().contains(w().Ball(3)->geometry().center()));
  ReleaseBall(w(), 3, inApex);
  EXPECT_EQ(BallInHole(w(), 0), 3);
  EXPECT_EQ(state().PlayCount, 1);
}

TEST_F(WindowTest, TheCarriedBallIsDrawnAboveTheOthers) {
  const QPoint overFour = HoleCentre(w(), 4);
  ASSERT_EQ(w().Picture1()->childAt(overFour), w().Ball(4));
  PressBall(w(), 3);
  CarryBall(w(), 3, overFour);
  EXPECT_EQ(w().Picture1()->childAt(overFour), w().Ball(3));
  ReleaseBall(w(), 3, overFour);
  EXPECT_EQ(w().Picture1()->childAt(overFour), w().Ball(4));
}

TEST_F(WindowTest, ARightPressDuringACarryMakesNoStartingChoice) {
  PressBall(w(), 3);
  PressBall(w(), 3, Qt::RightButton);
  EXPECT_EQ(BallInHole(w(), 0), -1);
  ReleaseBall(w(), 3, HoleCentre(w(), 3), Qt::RightButton);
  ReleaseBall(w(), 3, HoleCentre(w(), 3));
  EXPECT_EQ(BoardView(w()), freshBoard);
}

TEST_F(WindowTest, KeysCommandsAndLeavingTheWindowFirstPutACarriedBallBack) {
  const std::vector<std::pair<const char*, std::function<void()>>> interruptions = {
      {"F2 answered No", [&] { QTest::keyClick(w().Picture1(), Qt::Key_F2); }},
      {"F8", [&] { QTest::keyClick(w().Picture1(), Qt::Key_F8); }},
      {"F1",
       [&] {
         QTest::keyClick(w().Picture1(), Qt::Key_F1);
         EXPECT_TRUE(menu().mnuPopUp->isVisible());
         menu().mnuPopUp->close();
       }},
      {"Restore Game cancelled", [&] { menu().mnuRestore->trigger(); }},
      {"another window activated",
       [&] {
         QWidget other;
         other.show();
         other.activateWindow();
         EXPECT_TRUE(QTest::qWaitFor([&] { return !w().isActiveWindow(); }));
       }},
  };
  for (const auto& [name, interrupt] : interruptions) {
    SCOPED_TRACE(name);
    PressBall(w(), 3);
    CarryBall(w(), 3, HoleCentre(w(), 0));
    interrupt();
    EXPECT_EQ(BoardView(w()), freshBoard);
    ReleaseBall(w(), 3, HoleCentre(w(), 0));  // the carry is over: no jump
    EXPECT_EQ(BoardView(w()), freshBoard);
  }
}

TEST_F(WindowTest, ARightPressChoosesTheStartingHoleOnlyBeforeTheFirstJump) {
  PressBall(w(), 3, Qt::RightButton);
  ReleaseBall(w(), 3, HoleCentre(w(), 3), Qt::RightButton);
  EXPECT_EQ(BoardView(w()), "1@1 2@2 3@0 4@4 5@5 6@6 7@7 8@8 9@9 10@10 11@11 12@12 13@13 14@14 ");
  EXPECT_FALSE(state().Image2[3].Tag);
  EXPECT_EQ(state().PlayCount, 0);
  EXPECT_TRUE(menu().mnuLevel->menuAction()->isEnabled());
  EXPECT_EQ(HandBalls(w()), (std::set<int>{3, 5, 10, 11}));

  DragBall(w(), 5, 3);
  const std::string afterJump = BoardView(w());
  PressBall(w(), 2, Qt::RightButton);
  ReleaseBall(w(), 2, HoleCentre(w(), 2), Qt::RightButton);
  EXPECT_EQ(BoardView(w()), afterJump);
  EXPECT_FALSE(menu().mnuPopUp->isVisible());
}

// A win from the apex start: (from, over, to) holes.
constexpr int kWinningJumps[][3] = {{3, 1, 0},  {5, 4, 3},    {0, 2, 5},   {6, 3, 1},  {9, 5, 2},
                                    {11, 8, 3}, {1, 3, 6},    {10, 6, 3},  {12, 7, 4}, {2, 4, 8},
                                    {3, 8, 11}, {13, 11, 12}, {14, 12, 11}};

TEST_F(WindowTest, AGameWonByDragsCanBeUndoneJumpByJump) {
  for (const auto& [from, over, to] : kWinningJumps) {
    SCOPED_TRACE(testing::Message() << from << " over " << over << " to " << to);
    if (from == 14) platform.now += 42s;
    ASSERT_NO_FATAL_FAILURE(DragBall(w(), from, to));
    ASSERT_EQ(BallInHole(w(), from), -1);
    ASSERT_EQ(BallInHole(w(), over), -1);
    ASSERT_NE(BallInHole(w(), to), -1);
  }
  // Declining a new game leaves the last ball, and no other message follows.
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_NE(platform.msgBoxes[0].prompt.find("Congratulations"), std::string::npos);
  EXPECT_NE(platform.msgBoxes[0].prompt.find("Your time was:42 Seconds"), std::string::npos);
  EXPECT_EQ(BoardView(w()), "14@11 ");

  for (int i = 12; i >= 0; --i) {
    const auto& [from, over, to] = kWinningJumps[i];
    SCOPED_TRACE(testing::Message() << "undoing " << from << " over " << over << " to " << to);
    const int moved = BallInHole(w(), to);
    menu().mnuUndo->trigger();
    EXPECT_EQ(BallInHole(w(), from), moved);
    EXPECT_NE(BallInHole(w(), over), -1);
    EXPECT_EQ(BallInHole(w(), to), -1);
  }
  EXPECT_EQ(BoardView(w()), freshBoard);
  EXPECT_FALSE(menu().mnuUndo->isEnabled());
  EXPECT_TRUE(menu().mnuSave->isEnabled());
  EXPECT_FALSE(menu().mnuLevel->menuAction()->isEnabled());
  EXPECT_EQ(platform.msgBoxes.size(), 1u);
}

}  // namespace
}  // namespace vorn::test
