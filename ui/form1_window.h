#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "board/form1.h"
#include "platform/image_element.h"
#include "platform/platform.h"
#include "solver/solver.h"
#include "ui/ball_movement.h"
#include "ui/board_accessible.h"
#include "ui/board_picture.h"
#include "ui/board_speech.h"
#include "ui/hint_search.h"
#include "ui/popup_menu.h"
#include "ui/spoken_notice.h"
#include "ui/twips.h"

namespace vorn {

class FrmAbout;
class FrmBestTimes;
class FrmInst;
class HoleMark;

// Why the window is closing, as Form_QueryUnload is told.
enum class UnloadMode { UserClose = 0, ProgramClose = 1, SessionEnd = 2 };

// The main window: the triangular board. It owns the game state, forwards
// every event to the rules and then mirrors the state on screen.
class Form1Window : public QWidget {
 public:
  explicit Form1Window(Platform& platform, QWidget* parent = nullptr);
  ~Form1Window() override;

  const Form1& State() const { return f_; }
  Form1& MutableState() { return f_; }

  // Brings every element and menu item in line with the state.
  void SyncView();

  BoardPicture* Picture1() const { return picture1_; }
  const SpokenNotice& Spoken() const { return *spoken_; }
  ImageElement* Ball(int index) const { return image1_[index]; }
  ImageElement* Hole(int index) const { return image2_[index]; }
  const PopUpMenuActions& Menu() const { return menu_; }
  FrmInst* Instructions() const;
  FrmBestTimes* BestTimes() const;
  // The board's size on screen, in percent of its design.
  const BoardScale& Scale() const { return scale_; }
  // Shows the board at one of kBoardSizes, its centre where it was, on the screen.
  void SetBoardSize(std::int16_t percent);
  // Whether the board at a size fits the available area of its screen;
  // 100 % always does, as the designed size.
  bool SizeFits(std::int16_t percent) const;
  // The rings of the last hint: the ball to move, then its landing hole.
  HoleMark* HintFrom() const { return hintFrom_; }
  HoleMark* HintTo() const { return hintTo_; }
  // The ring on the hole the board's keys act on.
  HoleMark* FocusRing() const { return focusRing_; }
  // The holes marked as where the lifted or carried ball may land.
  std::vector<int> LandingMarks() const;
  bool HintSearching() const { return hintSearch_.Running(); }
  // Whether a jump not carried is still being shown moving.
  bool Moving() const { return movement_.Running(); }
  // Shows every ball where the game has it, at once.
  void FinishMovement() { movement_.Finish(); }

  // Closes the window for a reason other than the player's own request.
  void CloseFor(UnloadMode mode);
  // The desktop session may be ending (a logout) or only saving itself (a
  // checkpoint): the level is stored now. The close that ends the session
  // comes as the application's Quit and asks nothing (see eventFilter); any
  // other close asks as usual.
  void CommitData();
  // A request to end the process: the game closes at once, whatever question
  // or dialog is open, without asking, with the level stored.
  void Terminate();

  // The board shows with the window, also when it was held back at the start.
  void setVisible(bool visible) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  // Tells a screen reader where the board's focus stands.
  void AnnounceBoardFocus();
  // Cuts the window to its triangle, with smooth edges where the desktop composites.
  void ShapeToTriangle();
  // The balls and marks shown that reach past the triangle, whole: the
  // window's shape takes them in. A carried ball is left out, as it moves.
  struct ShownPart {
    QRect place;                     // in the board's pixels
    const HoleMark* mark = nullptr;  // none for a ball's disc
    friend bool operator==(const ShownPart&, const ShownPart&) = default;
  };
  std::vector<ShownPart> PastTheTriangle() const;
  QRegion RegionOf(const std::vector<ShownPart>& parts) const;
  // Gives the window the triangle and PastTheTriangle, when that changed.
  void ShapeWindow();
  void Form_QueryUnload(bool& cancel, UnloadMode mode);
  // Stores the level and the board size; a failure is told to the player
  // when mayAsk, else on standard error.
  void Form_Unload(bool mayAsk);
  enum class NotStored { BestTime, Settings };
  // Tells the player, once a run for each kind, what could not be stored,
  // where and why; a later failure, or one while no question may be asked,
  // goes to standard error.
  void ReportNotStored(NotStored what, const std::string& error, bool mayAsk);
  void Picture1_MouseDown(Qt::MouseButton button, QPointF at, QPointF globalPos);
  void Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // Next (+1) or previous (-1) board size that fits the screen.
  void StepBoardSize(int step);
  // The size the board opens at: the stored one, else the largest whose
  // window takes at most 45 % of the screen's available height; either way
  // no larger than fits.
  std::int16_t StartingBoardSize();
  // The largest size no larger than `percent` that fits the screen.
  std::int16_t LargestFitting(std::int16_t percent) const;
  // Moves the whole board into the available area of its screen, its
  // centre kept where it can be.
  void KeepOnScreen();
  // On another screen: a size that fits there, and the board inside it.
  void FitToScreen();
  // Takes a counted win into the best times.
  void RecordCountedWin();
  void BallMouseEvent(int index, ImageElement::MouseEvent kind, int button, QPointF pos);
  void ShowPopUpMenu(QPoint globalPos, bool fromKeyboard = false);
  // Ends a carry before anything else may change the board.
  void PutCarriedBallBack();
  // Acts, shows the new board, and shows a jump made or taken back by it as
  // a movement (BallMovement).
  void Animated(const std::function<void()>& act);
  // Ends a carry and puts a lifted ball down: before a command.
  void PutBallsBack();
  // The arrows, Tab, Space, Enter and Escape; false for any other key.
  bool PlayKey(int key, Qt::KeyboardModifiers held);
  // Where the pointer has been since a press on a ball that picked it up.
  void TrackClick(QPointF onBoard);
  void ConnectCommands();

