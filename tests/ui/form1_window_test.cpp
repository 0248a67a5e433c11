// The main window driven as a player does: its shape, pop-up menu and keys,
// carrying balls, a whole game, the commands, the two dialogs and the hint.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "board/end_of_game.h"
#include "board/hint.h"
#include "board/hole_geometry.h"
#include "board/move_rules.h"
#include "platform/scripted_platform.h"
#include "solver/solver.h"
#include "support/boards.h"
#include "ui/form1_window.h"
#include "ui/frm_about.h"
#include "ui/frm_best_times.h"
#include "ui/frm_inst.h"
#include "ui/hole_mark.h"
#include "ui/twips.h"

namespace vorn::test {
namespace {

using namespace std::chrono_literals;
constexpr auto kPress = QEvent::MouseButtonPress, kMove = QEvent::MouseMove,
               kRelease = QEvent::MouseButtonRelease;

// A shown, active main window with a fresh game over a scripted platform.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    fresh = View();
  }

  // The ball shown over a hole, or -1.
  static int BallInHole(const Form1Window& w, int hole) {
    for (int i = 0; i < kElementCount; ++i) {
      if (!w.Ball(i)->isHidden() && w.Ball(i)->geometry() == w.Hole(hole)->geometry()) return i;
    }
    return -1;
  }
  // The number of shown holes, then every shown ball and the shown hole it
  // is over, a star marking the hand pointer: "15: 1@1 2@2 3@3*".
  static std::string BoardView(const Form1Window& w) {
    std::string view;
    int holes = 0;
    for (int i = 0; i < kElementCount; ++i) {
      holes += !w.Hole(i)->isHidden();
      if (w.Ball(i)->isHidden()) continue;
      view.append(" ").append(std::to_string(i)).append("@");
      for (int h = 0; h < kElementCount; ++h) {
        if (!w.Hole(h)->isHidden() && BallInHole(w, h) == i) view += std::to_string(h);
      }
      if (w.Ball(i)->HasHandCursor()) view += "*";
    }
    return std::to_string(holes).append(":").append(view);
  }
  // A level's starting board: the apex empty, the balls of holes 3 and 5 can jump.
  static std::string StartingBoard(int holes) {
    std::string view = std::to_string(holes).append(":");
    for (int h = 1; h < holes; ++h) {
      view.append(" ").append(std::to_string(h)).append("@").append(std::to_string(h));
      if (h == 3 || h == 5) view += "*";
    }
    return view;
  }
  // The greyed ("-") and checked ("+") items of a menu and its submenus; with
  // `all`, every shown item as "name=caption", submenus in brackets.
  static std::string MenuView(const QMenu* menu, bool all = false) {
    std::string view;
    for (const QAction* a : menu->actions()) {
      if (!a->isVisible()) continue;
      const QString marks = QString(a->isEnabled() ? "" : "-") + (a->isChecked() ? "+" : "");
      if (all || !marks.isEmpty()) {
        const QString key = a->shortcut().isEmpty() ? "" : "\t" + a->shortcut().toString();
        view += (marks + a->objectName() + (all ? "=" + a->text() + key : QString()) + " ")
                    .toStdString();
      }
      if (a->menu() && all) view.append("[").append(MenuView(a->menu(), true)).append("] ");
      if (a->menu() && !all) view += MenuView(a->menu());
    }
    return view;
  }
  // The message boxes shown so far, one a line.
  std::string Boxes() const {
    static const char* const kIcons[] = {"None", "Critical", "Question", "Exclamation", "Info"};
    std::string all;
    for (const auto& m : platform.msgBoxes) {
      all.append(m.title).append(": ").append(m.prompt);
      all.append(m.buttons == MsgButtons::OK ? " [OK " : " [YesNo ");
      all.append(kIcons[static_cast<int>(m.icon)]).append("]\n");
    }
    return all;
  }
  // The holes of the shown hint marks, the ball's then its landing hole's: "3>0>".
  std::string Marks() {
    std::string marks;
    for (const HoleMark* mark : {w().HintFrom(), w().HintTo()}) {
      for (int h = 0; h < kElementCount; ++h) {
        if (mark->isVisible() && mark->geometry().center() == Centre(h)) marks += std::to_string(h);
      }
      marks += ">";
    }
    return marks;
  }

  // The hole the focus ring marks, or -1 while it is hidden.
  int Ring() {
    for (int h = 0; h < kElementCount; ++h) {
      if (w().FocusRing()->isVisible() && w().FocusRing()->geometry().center() == Centre(h)) {
        return h;
      }
    }
    return -1;
  }
  // The ball shown lifted above its hole, or -1.
  int Lifted() {
    for (int h = 0; h < kElementCount; ++h) {
      for (int i = 0; i < kElementCount; ++i) {
        if (!w().Ball(i)->isHidden() && !w().Hole(h)->isHidden() &&
            w().Ball(i)->geometry() == w().Hole(h)->geometry().translated(0, -3)) {
          return i;
        }
      }
    }
    return -1;
  }
  void Click(QPoint at) { QTest::mouseClick(w().Picture1(), Qt::LeftButton, {}, at); }

