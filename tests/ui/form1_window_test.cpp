// The main window driven as a player does: its menu and keys, carrying and
// clicking balls, whole games, the commands, the dialogs and the hint.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
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
const std::string kNoMarks = "-1>-1";

// An environment variable set, or unset with none, while it lives.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::optional<QByteArray>& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
    Set(value);
  }
  ~ScopedVariable() { Set(old_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  void Set(const std::optional<QByteArray>& value) {
    if (value) {
      qputenv(name_, *value);
    } else {
      qunsetenv(name_);
    }
  }
  const char* name_;
  std::optional<QByteArray> old_;
};

// A shown, active main window with a fresh game over a scripted platform.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    fresh = View();
  }

  // The number of shown holes, then every shown ball and the shown hole it
  // is over, a star marking the hand pointer: "15: 1@1 2@2 3@3*".
  static std::string BoardView(Form1Window& w) {
    w.FinishMovement();  // where the game has the balls
    std::string view;
    int holes = 0;
    for (int i = 0; i < kElementCount; ++i) {
      holes += !w.Hole(i)->isHidden();
      if (w.Ball(i)->isHidden()) continue;
      view.append(" ").append(std::to_string(i)).append("@");
      for (int h = 0; h < kElementCount; ++h) {
        const bool under = w.Hole(h)->geometry() == w.Ball(i)->geometry();
        if (under && !w.Hole(h)->isHidden()) view += std::to_string(h);
      }
      if (w.Ball(i)->HasHandCursor()) view += "*";
    }
    return std::to_string(holes) + ":" + view;
  }
  // The greyed ("-") and checked ("+") items of a menu and its submenus.
  static std::string MenuView(const QMenu* menu) {
    std::string view;
    for (const QAction* a : menu->actions()) {
      const std::string marks =
          std::string(a->isEnabled() ? "" : "-") + (a->isChecked() ? "+" : "");
      if (a->isVisible() && !marks.empty()) view += marks + a->objectName().toStdString() + " ";
      if (a->isVisible() && a->menu()) view += MenuView(a->menu());
    }
    return view;
  }
  // The message boxes shown so far, one a line.
  std::string Boxes() const {
    static const char* const kIcons[] = {"None", "Critical", "Question", "Exclamation", "Info"};
    std::string all;
    for (const auto& m : platform.msgBoxes) {
      all += m.title + ": " + m.prompt + (m.buttons == MsgButtons::OK ? " [OK " : " [YesNo ") +
             kIcons[static_cast<int>(m.icon)] + "]\n";
    }
    return all;
  }
  // The shown hole a widget is centred on, `lift` pixels lower; -1 while it is hidden.
  int HoleUnder(const QWidget* widget, int lift = 0) {
    w().FinishMovement();
    for (int h = 0; widget->isVisible() && h < kElementCount; ++h) {
      const bool under = widget->geometry().center() + QPoint(0, lift) == Centre(h);
      if (under && !w().Hole(h)->isHidden()) return h;
    }
    return -1;
  }
  // The ball shown over a hole (any, with -1) or `lift` pixels above it; -1 for none.
  int BallInHole(int hole, int lift = 0) {
    for (int i = 0; i < kElementCount; ++i) {
      const int under = HoleUnder(w().Ball(i), lift);
      if (under >= 0 && (hole < 0 || under == hole)) return i;
    }
    return -1;
  }
  int Lifted() { return BallInHole(-1, 5); }
  int Ring() { return HoleUnder(w().FocusRing()); }
  // The hint's ball's hole and its landing hole: "3>0".
  std::string Marks() {
    return std::to_string(HoleUnder(w().HintFrom())) + ">" +
           std::to_string(HoleUnder(w().HintTo()));
  }

  Form1Window& w() { return *window_; }
  const PopUpMenuActions& menu() const { return window_->Menu(); }
  // The board and the menu's states.
  std::string View() const { return BoardView(*window_) + " | " + MenuView(menu().mnuPopUp); }
  QPoint Centre(int hole) const { return window_->Hole(hole)->geometry().center(); }
  // Presses keys by letter, noting `seen()` after each: arrows U D L R, Tab T, Space s, Return r,
  // Enter E, Escape e, Menu m, F10 F, z y 0 + - = as themselves, digits as function keys;
  // ^ ! # before a key hold Ctrl, Shift, keypad.
  std::string Keys(std::string_view letters, const std::function<std::string()>& seen = {}) {
    static const std::array kKeys = {
        Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Left,   Qt::Key_Right, Qt::Key_Tab,  Qt::Key_Space,
        Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Menu,  Qt::Key_F10,  Qt::Key_Z,
        Qt::Key_Y,      Qt::Key_0,     Qt::Key_Plus,   Qt::Key_Minus, Qt::Key_Equal};
    static const Qt::KeyboardModifier kHeld[] = {Qt::ControlModifier, Qt::ShiftModifier,
                                                 Qt::KeypadModifier};
    Qt::KeyboardModifiers held;
    std::string trace;
    for (char c : letters) {
      if (const auto at = std::string_view("^!#").find(c); at != std::string_view::npos) {
        held |= kHeld[at];
        continue;
      }
      QTest::keyClick(window_->Picture1(),
                      c >= '1' && c <= '9'
                          ? Qt::Key(Qt::Key_F1 + c - '1')
                          : kKeys.at(std::string_view("UDLRTsrEemFzy0+-=").find(c)),
                      std::exchange(held, {}));
      if (seen) trace += seen() + " ";
    }
    return trace;
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
    const int ball = BallInHole(from);
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
  // Wins a game of three balls from a fresh board, taking `took`.
  void WinFromAFreshBoard(std::chrono::seconds took) {
    SetBoard({1, 2, 3}, true);
    w().MutableState().FreshBoard = true;
    Drag(3, 0);
    platform.now += took;
    Drag(0, 5);
  }
  // The first level's row of Best Times, each cell's text then "!" when bold, "|".
  std::string BestTimesRow() {
    if (!w().BestTimes() || !w().BestTimes()->isVisible()) menu().mnuBestTimes->trigger();
    QString row;
    for (int column = 0; column < 3; ++column) {
      const QTableWidgetItem* item = w().BestTimes()->Table()->item(0, column);
      row += item->text() + (item->font().bold() ? "!|" : "|");
    }
    return row.toStdString();
  }
  bool Answered() {
    return QTest::qWaitFor([&] { return !w().HintSearching(); }, 20000);
  }

  // The board at its designed size, which the places above assume.
  static ScriptedPlatform AtDesignedSize() {
    ScriptedPlatform designed;
    designed.settings["vorn/Settings/BoardSize"] = "100";
    return designed;
  }

  ScriptedPlatform platform = AtDesignedSize();
  std::string fresh;
  std::unique_ptr<Form1Window> window_ = std::make_unique<Form1Window>(platform);
};