  // The balls in play and the number of holes: what a hint answers for.
  struct ShownBoard {
    std::uint32_t balls = 0;
    int holes = 0;
    friend bool operator==(const ShownBoard&, const ShownBoard&) = default;
  };
  static ShownBoard BoardOf(const Form1& f);
  // The one place where a change of the board ends the hint search and
  // takes the rings away: SyncView calls it when the board it shows differs
  // from the one it showed last.
  void BoardChanged();

  void mnuHint_Click();
  void HintAnswered(const Solver::Answer& answer);
  void StopHintSearch();
  void ClearHintMarks();

  void mnuUndo_Click();
  void mnuRedo_Click();
  void mnuBestTimes_Click();
  void mnuRestore_Click();
  void mnuSave_Click();
  void mnuReset_Click();
  void mnuLevel_Click(int n);
  void mnuInst_Click();
  void mnuAbout_Click();
  void mnuExit_Click();

  Form1 f_;
  Platform& platform_;
  BoardPicture* picture1_ = nullptr;
  std::array<ImageElement*, kElementCount> image1_{};
  std::array<ImageElement*, kElementCount> image2_{};
  PopUpMenuActions menu_;
  int raisedBall_ = -1;
  int shadowedBall_ = -1;
  UnloadMode unloadMode_ = UnloadMode::UserClose;
  QPointer<FrmInst> frmInst_;
  QPointer<FrmBestTimes> frmBestTimes_;
  BoardScale scale_;
  // The centre the board was last placed around by a change of size.
  std::optional<QPointF> placedCentre_;
  bool screenWatched_ = false;
  // What the window's shape was last cut for: the balls and marks reaching
  // past the triangle, the triangle, and whether its edges are smooth.
  std::vector<ShownPart> shapedPast_;
  QPolygon shapedTriangle_;
  bool shapedSmooth_ = false;
  // The level whose best time the last counted win made, if it did.
  std::optional<int> newRecordLevel_;
  bool unloaded_ = false;
  bool toldBestTimeNotStored_ = false;
  bool toldSettingsNotStored_ = false;

  ShownBoard shownBoard_;
  HintSearch hintSearch_;
  HoleMark* hintFrom_ = nullptr;
  HoleMark* hintTo_ = nullptr;
  HoleMark* focusRing_ = nullptr;
  // The dots on the holes where a lifted or carried ball may land; a ball
  // has at most six directions to jump in.
  std::array<HoleMark*, 6> landingMarks_{};
  // The hole whose ball the dots are shown for; -1 while none are.
  int landingFor_ = -1;
  BoardAnnouncer announcer_;
  QTimer focusNotice_;
  std::unique_ptr<LateListenerWatch> lateListener_;
  // A screen reader connected while the board had the focus, not yet told.
  bool listenerLate_ = false;
  // What a screen reader is told of each action, and the game as it was last
  // told; nothing is said before the board was first introduced.
  SpokenNotice* spoken_ = nullptr;
  BoardSnapshot spokenState_;
  bool boardIntroduced_ = false;
  BallMovement movement_;
  // How many times the view was brought up to date: the platform does so
  // before every message it shows.
  int syncCount_ = 0;

  // A press that picked a ball up: where it was, how far the pointer has
  // gone since, and whether the ball was lifted before (a click then puts it
  // down rather than lifting it again).
  QPointF pressAt_;
  qreal pressTravel_ = 0;
  bool liftedAtPress_ = false;
  QTimer busyTimer_;
  QTimer compositingWatch_;
  bool busyCursor_ = false;
};

}  // namespace vorn