  Form1Window& w() { return *window_; }
  const PopUpMenuActions& menu() const { return window_->Menu(); }
  // The board and the menu's states.
  std::string View() const { return BoardView(*window_) + " | " + MenuView(menu().mnuPopUp); }
  QPoint Centre(int hole) const { return window_->Hole(hole)->geometry().center(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers held = {}) {
    QTest::keyClick(window_->Picture1(), key, held);
  }

  // A mouse event at a point of the board, sent to a ball as to the one with
  // the grab; a move holds `button`.
  void Mouse(int ball, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* board = w().Picture1();
    QMouseEvent event(type, w().Ball(ball)->mapFrom(board, at), board->mapToGlobal(at),
                      type == kMove ? Qt::NoButton : button,
                      type == kRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(w().Ball(ball), &event);
  }
  // Carries the ball of one hole to the centre of another and lets go there.
  void Drag(int from, int to) {
    const int ball = BallInHole(w(), from);
    ASSERT_GE(ball, 0) << "no ball in hole " << from;
    Mouse(ball, kPress, Centre(from));
    Mouse(ball, kMove, Centre(to));
    Mouse(ball, kRelease, Centre(to));
  }
  void RightClick(int ball) {
    Mouse(ball, kPress, w().Ball(ball)->geometry().center(), Qt::RightButton);
    Mouse(ball, kRelease, w().Ball(ball)->geometry().center(), Qt::RightButton);
  }
  // Balls, numbered like their holes, only in `full`.
  void SetBoard(std::initializer_list<std::int16_t> full, bool newGame) {
    Form1 f = BoardWith(full);
    f.Menu = w().State().Menu;
    f.NewGame = newGame;
    ScriptedPlatform quiet;  // no message when no jump is left
    CheckBlk(f, quiet);
    w().MutableState() = f;
    w().SyncView();
  }
  bool Answered() {
    return QTest::qWaitFor([&] { return !w().HintSearching(); }, 20000);
  }

  ScriptedPlatform platform;
  std::string fresh;
  std::unique_ptr<Form1Window> window_ = std::make_unique<Form1Window>(platform);
};

TEST_F(WindowTest, StartsWithTheFiveRowBoardAndARightOrMiddlePressOpensTheMenu) {
  EXPECT_EQ(BoardView(w()), StartingBoard(15));  // no level is stored
  EXPECT_EQ(MenuView(menu().mnuPopUp, true),
            "-mnuUndo=&Undo\tF8 -mnuRedo=Re&do\tF9 mnuHint=H&int\tF3 mnuRestore=Restore &Game "
            "-mnuSave=&Save Game mnuReset=&Reset\tF2 mnuLevel=&Game Level [+mnuLevel1=Level &1 "
            "mnuLevel2=Level &2 mnuLevel3=Level &3 ] mnuSize=&Board Size [+mnuSize100=100 % "
            "mnuSize125=125 % mnuSize150=150 % mnuSize200=200 % mnuSize300=300 % ] "
            "mnuBestTimes=Best &Times mnuHelp=&Help [mnuInst=&Instructions\tF1 mnuAbout=&About ] "
            "mnuExit=&Exit ");

  // A right press on an empty hole or a middle press on the wood opens the
  // menu (F1 and the right press on the wood are driven on the desktop).
  QWidget* board = w().Picture1();
  const QPoint wood = (Centre(3) + Centre(4)) / 2;
  for (auto [spot, button] : {std::pair(Centre(0), Qt::RightButton),
                              std::pair(wood, Qt::MiddleButton), std::pair(wood, Qt::LeftButton)}) {
    QTest::mousePress(board, button, {}, spot);
    EXPECT_EQ(menu().mnuPopUp->isVisible(), button != Qt::LeftButton) << button;
    menu().mnuPopUp->close();
    QTest::mouseRelease(board, button, {}, spot);
  }
}

TEST_F(WindowTest, ACarryThatCannotLandOrIsInterruptedPutsTheBallBack) {
  QWidget other;
  const QPointF home(Centre(3)), apex(Centre(0)), edge(w().State().Image2[0].Left / 15, apex.y());
  const std::pair<std::vector<QPointF>, std::function<void()>> cases[] = {
      {{apex, home}, [&] { RightClick(3); }},  // which makes no starting choice
      {{apex, home}, {}},  // let go where it was grasped, on the apex hole's edge, on a full hole
      {{edge}, {}},
      {{Centre(4)}, {}},
      {{apex, QPointF(2, 2), apex}, {}},   // out of the window and back over the apex
      {{apex}, [&] { Key(Qt::Key_F2); }},  // answered No
      {{apex}, [&] { Key(Qt::Key_F8); }},
      {{apex}, [&] { Key(Qt::Key_F1); }},               // opens the menu
      {{apex}, [&] { menu().mnuRestore->trigger(); }},  // cancelled
      {{apex}, [&] { other.show(); }},                  // which activates it
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(testing::Message() << "case " << i);
    const auto& [path, interrupt] = cases[i];
    Mouse(3, kPress, home);
    for (QPointF at : path) Mouse(3, kMove, at);
    EXPECT_TRUE(path.size() > 1 || w().Picture1()->childAt(path[0].toPoint()) == w().Ball(3));
    if (interrupt) {
      interrupt();
      menu().mnuPopUp->close();
      EXPECT_TRUE(QTest::qWaitFor([&] { return View() == fresh; })) << View();
    }
    Mouse(3, kRelease, path.back());  // a carry that is over makes no jump
    EXPECT_EQ(View(), fresh);
  }
}

TEST_F(WindowTest, AGameWonByDragsCanBeUndoneJumpByJumpAndF2ResetsIfAnsweredYes) {
  // A win, as (from, to) holes.
  constexpr int kJumps[][2] = {{3, 0},  {5, 3},  {0, 5}, {6, 1},  {9, 2},   {11, 3}, {1, 6},
                               {10, 3}, {12, 4}, {2, 8}, {3, 11}, {13, 12}, {14, 11}};
  std::vector<std::string> before;
  for (const auto& [from, to] : kJumps) {
    if (from == 14) platform.now += 42s;
    before.push_back(BoardView(w()));
    ASSERT_NO_FATAL_FAILURE(Drag(from, to)) << from << " to " << to;
  }
  // Declining a new game leaves the last ball, and no other message follows.
  EXPECT_EQ(BoardView(w()), "15: 14@11");
  for (; !before.empty(); before.pop_back()) {  // by F8 and by the menu in turn
    before.size() % 2 ? Key(Qt::Key_F8) : menu().mnuUndo->trigger();
    EXPECT_EQ(BoardView(w()), before.back()) << "undoing jump " << before.size();
  }
  EXPECT_EQ(View(), StartingBoard(15) + " | -mnuUndo -mnuLevel +mnuLevel1 +mnuSize100 ");

  Drag(3, 0);
  const std::string afterJump = View();
  platform.answers = {MsgAnswer::No, MsgAnswer::Yes};
  for (const std::string& after : {afterJump, fresh}) {
    Key(Qt::Key_F2);
    EXPECT_EQ(View(), after);
  }
  EXPECT_EQ(Boxes(), std::string("VORN: ").append(WonPrompt(42)) +
                         " [YesNo Exclamation]\n"
                         "Reset VORN: Are you sure you want to reset this game [YesNo None]\n"
                         "Reset VORN: Are you sure you want to reset this game [YesNo None]\n");
}

TEST_F(WindowTest, ARightClickChoosesTheStartingHoleTillTheFirstJumpAndLevelsAreStored) {
  RightClick(3);
  EXPECT_EQ(View(),
            "15: 1@1 2@2 3@0* 4@4 5@5* 6@6 7@7 8@8 9@9 10@10* 11@11* 12@12 13@13 14@14 | "
            "-mnuUndo -mnuRedo -mnuSave +mnuLevel1 +mnuSize100 ");
  menu().mnuLevel1->trigger();  // the checked level starts again, without asking
  EXPECT_EQ(View(), fresh);
  Drag(3, 0);
  const std::string afterJump = View();
  RightClick(2);
  EXPECT_EQ(View(), afterJump);
  EXPECT_FALSE(menu().mnuPopUp->isVisible());
  menu().mnuReset->trigger();  // without asking
  EXPECT_EQ(View(), fresh);
  menu().mnuLevel3->trigger();
  EXPECT_EQ(View(), StartingBoard(28) + " | -mnuUndo -mnuRedo -mnuSave +mnuLevel3 +mnuSize100 ");
  menu().mnuExit->trigger();  // with no jump made
  EXPECT_FALSE(w().isVisible());
  EXPECT_TRUE(platform.msgBoxes.empty());
  EXPECT_EQ(platform.settings["vorn/Settings/GLevel"], "2");
  Form1Window next(platform);  // the next start reads it back
  EXPECT_EQ(BoardView(next) + " | " + MenuView(next.Menu().mnuPopUp),
            StartingBoard(28) + " | -mnuUndo -mnuRedo -mnuSave +mnuLevel3 +mnuSize100 ");
}

TEST_F(WindowTest, ExitAfterAJumpAsksFirstTheSessionsEndAndATerminationDoNot) {
  Drag(3, 0);
  const std::string afterJump = View();
  platform.answers = {MsgAnswer::No};
  menu().mnuExit->trigger();
  EXPECT_TRUE(w().isVisible() && View() == afterJump && platform.settingWrites == 0);
  w().CommitData();  // the level is stored, but the session manager may still cancel
  EXPECT_TRUE(w().isVisible() && View() == afterJump);
  EXPECT_EQ(platform.settings["vorn/Settings/GLevel"], "0");
  EXPECT_EQ(Boxes(), "VORN Exit: Are you sure you want to exit [YesNo Question]\n");

  const std::function<void()> ends[] = {[&] {
                                          platform.answers = {MsgAnswer::Yes};
                                          menu().mnuExit->trigger();
                                        },
                                        [&] { w().CloseFor(UnloadMode::SessionEnd); },
                                        [&] {
                                          menu().mnuInst->trigger();
                                          w().Terminate();
                                          EXPECT_FALSE(w().Instructions()->isVisible());
                                        }};
  for (std::size_t i = 0; i < std::size(ends); ++i) {
    SCOPED_TRACE(testing::Message() << "end " << i);
    platform.settings.clear();
    platform.msgBoxes.clear();
    window_ = std::make_unique<Form1Window>(platform);
    window_->show();
    Drag(3, 0);
    ends[i]();
    EXPECT_FALSE(w().isVisible());
    EXPECT_EQ(platform.settings["vorn/Settings/GLevel"], "0");
    EXPECT_EQ(platform.msgBoxes.size(), i == 0 ? 1u : 0u);
  }
}

TEST_F(WindowTest, AClickOnTheWoodNeverMovesTheWindowADragDoes) {
  QWidget* board = w().Picture1();
  const QPointF wood = QPointF(Centre(3) + Centre(4)) / 2;
  auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, board->mapToGlobal(at),
                      type == kMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(board, &event);
  };
  const QPoint start = w().pos();
  send(kPress, wood, Qt::LeftButton);
  send(kRelease, wood, Qt::NoButton);
  send(kMove, wood + QPointF(40, 0), Qt::NoButton);
  EXPECT_EQ(w().pos(), start);

  send(kPress, wood, Qt::LeftButton);
  send(kMove, wood + QPointF(2, 0), Qt::LeftButton);  // within the drag distance
  EXPECT_EQ(w().pos(), start);
  send(kMove, wood + QPointF(30, 0), Qt::LeftButton);
  EXPECT_EQ(w().pos(), start + QPoint(30, 0));
  send(kRelease, wood + QPointF(30, 0), Qt::NoButton);
  send(kMove, wood + QPointF(60, 0), Qt::NoButton);
  EXPECT_EQ(w().pos(), start + QPoint(30, 0));
}

TEST_F(WindowTest, SmoothEdgesLeaveAllButTheTriangleTransparentWithSoftenedEdges) {
  auto paint = [&](QWidget* widget) {
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, {}, {}, QWidget::RenderFlags());
    return image;
  };
  w().Picture1()->SetSmoothEdges(true);
  const QImage smooth = paint(w().Picture1());
  std::set<int> row;  // outside, edge, inside
  for (int x = 0; x < smooth.width() / 2; ++x) row.insert(qAlpha(smooth.pixel(x, 100)));
  EXPECT_TRUE(row.count(0) && row.count(255) && row.size() > 2);
  EXPECT_EQ(qAlpha(smooth.pixel(2, 2)), 0);
  // A ball across the edge (the right end of the bottom row) is cut along it too.
  auto shown = [](const QImage& image) {
    int count = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
      count += qAlpha(image.pixel(i % image.width(), i / image.width())) > 0;
    }
    return count;
  };
  QPainterPath outline;
  outline.addPolygon(QPolygonF(w().Scale().Triangle()));
  for (auto [ball, acrossTheEdge] : {std::pair(14, true), std::pair(4, false)}) {
    const int whole = shown(paint(w().Ball(ball)));
    w().Ball(ball)->SetWindowOutline(outline);
    EXPECT_EQ(shown(paint(w().Ball(ball))) < whole, acrossTheEdge) << ball;
  }
}