TEST_F(WindowTest, ACarryThatCannotLandOrIsInterruptedPutsTheBallBack) {
  QWidget other;
  const QPointF home(Centre(3)), apex(Centre(0)), edge(w().State().Image2[0].Left / 15, apex.y());
  const std::pair<std::vector<QPointF>, std::function<void()>> cases[] = {
      {{apex, home}, [&] { RightClick(3); }},  // which makes no starting choice
      {{apex, home}, {}},  // let go where it was grasped, on the apex hole's edge, on a full hole
      {{edge}, {}},
      {{Centre(4)}, {}},
      {{apex, QPointF(2, 2), apex}, {}},  // out of the window and back over the apex
      {{apex}, [&] { Keys("2"); }},       // answered No
      {{apex}, [&] { Keys("8"); }},
      {{apex}, [&] { Keys("1"); }},                     // opens the menu
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

TEST_F(WindowTest, UndoRedoAndResetAnswerTheirKeysAndTheMenu) {
  std::vector<std::string> boards = {BoardView(w())};
  for (auto [from, to] : {std::pair(3, 0), std::pair(5, 3)}) {
    Drag(from, to);
    boards.push_back(BoardView(w()));
  }
  const auto jumps = [&] {  // how many jumps are made
    return std::to_string(std::find(boards.begin(), boards.end(), BoardView(w())) - boards.begin());
  };
  std::string made = Keys("^z98^y^z^!z88", jumps);
  for (QAction* command : {menu().mnuRedo, menu().mnuRedo, menu().mnuUndo}) {
    command->trigger();
    made += jumps() + " ";
  }
  EXPECT_EQ(made, "1 2 1 2 1 2 1 0 1 2 1 ");
  Drag(10, 3);  // another jump: the undone one is forgotten
  EXPECT_FALSE(menu().mnuRedo->isEnabled());
  const std::string jumped = View();
  platform.answers = {MsgAnswer::No, MsgAnswer::Yes};  // F2 asks first
  for (const std::string& after : {jumped, fresh}) {
    Keys("2");
    EXPECT_EQ(View(), after);
  }
}

TEST_F(WindowTest, ARightClickChoosesTheStartTillTheFirstJumpThenExitAsksAndLevelsAreStored) {
  RightClick(3);
  EXPECT_EQ(View(),
            "15: 1@1 2@2 3@0* 4@4 5@5* 6@6 7@7 8@8 9@9 10@10* 11@11* 12@12 13@13 14@14 | "
            "-mnuUndo -mnuRedo -mnuSave +mnuLevel1 +mnuSize100 -mnuSize300 ");
  menu().mnuLevel1->trigger();  // the checked level starts again, without asking
  EXPECT_EQ(View(), fresh);
  Drag(3, 0);
  const std::string afterJump = View();
  RightClick(2);
  EXPECT_TRUE(View() == afterJump && !menu().mnuPopUp->isVisible());
  platform.answers = {MsgAnswer::No};
  menu().mnuExit->trigger();
  EXPECT_TRUE(w().isVisible() && View() == afterJump && platform.settingWrites == 0);
  // A checkpoint, or a logout that is then cancelled: the level is stored,
  // and Exit still asks.
  w().CommitData();
  EXPECT_TRUE(w().isVisible() && View() == afterJump);
  EXPECT_EQ(platform.settings["vorn/Settings/GLevel"], "0");
  platform.answers = {MsgAnswer::No};
  menu().mnuExit->trigger();
  EXPECT_TRUE(w().isVisible() && View() == afterJump);
  EXPECT_EQ(Boxes(),
            "VORN Exit: Are you sure you want to exit [YesNo Question]\n"
            "VORN Exit: Are you sure you want to exit [YesNo Question]\n");
  platform.msgBoxes.clear();
  menu().mnuLevel3->trigger();  // without asking
  const std::string level3 = View();
  EXPECT_EQ(level3.substr(0, 3) + MenuView(menu().mnuLevel), "28:+mnuLevel3 ");
  menu().mnuExit->trigger();  // with no jump made: not asked
  EXPECT_TRUE(!w().isVisible() && platform.msgBoxes.empty());
  EXPECT_EQ(platform.settings["vorn/Settings/GLevel"], "2");
  Form1Window next(platform);  // the next start reads it back
  EXPECT_EQ(BoardView(next) + " | " + MenuView(next.Menu().mnuPopUp), level3);
  // The session manager ends the session by making the application quit;
  // the test keeps its own event loop going past that.
  struct KeepRunning : QObject {
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Quit; }
  } keepRunning;
  QCoreApplication::instance()->installEventFilter(&keepRunning);
  for (bool sessionEnd : {false, true}) {  // Exit answered Yes, or the session's end unasked
    platform.msgBoxes.clear();
    window_ = std::make_unique<Form1Window>(platform);
    window_->show();
    Drag(3, 0);
    platform.answers = {MsgAnswer::Yes};
    QEvent quit(QEvent::Quit);
    sessionEnd ? void(QCoreApplication::sendEvent(QCoreApplication::instance(), &quit))
               : menu().mnuExit->trigger();
    EXPECT_TRUE(!w().isVisible() && platform.settings["vorn/Settings/GLevel"] == "2");
    EXPECT_EQ(platform.msgBoxes.size(), sessionEnd ? 0u : 1u);
  }
}

TEST_F(WindowTest, HelpShowsOneInstructionsWindowAndTheAboutWindowStartsSystemInfo) {
  menu().mnuInst->trigger();
  menu().mnuInst->trigger();
  EXPECT_EQ(w().findChildren<QDialog*>("frmInst").size(), 1);
  EXPECT_TRUE(w().Instructions()->isVisible());
  // A viewer from the path is started, or a message says there is none.
  FrmAbout about(&w(), platform);
  QTemporaryDir path;
  const ScopedVariable onlyPath("PATH", QFile::encodeName(path.path()));
  QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
  const QString viewer = path.filePath("hardinfo"), marker = path.filePath("started");
  std::ofstream(viewer.toStdString()) << "#!/bin/sh\necho >'" << marker.toStdString() << "'\n";
  QFile::setPermissions(viewer, QFile::ReadOwner | QFile::ExeOwner);
  about.StartSysInfo();
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
  EXPECT_EQ(Boxes(), "VORN Game: System Information Is Unavailable At This Time [OK None]\n");
}

TEST_F(WindowTest, TheHintMarksAJumpOnAWinningLineOrSaysThereIsNoneAndNeedsAJumpAndNoCarry) {
  Mouse(3, kPress, Centre(3));
  EXPECT_FALSE(menu().mnuHint->isEnabled());
  Keys("3");  // puts the ball back first, then hints
  ASSERT_TRUE(Answered());
  const std::string marks = Marks();
  EXPECT_TRUE(marks == "3>0" || marks == "5>0") << marks;
  EXPECT_EQ(View(), fresh);
  Drag(3, 0);  // a jump takes the marks away
  EXPECT_EQ(Marks(), kNoMarks);
  menu().mnuHint->trigger();
  Drag(5, 3);  // and cancels the search under way
  QTest::qWait(50);
  EXPECT_TRUE(!w().HintSearching() && Marks() == kNoMarks && w().State().PlayCount == 2);
  platform.answers = {MsgAnswer::Yes};
  for (int change = 0; change < 3; ++change) {  // an undo, a reset, a level
    Keys("3");
    ASSERT_TRUE(Answered());
    ASSERT_NE(Marks(), kNoMarks);
    change == 2 ? menu().mnuLevel2->trigger() : void(Keys(change ? "2" : "8"));
    EXPECT_EQ(Marks(), kNoMarks) << change;
  }
  platform.msgBoxes.clear();
  // Ball 0 can jump ball 1, but two balls far apart are left whatever happens;
  // then no jump is left at all.
  for (bool newGame : {false, true}) {
    SetBoard({0, 1, 14}, newGame);
    Keys("3");
    ASSERT_TRUE(Answered());
    EXPECT_EQ(Marks(), kNoMarks);
  }
  SetBoard({0, 14}, false);
  EXPECT_FALSE(menu().mnuHint->isEnabled());
  Keys("3");
  EXPECT_FALSE(w().HintSearching());
  EXPECT_EQ(Boxes(),
            "VORN: No winning line is left from here. Undo takes jumps back. [OK Info]\n"
            "VORN: No winning line is left from here. Right-click a ball, or press Shift+Space "
            "on it, to start from another hole. [OK Info]\n");
}

TEST_F(WindowTest, EverySizeGrowsTheTriangleAndAt200PercentTheHitTestAndTheRings) {
  for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
    const double s = kBoardSizes[i] / 100.0;
    SCOPED_TRACE(testing::Message() << "size " << kBoardSizes[i]);
    if (!menu().mnuSizes[i]->isEnabled()) {  // larger than the 800x800 screen
      EXPECT_EQ(kBoardSizes[i], 300);
      continue;
    }
    menu().mnuSizes[i]->trigger();
    auto px = [s](double v) { return static_cast<int>(RoundHalfEven(v * s)); };
    EXPECT_EQ(w().size(), QSize(px(287), px(222.0)));
    EXPECT_EQ(w().Ball(3)->size(), QSize(px(29), px(29)));
    std::string inside;  // the designed triangle (146,0), (287,222), (3,222), grown
    for (QPointF p : {QPointF(146, 2), QPointF(146, 150), QPointF(90, 100), QPointF(205, 100),
                      QPointF(6, 220), QPointF(284, 220), QPointF(0, 0), QPointF(286, 0),
                      QPointF(75, 100), QPointF(215, 100), QPointF(1, 221)}) {
      inside += w().mask().contains((p * s).toPoint()) ? 'y' : 'n';
    }
    EXPECT_EQ(inside, "yyyyyynnnnn");
    if (kBoardSizes[i] != 200) continue;
    // Grasped near its edge, the ball follows the pointer and lands where the
    // pointer is let go, though its centre is outside the hole.
    const QPoint grasp(px(26), px(14)), inApex = w().Hole(0)->pos() + QPoint(px(3), px(14));
    Mouse(3, kPress, w().Ball(3)->pos() + grasp);
    Mouse(3, kMove, inApex);
    EXPECT_EQ(w().Ball(3)->pos(), inApex - grasp);
    ASSERT_FALSE(w().Hole(0)->geometry().contains(w().Ball(3)->geometry().center()));
    Mouse(3, kRelease, inApex);
    EXPECT_EQ(BallInHole(0), 3);
    Keys("3");  // the rings grow too
    ASSERT_TRUE(Answered());
    EXPECT_EQ(Marks() == kNoMarks ? 0 : w().HintFrom()->width(), w().Hole(0)->width() + 2 * 12);
    menu().mnuReset->trigger();
  }
  // Ctrl with Plus, 0, Minus, Shift+Plus, Equal and keypad Minus, never past
  // the ends nor past the screen.
  EXPECT_EQ(Keys("^+^0^-^!+^=^#-", [&] { return std::to_string(w().State().BoardSize); }),
            "200 100 100 125 150 125 ");
}