TEST_F(WindowTest, HelpShowsOneInstructionsWindowAndTheAboutWindowStartsSystemInfo) {
  menu().mnuInst->trigger();
  menu().mnuInst->trigger();
  EXPECT_EQ(w().findChildren<QDialog*>("frmInst").size(), 1);
  const FrmInst* inst = w().Instructions();
  EXPECT_EQ(inst->windowTitle() + "|" + inst->Text1()->toPlainText(),
            "Game Instructions|The purpose of this game is to finish with only one circle on the "
            "board. You can only move a circle from one position to another by jumping over "
            "another one.\nYou may start with the empty circle any where, just Right_Click on the "
            "circle you want to be the initial empty one at the beggining of the game.");

  FrmAbout about(&w(), platform);
  auto text = [&](const char* label) { return about.findChild<QLabel*>(label)->text(); };
  EXPECT_EQ(about.windowTitle() + "|" + text("lblTitle") + "|" + text("lblVersion") + "|" +
                text("lblDescription"),
            "About VORN Game|VORN Game|Version 2.0.1|VORN Game is a game to entretain kids and "
            "adults. ");
  // A viewer from the path is started, or a message says there is none.
  QTemporaryDir path;
  const QByteArray savedPath = qgetenv("PATH");
  qputenv("PATH", path.path().toLocal8Bit());
  QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
  const QString viewer = path.filePath("hardinfo"), marker = path.filePath("started");
  std::ofstream(viewer.toStdString()) << "#!/bin/sh\necho >'" << marker.toStdString() << "'\n";
  QFile::setPermissions(viewer, QFile::ReadOwner | QFile::ExeOwner);
  about.StartSysInfo();
  qputenv("PATH", savedPath);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
  EXPECT_EQ(Boxes(), "VORN Game: System Information Is Unavailable At This Time [OK None]\n");
}

TEST_F(WindowTest, TheHintMarksAJumpOnAWinningLineOrSaysThereIsNoneAndNeedsAJumpAndNoCarry) {
  Mouse(3, kPress, Centre(3));
  EXPECT_FALSE(menu().mnuHint->isEnabled());
  Key(Qt::Key_F3);  // puts the ball back first, then hints
  ASSERT_TRUE(Answered());
  EXPECT_TRUE(Marks() == "3>0>" || Marks() == "5>0>") << Marks();
  EXPECT_EQ(View(), fresh);
  const std::string marks = Marks();
  Key(Qt::Key_Plus, Qt::ControlModifier);  // the rings stay with their holes
  EXPECT_EQ(Marks(), marks);
  Key(Qt::Key_Minus, Qt::ControlModifier);
  Drag(3, 0);  // a jump takes the marks away
  EXPECT_EQ(Marks(), ">>");
  menu().mnuHint->trigger();
  Drag(5, 3);  // a jump cancels the search under way
  QTest::qWait(50);
  EXPECT_TRUE(!w().HintSearching() && Marks() == ">>" && w().State().PlayCount == 2);

  // Rings never outlive their board: an undo, a reset or a level takes them away.
  platform.answers = {MsgAnswer::Yes};
  const std::function<void()> changes[] = {[&] { Key(Qt::Key_F8); }, [&] { Key(Qt::Key_F2); },
                                           [&] { menu().mnuLevel2->trigger(); }};
  for (const auto& change : changes) {
    Key(Qt::Key_F3);
    ASSERT_TRUE(Answered());
    ASSERT_NE(Marks(), ">>");
    change();
    EXPECT_EQ(Marks(), ">>");
  }
  platform.msgBoxes.clear();

  // Ball 0 can jump ball 1, but two balls far apart are left whatever happens;
  // then no jump is left at all.
  for (bool newGame : {false, true}) {
    SetBoard({0, 1, 14}, newGame);
    Key(Qt::Key_F3);
    ASSERT_TRUE(Answered());
    EXPECT_EQ(Marks(), ">>");
  }
  SetBoard({0, 14}, false);
  EXPECT_FALSE(menu().mnuHint->isEnabled());
  Key(Qt::Key_F3);
  EXPECT_FALSE(w().HintSearching());
  EXPECT_EQ(Boxes(),
            "VORN: No winning line is left from here. Undo takes jumps back. [OK Info]\n"
            "VORN: No winning line is left from here. Right-click a ball, or press Shift+Space "
            "on it, to start from another hole. [OK Info]\n");
}