// A start draws the board from the disk where an earlier start drew it: the
// same pixels, at every size. Each size has a cache folder of its own, which
// no test running beside this one writes to.
TEST_F(WindowTest, TheBoardReadBackFromTheDiskIsTheBoardDrawn) {
  for (int size : {100, 175}) {
    SCOPED_TRACE(size);
    QTemporaryDir own;
    const ScopedVariable cacheHome("XDG_CACHE_HOME", QFile::encodeName(own.path()));
    const QString cache = own.path() + "/vorn/pictures";
    platform.settings["vorn/Settings/BoardSize"] = std::to_string(size);
    Form1Window drawn(platform);
    drawn.show();
    const QImage first = drawn.Picture1()->grab().toImage();
    const QStringList stored = QDir(cache).entryList({"board@*.argb"});
    ASSERT_EQ(stored.size(), 1);
    const auto fileId = [&] {
      struct stat st {};
      return ::stat(QFile::encodeName(cache + "/" + stored[0]).constData(), &st) == 0 ? st.st_ino
                                                                                      : 0;
    };
    const auto storedId = fileId();
    Form1Window readBack(platform);
    readBack.show();
    EXPECT_EQ(readBack.Picture1()->grab().toImage(), first);
    EXPECT_EQ(fileId(), storedId);  // found, not drawn and stored again
  }
}