TEST_F(WindowTest, UndoAndRedoAnswerTheirKeysAndTheMenuTillAnotherJump) {
  Drag(3, 0);
  const std::string one = View();
  Drag(5, 3);
  const std::string two = View();
  const std::pair<QKeyCombination, std::string> keys[] = {
      {Qt::ControlModifier | Qt::Key_Z, one},
      {QKeyCombination(Qt::Key_F9), two},
      {Qt::ControlModifier | Qt::Key_Z, one},
      {Qt::ControlModifier | Qt::Key_Y, two},
      {Qt::ControlModifier | Qt::Key_Z, one},
      {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z, two}};
  for (const auto& [key, view] : keys) {
    QTest::keyClick(w().Picture1(), key.key(), key.keyboardModifiers());
    EXPECT_EQ(BoardView(w()), view.substr(0, view.find(" |"))) << key.key();
  }
  Key(Qt::Key_F8);
  menu().mnuRedo->trigger();
  EXPECT_EQ(View(), two);
  Key(Qt::Key_F8);
  Drag(10, 3);  // another jump: the undone one is forgotten
  EXPECT_FALSE(menu().mnuRedo->isEnabled());
}

TEST_F(WindowTest, EverySizeGrowsTheTriangleAndAt200PercentTheHitTestAndTheRings) {
  for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
    const double s = kBoardSizes[i] / 100.0;
    SCOPED_TRACE(testing::Message() << "size " << kBoardSizes[i]);
    menu().mnuSizes[i]->trigger();
    auto px = [s](double v) { return static_cast<int>(RoundHalfEven(v * s)); };
    EXPECT_EQ(w().size(), QSize(px(287), px(222.0)));
    EXPECT_EQ(MenuView(menu().mnuPopUp), "-mnuUndo -mnuRedo -mnuSave +mnuLevel1 +mnuSize" +
                                             std::to_string(kBoardSizes[i]) + " ");
    std::string inside;  // the designed triangle (146,0), (287,222), (3,222), grown
    for (QPointF p : {QPointF(146, 2), QPointF(146, 150), QPointF(90, 100), QPointF(205, 100),
                      QPointF(6, 220), QPointF(284, 220), QPointF(0, 0), QPointF(286, 0),
                      QPointF(75, 100), QPointF(215, 100), QPointF(1, 221)}) {
      inside += w().mask().contains((p * s).toPoint()) ? 'y' : 'n';
    }
    EXPECT_EQ(inside, "yyyyyynnnnn");
    EXPECT_EQ(w().Ball(3)->size(), QSize(px(29), px(29)));
    if (kBoardSizes[i] != 200) continue;

    // Grasped near its edge, the ball follows the pointer and lands where the
    // pointer is let go, though its centre is outside the hole.
    const QPoint grasp(px(26), px(14)), inApex = w().Hole(0)->pos() + QPoint(px(3), px(14));
    Mouse(3, kPress, w().Ball(3)->pos() + grasp);
    Mouse(3, kMove, inApex);
    EXPECT_EQ(w().Ball(3)->pos(), inApex - grasp);
    ASSERT_FALSE(w().Hole(0)->geometry().contains(w().Ball(3)->geometry().center()));
    Mouse(3, kRelease, inApex);
    EXPECT_EQ(BallInHole(w(), 0), 3);
    Key(Qt::Key_F3);
    ASSERT_TRUE(Answered());
    ASSERT_NE(Marks(), ">>");
    EXPECT_EQ(w().HintFrom()->width(), w().Hole(0)->width() + 2 * 12);
    menu().mnuReset->trigger();
  }
  // Ctrl with Plus, Minus and 0, never past the largest or smallest.
  const std::pair<QKeyCombination, int> keys[] = {
      {Qt::ControlModifier | Qt::Key_Plus, 300},
      {Qt::ControlModifier | Qt::Key_0, 100},
      {Qt::ControlModifier | Qt::Key_Minus, 100},
      {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Plus, 125},
      {Qt::ControlModifier | Qt::Key_Equal, 150},
      {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus, 125}};
  for (const auto& [key, size] : keys) {
    QTest::keyClick(w().Picture1(), key.key(), key.keyboardModifiers());
    EXPECT_EQ(w().State().BoardSize, size);
  }
}