TEST_F(WindowTest, TheCentreStaysWhereItWasOnTheScreenAndTheSizeIsStoredOnClose) {
  const QRect room = w().screen()->availableGeometry();
  w().move(room.center() - QPoint(143, 111));
  const QRect start = w().geometry();
  menu().mnuSizes[3]->trigger();
  EXPECT_LE((QRectF(w().geometry()).center() - QRectF(start).center()).manhattanLength(), 1.0);
  for (int cycle = 0; cycle < 5; ++cycle) Keys("^0^+^+^+^-");  // creeping by no pixel
  Keys("^0");
  EXPECT_EQ(w().geometry(), start);
  w().move(room.bottomRight() - QPoint(w().width(), w().height()));
  menu().mnuSizes[3]->trigger();
  EXPECT_TRUE(room.contains(w().geometry())) << w().geometry().x() << "," << w().geometry().y();
  EXPECT_FALSE(menu().mnuSizes[4]->isEnabled());  // 300 % would not fit the screen
  menu().mnuExit->trigger();
  EXPECT_EQ(platform.settings["vorn/Settings/BoardSize"], "200");
  // The next start takes the stored size, the largest that fits for one that
  // does not, and on a first start the largest within 45 % of the screen's
  // height (800 pixels: 150 %).
  for (const auto& [stored, size] :
       {std::pair("150", QSize(430, 333)), std::pair("300", QSize(574, 444)),
        std::pair("", QSize(430, 333))}) {
    platform.settings["vorn/Settings/BoardSize"] = stored;
    if (std::string(stored).empty()) platform.settings.erase("vorn/Settings/BoardSize");
    EXPECT_EQ(Form1Window(platform).size(), size) << stored;
  }
}

TEST_F(WindowTest, AWinFromAFreshBoardIsRecordedAndTheBestTimesShowItTillClearedIfAnsweredYes) {
  WinFromAFreshBoard(42s);
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  EXPECT_EQ(BestTimesRow(), "42 Seconds!|" + today + "!|1!|");  // the new best in bold
  platform.answers = {MsgAnswer::No, MsgAnswer::Yes};           // asked first
  for (const std::string& left : {BestTimesRow(), std::string("-|-|0|")}) {
    QTest::mouseClick(w().BestTimes()->ClearButton(), Qt::LeftButton);
    EXPECT_EQ(BestTimesRow(), left);
  }
  EXPECT_EQ(platform.settings["vorn/BestTimes/Level1Seconds"], "");
  w().BestTimes()->close();
}

// While a ball is lifted or carried, each hole it may land in is marked.
TEST_F(WindowTest, TheLandingHolesOfALiftedOrCarriedBallAreMarked) {
  SetBoard({1, 2, 4, 5, 6, 7, 8, 9, 11, 12, 13}, true);  // 5 may land in 0 or 3 or 14
  const auto marks = [&] {
    std::vector<int> holes = w().LandingMarks();
    std::sort(holes.begin(), holes.end());
    std::string shown;
    for (int hole : holes) shown += std::to_string(hole) + " ";
    return shown + "|";
  };
  std::string seen = marks();
  Mouse(5, kPress, Centre(5));  // carried
  Mouse(5, kMove, Centre(4));
  seen += marks();
  Mouse(5, kRelease, Centre(5));
  seen += marks();
  Mouse(5, kPress, Centre(5));  // lifted by a click
  Mouse(5, kRelease, Centre(5));
  seen += marks();
  Keys("e");
  EXPECT_EQ(seen + marks(), "|0 3 14 ||0 3 14 ||");
}

// A jump by keys or clicks, an undo and a redo are shown moving: the ball
// goes along its path and the jumped ball fades, while the game has the jump
// at once; any input finishes the movement.
TEST_F(WindowTest, AJumpNotCarriedIsShownMovingAndAnyInputFinishesIt) {
  const auto at = [&](int ball) { return w().Ball(ball)->geometry(); };
  const QRect home = at(3), apex = w().Hole(0)->geometry();
  Keys("TsTs");  // 3 lifted and jumped to 0 over 1
  EXPECT_TRUE(w().State().Image2[0].Tag == 3 && !w().State().Image2[1].Tag);
  EXPECT_TRUE(w().Moving() && at(3) != apex && w().Ball(1)->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w().Moving(); }, 5000));
  EXPECT_TRUE(at(3) == apex && w().Ball(1)->isHidden());
  menu().mnuUndo->trigger();
  EXPECT_TRUE(w().Moving() && at(3) != home);
  Keys("D");  // finishes it at once
  EXPECT_TRUE(!w().Moving() && at(3) == home && w().Ball(1)->isVisible());
  Keys("9");  // a redo moves, a click finishes
  EXPECT_TRUE(w().Moving());
  QTest::mouseClick(w().Picture1(), Qt::LeftButton, {}, Centre(14) + QPoint(40, 0));
  EXPECT_TRUE(!w().Moving() && at(3) == apex && w().Ball(1)->isHidden());
}

// With the settings folder full or unwritable: the player is told once what
// was lost, where and why, and Best Times shows only what is kept.
TEST_F(WindowTest, ARecordOrALevelThatCouldNotBeStoredIsToldOnceAndNeverShownAsKept) {
  platform.settings = {{"vorn/BestTimes/Level1Seconds", "100"},
                       {"vorn/BestTimes/Level1Date", "2026-01-02"},
                       {"vorn/BestTimes/Level1Wins", "4"}};
  const auto kept = platform.settings;
  platform.failSettings = "/home/p/.config/vorn/vorn.conf: No space left on device";
  platform.beforeMsgBox = [this] { w().SyncView(); };  // as the window system's platform does
  for (int win = 0; win < 2; ++win) WinFromAFreshBoard(4s);
  const std::string won = "VORN: " + WonPrompt(4) + " [YesNo Exclamation]\n";
  EXPECT_EQ(Boxes(), "VORN: Your best time could not be saved: " + *platform.failSettings +
                         " [OK Exclamation]\n" + won + won);
  EXPECT_EQ(BestTimesRow(), "100 Seconds|2026-01-02|4|");
  w().BestTimes()->close();
  EXPECT_EQ(platform.settings, kept);

  platform.msgBoxes.clear();
  platform.answers = {MsgAnswer::Yes};
  menu().mnuExit->trigger();
  EXPECT_EQ(Boxes(),
            "VORN Exit: Are you sure you want to exit [YesNo Question]\n"
            "VORN: The level and board size could not be saved: " +
                *platform.failSettings + " [OK Exclamation]\n");
  EXPECT_EQ(platform.settings, kept);
}