TEST_F(WindowTest, TheCentreStaysWhereItWasOnTheScreenAndTheSizeIsStoredOnClose) {
  const QRect room = w().screen()->availableGeometry();
  w().move(room.center() - QPoint(143, 111));
  const QPointF centre = QRectF(w().geometry()).center();
  menu().mnuSizes[3]->trigger();
  EXPECT_LE((QRectF(w().geometry()).center() - centre).manhattanLength(), 1.0);
  w().move(room.bottomRight() - QPoint(w().width(), w().height()));
  menu().mnuSizes[4]->trigger();
  // Kept on the screen along each way it fits, else from the screen's start.
  auto kept = [](int at, int length, int start, int room) {
    return length <= room ? at >= start && at + length <= start + room : at == start;
  };
  EXPECT_TRUE(kept(w().x(), w().width(), room.x(), room.width()) &&
              kept(w().y(), w().height(), room.y(), room.height()));

  menu().mnuExit->trigger();
  EXPECT_EQ(platform.settings["vorn/Settings/BoardSize"], "300");
  platform.settings["vorn/Settings/BoardSize"] = "150";  // read back by the next start
  EXPECT_EQ(Form1Window(platform).size(), QSize(430, 333));
}

TEST_F(WindowTest, AWinFromAFreshBoardIsRecordedOnceAndTheBestTimesShowIt) {
  SetBoard({1, 2, 3}, true);
  w().MutableState().FreshBoard = true;
  Drag(3, 0);
  platform.now += 42s;
  Drag(0, 5);
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  EXPECT_EQ(platform.settings["vorn/BestTimes/Level1Seconds"] + " " +
                platform.settings["vorn/BestTimes/Level1Date"] + " " +
                platform.settings["vorn/BestTimes/Level1Wins"],
            "42 " + today + " 1");

  auto shown = [&] {
    QString rows;
    const QTableWidget* table = w().BestTimes()->Table();
    for (int row = 0; row < table->rowCount(); ++row) {
      rows += table->verticalHeaderItem(row)->text() + ":";
      for (int column = 0; column < 3; ++column) {
        const QTableWidgetItem* item = table->item(row, column);
        rows += " " + item->text() + (item->font().bold() ? "!" : "");
      }
      rows += "|";
    }
    return rows.toStdString();
  };
  menu().mnuBestTimes->trigger();
  ASSERT_TRUE(w().BestTimes()->isVisible());
  EXPECT_EQ(shown(), "5 Rows: 42 Seconds! " + today + "! 1!|6 Rows: -  0|7 Rows: -  0|");
  platform.answers = {MsgAnswer::No, MsgAnswer::Yes};  // asked first
  for (const char* left : {"42", ""}) {
    QTest::mouseClick(w().BestTimes()->ClearButton(), Qt::LeftButton);
    EXPECT_EQ(platform.settings["vorn/BestTimes/Level1Seconds"], left);
  }
  EXPECT_EQ(shown(), "5 Rows: -  0|6 Rows: -  0|7 Rows: -  0|");
  w().BestTimes()->close();
}