TEST_F(WindowTest, ArrowsMoveTheRingAlongTheRowsTabToBallsThatCanJumpSpaceOrEnterLiftsAndJumps) {
  // After each key, the ring's hole and "^" with the lifted ball. Hidden on the apex at first,
  // the first key shows it and acts from there. Rows from their left ends on screen:
  // 0 / 2 1 / 5 4 3 / 9 7 8 6 / 14 12 11 13 10. Tab and Shift+Tab go round the balls that can
  // jump by hole number, or a lifted ball's landing holes. Space on a ball that cannot jump
  // does nothing; Escape puts a lifted ball back and the ring with it, Space off a landing
  // hole puts the ball back.
  EXPECT_EQ(Ring(), -1);
  const auto ring = [&] {
    const int lifted = Lifted();
    return std::to_string(Ring()) + std::string(lifted >= 0, '^') +
           (lifted >= 0 ? std::to_string(lifted) : "");
  };
  EXPECT_EQ(Keys("DDRRRDLUUUUTTT!TRsTs!TeTs!TDsUTrT#E", ring),
            "2 5 4 3 3 8 7 4 1 0 0 3 5 3 5 4 4 5 5^5 0^5 5 3 3^3 0^3 2^3 2 0 3 3^3 0^3 0 ");
  EXPECT_EQ(BoardView(w()),
            "15: 2@2 3@0 4@4 5@5* 6@6 7@7* 8@8 9@9 10@10* 11@11* 12@12 13@13 14@14");
  // A press hides the ring where it stands; a reset puts it, hidden, on the apex.
  QTest::mouseClick(w().Picture1(), Qt::LeftButton, {}, Centre(14));
  std::string hidden = ring() + " ";
  hidden += Keys("D", ring);
  menu().mnuReset->trigger();
  hidden += ring() + " ";
  EXPECT_EQ(hidden + Keys("T", ring), "-1 2 -1 3 ");
}

TEST_F(WindowTest, TheMenuKeysOpenTheMenuAtThePointerOrTheRingAndPutALiftedBallDown) {
  // The Menu key and Shift+F10 open it at the pointer, or at the ring once it shows,
  // putting a lifted ball down; so does a command key.
  QCursor::setPos(w().mapToGlobal(QPoint(20, 200)));
  const QPoint pointer = QCursor::pos(), ring = w().Picture1()->mapToGlobal(Centre(3));
  const auto menuAt = [&] {
    const QPoint pos = menu().mnuPopUp->isVisible() ? menu().mnuPopUp->pos() : QPoint(-1, -1);
    menu().mnuPopUp->close();
    return std::string(pos == pointer ? "pointer" : pos == ring ? "ring" : pos.x() < 0 ? "-" : "?");
  };
  EXPECT_EQ(Keys("m!FTsm", menuAt), "pointer pointer - - ring ");
  EXPECT_EQ(View(), fresh);
  Drag(5, 0);
  Keys("Ts");
  ASSERT_NE(Lifted(), -1);
  Keys("8");
  EXPECT_EQ(BoardView(w()), fresh.substr(0, fresh.find(" |")));
  EXPECT_EQ(Ring(), 8);
}

TEST_F(WindowTest, AWholeGameIsWonFromTheKeyboardAloneOnEveryLevel) {
  for (QAction* level : {menu().mnuLevel1, menu().mnuLevel2, menu().mnuLevel3}) {
    SCOPED_TRACE(level->objectName().toStdString());
    level->trigger();
    platform.msgBoxes.clear();
    const Form1& f = w().State();
    const Solver solver(f.LabelCount, JumpTable(f));
    const std::atomic<bool> cancel{false};
    // The starting hole, chosen with Shift+Enter: the highest one with a win.
    const std::uint32_t all = OccupiedHoles(f) | 1u;
    int start = f.LabelCount - 1;
    while (start > 0 && !solver.Solve(all & ~(1u << start), cancel)->winnable) --start;
    const RowPlace at = RowPlaceOf(f, static_cast<std::int16_t>(start));
    Keys(std::string(at.row, 'D') + std::string(at.place, 'R') + "!r");
    ASSERT_EQ(OccupiedHoles(f), all & ~(1u << start));
    while (const auto jump = solver.Solve(OccupiedHoles(f), cancel)->hint) {
      for (int tabs = 0; Ring() != jump->from && tabs < 30; ++tabs) Keys("T");
      Keys("s");
      for (int tabs = 0; Ring() != jump->to && tabs < 30; ++tabs) Keys("T");
      Keys("s");
      ASSERT_TRUE(f.Image2[jump->to].Tag.has_value()) << jump->from << ">" << jump->to;
    }
    EXPECT_EQ(Boxes(), "VORN: " + WonPrompt(0) + " [YesNo Exclamation]\n");
    menu().mnuReset->trigger();
  }
}