TEST_F(WindowTest, ArrowsMoveTheRingAlongTheRowsTabToBallsThatCanJumpSpaceLiftsAndJumps) {
  // Hidden on the apex at first; the first key shows it and acts from there.
  // Each row counted from its left end on screen: 2 1 / 5 4 3 / 9 7 8 6 / 14 12 11 13 10.
  EXPECT_EQ(Ring(), -1);
  std::string path;
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                      Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up,
                      Qt::Key_Up, Qt::Key_Up, Qt::Key_Left}) {
    Key(key);
    path += std::to_string(Ring()) + " ";
  }
  EXPECT_EQ(path, "2 5 4 3 3 8 11 12 7 4 1 0 0 0 ");

  // Tab and Shift+Tab go round the balls that can jump, by hole number.
  path.clear();
  for (auto held : {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier}) {
    Key(Qt::Key_Tab, held);
    path += std::to_string(Ring()) + " ";
  }
  EXPECT_EQ(path, "3 5 3 5 ");
  // Space on a ball that cannot jump does nothing.
  Key(Qt::Key_Right);
  Key(Qt::Key_Space);
  EXPECT_EQ(View(), fresh);

  // Lifted, Tab visits its landing holes only; Escape, or Space off them, puts it back.
  for (Qt::Key putBack : {Qt::Key_Escape, Qt::Key_Space}) {
    Key(Qt::Key_Tab);
    Key(Qt::Key_Space);
    EXPECT_NE(Lifted(), -1);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Ring(), 0);
    if (putBack == Qt::Key_Space) Key(Qt::Key_Down);
    Key(putBack);
    EXPECT_EQ(Lifted(), -1);
    EXPECT_EQ(View(), fresh);
  }
  // Enter jumps to a landing hole, and the ring stays on it.
  Key(Qt::Key_Up);  // from hole 2 to the apex
  Key(Qt::Key_Tab);
  Key(Qt::Key_Return);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(BallInHole(w(), 0), 3);
  EXPECT_EQ(Ring(), 0);
  EXPECT_EQ(w().State().PlayCount, 1);

  // A press hides the ring where it stands; a reset puts it, hidden, on the apex.
  QTest::mousePress(w().Picture1(), Qt::LeftButton, {}, Centre(14));
  QTest::mouseRelease(w().Picture1(), Qt::LeftButton, {}, Centre(14));
  EXPECT_EQ(Ring(), -1);
  Key(Qt::Key_Down);
  EXPECT_EQ(Ring(), 2);
  menu().mnuReset->trigger();
  EXPECT_EQ(Ring(), -1);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Ring(), 3);
}

TEST_F(WindowTest, AWholeGameIsWonFromTheKeyboardAloneOnEveryLevel) {
  QAction* levels[] = {menu().mnuLevel1, menu().mnuLevel2, menu().mnuLevel3};
  for (int level = 0; level < 3; ++level) {
    SCOPED_TRACE(testing::Message() << "level " << level + 1);
    levels[level]->trigger();
    platform.msgBoxes.clear();
    const Form1& f = w().State();
    const Solver solver(f.LabelCount, JumpTable(f));
    const std::atomic<bool> cancel{false};
    // The starting hole, chosen with Shift+Enter: the highest one with a win.
    const std::uint32_t all = OccupiedHoles(f) | 1u;
    int start = f.LabelCount - 1;
    while (start > 0 && !solver.Solve(all & ~(1u << start), cancel)->winnable) --start;
    const std::uint32_t position = all & ~(1u << start);
    const RowPlace at = RowPlaceOf(f, static_cast<std::int16_t>(start));
    for (int r = 0; r < at.row; ++r) Key(Qt::Key_Down);
    for (int c = 0; c < at.place; ++c) Key(Qt::Key_Right);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_EQ(OccupiedHoles(f), position);
    while (const auto jump = solver.Solve(OccupiedHoles(f), cancel)->hint) {
      for (int tabs = 0; Ring() != jump->from && tabs < 30; ++tabs) Key(Qt::Key_Tab);
      Key(Qt::Key_Space);
      for (int tabs = 0; Ring() != jump->to && tabs < 30; ++tabs) Key(Qt::Key_Tab);
      Key(Qt::Key_Space);
      ASSERT_EQ(w().State().Image2[jump->to].Tag.has_value(), true)
          << jump->from << ">" << jump->to;
    }
    EXPECT_EQ(Boxes(), "VORN: " + WonPrompt(0) + " [YesNo Exclamation]\n");
    menu().mnuReset->trigger();
  }
}

TEST_F(WindowTest, AClickLiftsABallAClickOnALandingHoleJumpsAndAnyOtherClickPutsItBack) {
  // Within the drag distance a press and release is a click; beyond, a carry.
  for (QPoint travel : {QPoint(0, 0), QPoint(2, 1)}) {
    Mouse(3, kPress, Centre(3));
    Mouse(3, kMove, Centre(3) + travel);
    Mouse(3, kRelease, Centre(3) + travel);
    EXPECT_EQ(Lifted(), 3);
    Click((Centre(3) + Centre(4)) / 2);  // the wood
    EXPECT_EQ(View(), fresh);
  }
  Mouse(3, kPress, Centre(3));
  Mouse(3, kMove, Centre(4));
  Mouse(3, kRelease, Centre(3));
  EXPECT_EQ(View(), fresh);
  // A click on the lifted ball puts it down; one on an empty hole it cannot
  // reach puts it back; one on its landing hole jumps.
  for (std::function<void()> then : std::initializer_list<std::function<void()>>{
           [&] { QTest::mouseClick(w().Ball(5), Qt::LeftButton, {}, QPoint(14, 14)); },
           [&] { Click(Centre(0) + QPoint(40, 40)); }, [&] { Click(Centre(0)); }}) {
    QTest::mouseClick(w().Ball(5), Qt::LeftButton, {}, QPoint(14, 14));
    EXPECT_EQ(Lifted(), 5);
    then();
    EXPECT_EQ(Lifted(), -1);
  }
  EXPECT_EQ(BallInHole(w(), 0), 5);
  EXPECT_EQ(w().State().PlayCount, 1);
}