TEST_F(WindowTest, AClickLiftsABallAClickOnALandingHoleJumpsAndAnyOtherClickPutsItBack) {
  // A click, with or without a tremor, lifts; one on the wood, on the lifted ball or on an
  // empty hole it cannot reach puts it back; one on its landing hole jumps.
  const std::pair<QWidget*, QPoint> thenClicks[] = {{w().Picture1(), (Centre(3) + Centre(4)) / 2},
                                                    {w().Ball(5), QPoint(14, 14)},
                                                    {w().Picture1(), Centre(0) + QPoint(40, 40)},
                                                    {w().Picture1(), Centre(0)}};
  for (int i = 0; i < 4; ++i) {
    const QPoint tremor(i % 2 * 2, i % 2);
    Mouse(5, kPress, Centre(5));
    Mouse(5, kMove, Centre(5) + tremor);
    Mouse(5, kRelease, Centre(5) + tremor);
    EXPECT_EQ(Lifted(), 5) << i;
    QTest::mouseClick(thenClicks[i].first, Qt::LeftButton, {}, thenClicks[i].second);
    EXPECT_EQ(Lifted(), -1) << i;
  }
  EXPECT_EQ(BallInHole(0), 5);
  EXPECT_EQ(w().State().PlayCount, 1);
}

TEST_F(WindowTest, TheBoardShowsWithTheWindowAndTakesTheKeysWithOrWithoutASessionBus) {
  // Without a session bus the board is held back until the window shows, as
  // showing it would start a bus before the window maps.
  QTemporaryDir busless;
  const ScopedVariable runtime("XDG_RUNTIME_DIR", QFile::encodeName(busless.path()));
  for (const std::optional<QByteArray>& address :
       {std::optional<QByteArray>(), std::optional<QByteArray>("unix:path=/nonexistent")}) {
    SCOPED_TRACE(address ? "a bus" : "no bus");
    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", address);
    window_ = std::make_unique<Form1Window>(platform);
    EXPECT_EQ(w().Picture1()->isHidden(), !address);
    for (int shown = 0; shown < 2; ++shown) {  // shown, then hidden and shown as a start asks
      if (shown) w().hide();
      shown ? w().showNormal() : w().show();
      ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
      EXPECT_TRUE(w().Picture1()->isVisible());
      QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Up);  // to the keyboard's focus
      EXPECT_TRUE(w().FocusRing()->isVisible());
    }
  }
}

TEST_F(WindowTest, AssistiveTechnologyHearsEachHoleByPlaceAndContentAndFollowsTheRing) {
  // The ring is the accessible focus, and each hole is named as it is now.
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w().Picture1());
  ASSERT_EQ(board->childCount(), 15);
  // The window has no caption, but a name.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&w())->text(QAccessible::Name), "VORN");
  Drag(3, 0);
  std::string names =
      Keys("DTs", [&] { return board->focusChild()->text(QAccessible::Name).toStdString() + "|"; });
  for (int i : {0, 1, 4, 5}) names += board->child(i)->text(QAccessible::Name).toStdString() + "|";
  EXPECT_EQ(names,
            "Row 2, hole 1: ball| Row 3, hole 1: ball, can jump| Row 3, hole 1: ball, lifted| "
            "Row 1, hole 1: ball|Row 2, hole 1: ball|Row 3, hole 2: ball|"
            "Row 3, hole 3: empty, the lifted ball can land here|");
  EXPECT_TRUE(board->child(3)->state().focused && !board->child(4)->state().focused);
  // Menu items are named with the keys shown beside them, which screen readers say only so;
  // each level says its rows.
  QAccessibleInterface* undo = QAccessible::queryAccessibleInterface(menu().mnuPopUp)->child(0);
  EXPECT_EQ(undo->text(QAccessible::Name) + "|" + undo->text(QAccessible::Accelerator),
            "Undo\tF8|F8");
  QAccessibleInterface* level = QAccessible::queryAccessibleInterface(menu().mnuLevel)->child(1);
  EXPECT_EQ(level->text(QAccessible::Name), "Level 2\t6 rows");
}

// Qt's accessibility layer switched on as a screen reader's connection does,
// with what it would send the reader kept here instead: the window's
// activation, focus changes and spoken notices, one a line.
class ListeningReader {
 public:
  ListeningReader() : layer_(QGuiApplicationPrivate::platformIntegration()->accessibility()) {
    told_.clear();
    QAccessible::installUpdateHandler(&Keep);
  }
  ~ListeningReader() {
    Connect(false);
    QAccessible::installUpdateHandler(nullptr);
  }
  void Connect(bool on) {
    if (layer_) layer_->setActive(on);
  }
  bool Available() const { return layer_ != nullptr; }
  static std::string Told() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    std::string all;
    for (const std::string& line : told_) all += line + "\n";
    told_.clear();
    return all;
  }

 private:
  static void Keep(QAccessibleEvent* event) {
    QAccessibleInterface* who = event->accessibleInterface();
    const std::string name = who ? who->text(QAccessible::Name).toStdString() : "?";
    if (event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().active) {
      told_.push_back("active: " + name);
    } else if (event->type() == QAccessible::Focus) {
      told_.push_back("focus: " + name);
    } else if (event->type() == QAccessible::ObjectShow && who &&
               who->role() == QAccessible::Notification) {
      told_.push_back("said: " + name);
    }
  }
  static inline std::vector<std::string> told_;
  QPlatformAccessibility* layer_;
};