TEST_F(WindowTest, TheMenuKeysOpenTheMenuAtTheRingAndCommandKeysPutALiftedBallDown) {
  QCursor::setPos(w().mapToGlobal(QPoint(20, 200)));
  for (auto [key, held] :
       {std::pair(Qt::Key_Menu, Qt::NoModifier), std::pair(Qt::Key_F10, Qt::ShiftModifier)}) {
    Key(key, held);
    ASSERT_TRUE(menu().mnuPopUp->isVisible());
    EXPECT_EQ(menu().mnuPopUp->pos(), QCursor::pos());
    menu().mnuPopUp->close();
  }
  Key(Qt::Key_Tab);
  Key(Qt::Key_Space);
  Key(Qt::Key_Menu);
  EXPECT_EQ(menu().mnuPopUp->pos(), w().Picture1()->mapToGlobal(Centre(3)));
  menu().mnuPopUp->close();
  EXPECT_EQ(View(), fresh);
  Drag(5, 0);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Space);
  ASSERT_NE(Lifted(), -1);
  Key(Qt::Key_F8);
  EXPECT_EQ(BoardView(w()), StartingBoard(15));
  EXPECT_EQ(Ring(), 8);
}

TEST_F(WindowTest, AssistiveTechnologyHearsEachHoleByPlaceAndContentAndFollowsTheRing) {
  // The ring is the accessible focus, and each hole is named as it is now.
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w().Picture1());
  ASSERT_EQ(board->childCount(), 15);
  std::string focused;
  Drag(3, 0);
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space}) {
    Key(key);
    focused += board->focusChild()->text(QAccessible::Name).toStdString() + "|";
  }
  EXPECT_EQ(focused,
            "Row 2, hole 1: ball|Row 3, hole 1: ball, can jump|Row 3, hole 1: ball, lifted|");
  std::string names;
  for (int i : {0, 1, 3, 4, 5})
    names += board->child(i)->text(QAccessible::Name).toStdString() + "|";
  EXPECT_EQ(names,
            "Row 1, hole 1: ball|Row 2, hole 1: ball|Row 3, hole 1: ball, lifted|Row 3, hole 2: "
            "ball|Row 3, hole 3: empty, the lifted ball can land here|");
  EXPECT_TRUE(board->child(3)->state().focused && !board->child(4)->state().focused);

  // Menu items are named without their keys, which are told apart.
  QAccessibleInterface* undo = QAccessible::queryAccessibleInterface(menu().mnuPopUp)->child(0);
  EXPECT_EQ(undo->text(QAccessible::Name) + "|" + undo->text(QAccessible::Accelerator), "Undo|F8");
}

TEST_F(WindowTest, HintAndFocusRingsStandOutThreeToOneOnTheWoodEveryBallAndAnEmptyHole) {
  // Relative luminance and contrast ratio, as for any text or mark on screen.
  auto luminance = [](QRgb c) {
    auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
  };
  auto contrast = [&](QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
  };
  // On each ray from the mark's centre, its most visible pixel against the
  // board drawn without it: the weakest ray over the whole ring.
  auto weakest = [&](HoleMark* mark, QRect around) {
    mark->Clear();
    const QImage bare = w().Picture1()->grab().toImage();
    mark->ShowAround(0, around);
    const QImage marked = w().Picture1()->grab().toImage();
    mark->Clear();
    double weakest = 1e9;
    for (int ray = 0; ray < 72; ++ray) {
      const double angle = ray * M_PI / 36;
      double best = 1;
      for (double r = 0; r < mark->width(); r += 0.5) {
        const QPoint p = mark->geometry().center() + QPoint(static_cast<int>(r * std::cos(angle)),
                                                            static_cast<int>(r * std::sin(angle)));
        if (!marked.rect().contains(p)) break;
        best = std::max(best, contrast(marked.pixel(p), bare.pixel(p)));
      }
      weakest = std::min(weakest, best);
    }
    return weakest;
  };
  std::set<QString> designs;
  for (HoleMark* mark : {w().HintFrom(), w().HintTo(), w().FocusRing()}) {
    EXPECT_GE(weakest(mark, w().Hole(0)->geometry()), 3.0);  // round the empty apex, on the wood
    for (int ball = 1; ball < 15; ++ball) {                  // over the face of every ball design
      if (!designs.insert(w().Ball(ball)->Resource() + mark->objectName()).second) continue;
      const QRect face(w().Hole(ball)->geometry().center() - QPoint(1, 1), QSize(3, 3));
      EXPECT_GE(weakest(mark, face), 3.0) << ball << mark->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace vorn::test