TEST_F(WindowTest, AScreenReaderConnectingAfterTheBoardTookTheFocusIsToldTheBoardOnce) {
  ListeningReader reader;
  ASSERT_TRUE(reader.Available());
  // The focus came while nothing listened, and the reader connects before
  // the focus was announced: it hears the window, the board, then the ring,
  // each once.
  w().Picture1()->clearFocus();
  w().Picture1()->setFocus();
  reader.Connect(true);
  EXPECT_EQ(reader.Told(),
            "active: VORN\nfocus: Board\nsaid: Row 1, hole 1: empty. 14 balls left.\n");
  // One that connects while the menu has the focus hears only the menu.
  reader.Connect(false);
  Keys("1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return menu().mnuPopUp->isVisible(); }));
  reader.Told();
  reader.Connect(true);
  EXPECT_EQ(reader.Told(), "");
  menu().mnuPopUp->close();
}

TEST_F(WindowTest, AScreenReaderIsToldWhatEachKeyDidOrWhyItDidNothing) {
  // What was said after each key, "-" for nothing.
  int said = 0;
  const auto heard = [&] {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    if (w().Spoken().SaidCount() == said) return std::string("-");
    said = w().Spoken().SaidCount();
    return "[" + w().Spoken().LastSaid().toStdString() + "]";
  };
  // Once shown, after the board's name: the ring's hole.
  EXPECT_EQ(heard(), "[Row 1, hole 1: empty. 14 balls left.]");
  // The first key shows the ring; then the edge, an empty hole, a lift, a
  // jump by Tab and Space, the position, an undo and a redo, and what cannot
  // be done.
  EXPECT_EQ(Keys("UU!sDDsTs489s!s", heard),
            "- [Edge of the board.] [No ball here.] - - [Lifted. 1 landing hole.] - "
            "[Row 3, hole 1 to row 1, hole 1. Ball taken from row 2, hole 1. 13 balls left.] "
            "[13 balls left. Time since the first jump: 0:00.] "
            "[Undone: row 1, hole 1 back to row 3, hole 1. 14 balls left.] "
            "[Redone: row 3, hole 1 to row 1, hole 1. 13 balls left.] [This ball cannot jump.] "
            "[The starting hole is chosen before the first jump.] ");
  // A hint says its jump; a reset says the new board once; the starting
  // hole moved.
  menu().mnuHint->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w().HintSearching(); }));
  const std::string hint = heard();
  EXPECT_TRUE(
      std::regex_match(hint, std::regex(R"(\[Hint: row \d, hole \d to row \d, hole \d\.\])")))
      << hint;
  menu().mnuReset->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w().Spoken().SaidCount() != said; }));
  EXPECT_EQ(heard(), "[Row 1, hole 1: empty. 14 balls left.]");
  EXPECT_EQ(heard(), "-");
  EXPECT_EQ(Keys("D!s", heard), "- [Starting hole: row 2, hole 1. 14 balls left.] ");

  // The menu opened from the keyboard has its first item active, greyed or
  // not, and the arrows go over greyed items too.
  ASSERT_FALSE(menu().mnuUndo->isEnabled() || menu().mnuRedo->isEnabled());
  Keys("1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return menu().mnuPopUp->activeAction() == menu().mnuUndo; }));
  QTest::keyClick(menu().mnuPopUp, Qt::Key_Down);
  EXPECT_EQ(menu().mnuPopUp->activeAction(), menu().mnuRedo);
  menu().mnuPopUp->close();
  // After an undo, another jump is a jump, not a redo.
  Drag(9, 2);
  heard();
  Keys("8");
  ASSERT_EQ(heard().rfind("[Undone:", 0), 0u);
  Drag(8, 2);
  EXPECT_EQ(heard(),
            "[Row 4, hole 3 to row 2, hole 1. Ball taken from row 3, hole 2. 13 balls left.]");
}

TEST_F(WindowTest, HintAndFocusRingsStandOutThreeToOneOnTheWoodEveryBallAndAnEmptyHole) {
  // Relative luminance (plus the flare) and contrast ratio, as for any text or mark on screen.
  auto luminance = [](QRgb c) {
    double sum = 0.05;
    for (auto [v, weight] :
         {std::pair(qRed(c), 0.2126), std::pair(qGreen(c), 0.7152), std::pair(qBlue(c), 0.0722)}) {
      const double s = v / 255.0;
      sum += weight * (s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4));
    }
    return sum;
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
      double best = 1;
      const double angle = ray * M_PI / 36;
      for (double r = 0; r < mark->width(); r += 0.5) {
        const QPoint p = mark->geometry().center() + QPoint(static_cast<int>(r * std::cos(angle)),
                                                            static_cast<int>(r * std::sin(angle)));
        if (!marked.rect().contains(p)) break;
        const double a = luminance(marked.pixel(p)), b = luminance(bare.pixel(p));
        best = std::max(best, std::max(a, b) / std::min(a, b));
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
