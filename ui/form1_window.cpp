#include "ui/form1_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDate>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "board/board_geometry.h"
#include "board/board_layout.h"
#include "board/hint.h"
#include "board/hole_geometry.h"
#include "board/move_rules.h"
#include "persistence/best_times.h"
#include "persistence/stored_level.h"
#include "persistence/undo_play.h"
#include "platform/secondary_windows.h"
#include "platform/session_bus.h"
#include "platform/task_bar.h"
#include "platform/window_region.h"
#include "play/ball_drag.h"
#include "play/ball_lift.h"
#include "play/board_keys.h"
#include "ui/frm_inst.h"
#include "ui/hole_mark.h"
#include "ui/twips.h"

namespace vorn {

namespace {

// Ball designs by ball index: several balls share a design.
constexpr int kBallDesign[kElementCount] = {1, 5, 2, 1, 3, 4, 6, 7, 8, 1, 9, 5, 4, 3,
                                            1, 2, 1, 9, 1, 8, 6, 5, 9, 1, 8, 6, 5, 3};

constexpr int kCompositingCheckMs = 1500;

// How far a lifted ball stands above its hole, in designed pixels.
constexpr int kLiftPixels = 5;

}  // namespace

Form1Window::Form1Window(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool), platform_(platform) {
  setObjectName("Form1");
  KeepOffTaskBar(this);
  KeepSecondaryWindowsOver(this);
  setWindowTitle(QString());
  setFixedSize(scale_.ClientSize());
  // Lets the triangle have smooth edges on a compositing desktop; elsewhere
  // the mask cuts the window and nothing transparent is ever shown.
  setAttribute(Qt::WA_TranslucentBackground);

  picture1_ = new BoardPicture(this);
  // Showing the board's elements starts the accessibility bridge, which
  // connects to the session bus. Where the session has no bus, the bridge
  // first starts one and the start waits for it: the board is then held
  // back until the window is shown, so that the window maps before that
  // wait, as any plain window does. With a bus the bridge is quick, and
  // started early it is ready for the board's first focus.
  if (AccessibilityWouldStartABus()) picture1_->hide();
  spoken_ = new SpokenNotice(this);
  picture1_->onMouseDown = [this](Qt::MouseButton b, QPointF at, QPointF globalPos) {
    Picture1_MouseDown(b, at, globalPos);
  };
  // The focus comes to the board once it is shown, and back after the menu
  // or a dialog; a screen reader may also connect while the board has it.
  // Both are told once the event loop runs.
  focusNotice_.setSingleShot(true);
  focusNotice_.setInterval(0);
  connect(&focusNotice_, &QTimer::timeout, this, [this] { AnnounceBoardFocus(); });
  picture1_->onFocusIn = [this] { focusNotice_.start(); };
  lateListener_ = std::make_unique<LateListenerWatch>(picture1_, [this] {
    listenerLate_ = true;
    focusNotice_.start();
  });
  picture1_->onKeyDown = [this](int key, Qt::KeyboardModifiers modifiers) {
    Picture1_KeyDown(key, modifiers);
  };
  for (int i = 0; i < kElementCount; ++i) {
    image2_[i] = new ImageElement(picture1_, ":/assets/hole.svg", false);
    image2_[i]->setObjectName(QString("Image2_%1").arg(i));
  }
  for (int i = 0; i < kElementCount; ++i) {
    image1_[i] =
        new ImageElement(picture1_, QString(":/assets/ball%1.svg").arg(kBallDesign[i]), true);
    image1_[i]->setObjectName(QString("Image1_%1").arg(i));
    image1_[i]->SetMouseHandler([this, i](ImageElement::MouseEvent kind, int button, QPointF pos) {
      BallMouseEvent(i, kind, button, pos);
    });
  }
  hintFrom_ = new HoleMark(picture1_, HoleMark::Look::HintFrom);
  hintTo_ = new HoleMark(picture1_, HoleMark::Look::HintTo);
  focusRing_ = new HoleMark(picture1_, HoleMark::Look::Focus);
  hintFrom_->setObjectName("hintFrom");
  hintTo_->setObjectName("hintTo");
  focusRing_->setObjectName("focusRing");
  for (HoleMark*& mark : landingMarks_) mark = new HoleMark(picture1_, HoleMark::Look::Landing);
  InstallBoardAccessibility();
  busyTimer_.setSingleShot(true);
  connect(&busyTimer_, &QTimer::timeout, this, [this] {
    if (!hintSearch_.Running() || busyCursor_) return;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    busyCursor_ = true;
  });
  // A compositing manager may start or stop on X11 while the game runs.
  if (QGuiApplication::platformName() == "xcb") {
    connect(&compositingWatch_, &QTimer::timeout, this, [this] {
      if (DesktopComposites() != picture1_->SmoothEdges()) ShapeToTriangle();
    });
    compositingWatch_.start(kCompositingCheckMs);
  }
  menu_ = CreatePopUpMenu(this);
  ConnectCommands();
  // The application's Quit: the end of the desktop session.
  QCoreApplication::instance()->installEventFilter(this);
  picture1_->setFocus();

  Form_Load();
}

Form1Window::~Form1Window() {
  StopHintSearch();
}

void Form1Window::Form_Load() {
  f_.GameLevel = ReadStoredLevel(platform_);
  SetBalls(f_);
  f_.NewGame = true;
  f_.FreshBoard = true;
  f_.Menu.mnuRestore.Visible = true;
  f_.Menu.mnuSave.Visible = true;
  f_.Menu.mnuLevel.Visible = true;
  f_.Menu.mnuLevel.Enabled = true;
  f_.Menu.mnuHint.Visible = true;
  CheckLevelItem(f_);
  CheckBlk(f_, platform_);
  // The window is cut and its elements placed once, for the balls as set
  // and at the size it starts with.
  const std::int16_t size = StartingBoardSize();
  const bool resized = BoardScale(size / 100.0).Factor() != scale_.Factor();
  SetBoardSize(size);
  if (!resized) {
    ShapeToTriangle();
    SyncView();
  }
}

void Form1Window::AnnounceBoardFocus() {
  // By now the window manager has placed the window: its place is read back
  // for every hole's place on the screen.
  SyncWindowPosition(this);
  // A screen reader that connected after the board took the focus is first
  // told what it missed, then everything the first focus told.
  const bool late = listenerLate_ && BoardTakesKeys(picture1_);
  listenerLate_ = false;
  if (late) TellBoardFocused(picture1_);
  // The ringed hole again, after the board itself.
  announcer_.Refocus();
  announcer_.Announce(f_, picture1_);
  // The first time, after the board's own name: where the ring stands.
  if (!boardIntroduced_ || late) spoken_->Say(DescribeBoard(f_));
  boardIntroduced_ = true;
}

void Form1Window::ShapeToTriangle() {
  const bool smooth = DesktopComposites();
  picture1_->SetSmoothEdges(smooth);
  // The holes belong to the wood, cut with it; balls are shown whole.
  QPainterPath outline;
  if (smooth) {
    outline.addPolygon(QPolygonF(scale_.Triangle()));
    outline.closeSubpath();
  }
  for (ImageElement* element : image2_) element->SetWindowOutline(outline);
  ShapeWindow();
}

std::vector<Form1Window::ShownPart> Form1Window::PastTheTriangle() const {
  const QPolygon triangle = scale_.Triangle();
  // A disc reaches past the triangle when its centre lies nearer to a side
  // than its radius.
  const auto reachesPast = [&triangle](const QRect& disc) {
    const QPointF centre = QRectF(disc).center();
    for (int i = 0; i < 3; ++i) {
      const QLineF side(triangle[i], triangle[(i + 1) % 3]);
      const QPointF along = side.p2() - side.p1();
      const qreal inside =
          (along.x() * (centre.y() - side.p1().y()) - along.y() * (centre.x() - side.p1().x())) /
          side.length();
      if (inside < disc.width() / 2.0) return true;
    }
    return false;
  };
  std::vector<ShownPart> past;
  const auto carried = CarriedBall(f_);
  for (int i = 0; i < kElementCount; ++i) {
    const QRect disc = image1_[i]->geometry();
    if (!image1_[i]->isHidden() && carried != i && reachesPast(disc)) past.push_back({disc});
  }
  for (const HoleMark* mark : {hintFrom_, hintTo_, focusRing_}) {
    if (!mark->isHidden() && reachesPast(mark->geometry())) {
      past.push_back({mark->geometry(), mark});
    }
  }
  return past;
}

QRegion Form1Window::RegionOf(const std::vector<ShownPart>& parts) const {
  QRegion region;
  for (const ShownPart& part : parts) {
    region += part.mark ? part.mark->Band() : QRegion(part.place, QRegion::Ellipse);
  }
  return region.translated(picture1_->pos());
}

void Form1Window::ShapeWindow() {
  // Called on every step of a carry: the region is built only when what
  // reaches past the triangle changed.
  std::vector<ShownPart> past = PastTheTriangle();
  const QPolygon triangle = scale_.Triangle();
  const bool smooth = picture1_->SmoothEdges();
  if (past == shapedPast_ && triangle == shapedTriangle_ && smooth == shapedSmooth_) return;
  shapedPast_ = std::move(past);
  shapedTriangle_ = triangle;
  shapedSmooth_ = smooth;
  CutToTriangle(this, triangle, smooth, RegionOf(shapedPast_));
}

void Form1Window::SetBoardSize(std::int16_t percent) {
  if (std::find(kBoardSizes.begin(), kBoardSizes.end(), percent) == kBoardSizes.end()) return;
  f_.BoardSize = percent;
  CheckSizeItem(f_);
  const BoardScale scale(percent / 100.0);
  if (scale.Factor() == scale_.Factor()) return;
  PutCarriedBallBack();
  movement_.Finish();
  // Where the board's centre is now, as the window system has it; the exact
  // centre it was last placed around while it has not been moved since, as
  // a rounded one would creep by a pixel with each change of size.
  if (isVisible()) SyncWindowPosition(this);
  QPointF centre = QRectF(geometry()).center();
  if (placedCentre_ && (*placedCentre_ - centre).manhattanLength() <= 1) centre = *placedCentre_;
  scale_ = scale;
  landingFor_ = -2;  // the landing dots are placed anew
  setFixedSize(scale_.ClientSize());
  picture1_->SetScale(scale_);
  SyncView();
  // A hint's rings stay with their holes.
  for (HoleMark* mark : {hintFrom_, hintTo_}) {
    if (mark->isVisible()) {
      mark->ShowAround(mark->Hole(), image2_[mark->Hole()]->geometry(), scale_.Factor());
    }
  }
  // Cut with everything in its place at the new size.
  ShapeToTriangle();
  if (!isVisible()) return;
  move((centre - QPointF(width(), height()) / 2).toPoint());
  placedCentre_ = centre;
  KeepOnScreen();
}

void Form1Window::KeepOnScreen() {
  const QScreen* shown = screen();
  if (!shown) return;
  // A board larger than the screen (100 % on a tiny one) shows its top left.
  const QRect room = shown->availableGeometry();
  QPoint place = pos();
  place.setX(std::max(room.left(), std::min(place.x(), room.right() + 1 - width())));
  place.setY(std::max(room.top(), std::min(place.y(), room.bottom() + 1 - height())));
  if (place != pos()) move(place);
}

bool Form1Window::SizeFits(std::int16_t percent) const {
  const QScreen* shown = screen();
  if (percent <= 100 || !shown) return true;
  const QSize size = BoardScale(percent / 100.0).ClientSize();
  const QSize room = shown->availableGeometry().size();
  return size.width() <= room.width() && size.height() <= room.height();
}

std::int16_t Form1Window::LargestFitting(std::int16_t percent) const {
  std::int16_t largest = kBoardSizes.front();
  for (const std::int16_t size : kBoardSizes) {
    if (size <= percent && SizeFits(size)) largest = size;
  }
  return largest;
}

std::int16_t Form1Window::StartingBoardSize() {
  if (const auto stored = ReadStoredBoardSize(platform_)) return LargestFitting(*stored);
  const QScreen* shown = screen();
  std::int16_t chosen = kBoardSizes.front();
  for (const std::int16_t size : kBoardSizes) {
    const int height = BoardScale(size / 100.0).ClientSize().height();
    if (shown && height <= shown->availableGeometry().height() * 45 / 100 && SizeFits(size)) {
      chosen = size;
    }
  }
  return chosen;
}

void Form1Window::StepBoardSize(int step) {
  const auto at = std::find(kBoardSizes.begin(), kBoardSizes.end(), f_.BoardSize);
  for (auto index = (at - kBoardSizes.begin()) + step;
       index >= 0 && index < std::ssize(kBoardSizes); index += step) {
    const std::int16_t size = kBoardSizes[static_cast<std::size_t>(index)];
    if (SizeFits(size)) {
      SetBoardSize(size);
      return;
    }
  }
}

void Form1Window::FitToScreen() {
  const std::int16_t fitting = LargestFitting(f_.BoardSize);
  if (fitting != f_.BoardSize) SetBoardSize(fitting);
  KeepOnScreen();
  SyncView();
}

void Form1Window::setVisible(bool visible) {
  QWidget::setVisible(visible);
  if (visible && picture1_->isHidden()) picture1_->show();
}

void Form1Window::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Moved to another screen, by the player or the window system.
  if (QWindow* window = windowHandle(); window && !screenWatched_) {
    screenWatched_ = true;
    connect(window, &QWindow::screenChanged, this, [this] { FitToScreen(); });
  }
}

void Form1Window::RecordCountedWin() {
  if (!f_.CountedWin) return;
  const Form1::WinTime win = *f_.CountedWin;
  f_.CountedWin.reset();
  const WinRecorded recorded = RecordWin(platform_, win.level, win.seconds,
                                         QDate::currentDate().toString(Qt::ISODate).toStdString());
  // Only a record that was stored is shown as one.
  newRecordLevel_ = recorded.newBest ? std::optional<int>(win.level) : std::nullopt;
  if (recorded.error) ReportNotStored(NotStored::BestTime, *recorded.error, true);
}

void Form1Window::SyncView() {
  ++syncCount_;
  RecordCountedWin();
  for (int i = 0; i < kElementCount; ++i) {
    const vorn::Hole& hole = f_.Image2[i];
    ImageElement* element = image2_[i];
    element->setGeometry(scale_.TwipsRect(hole.Left, hole.Top, hole.Width, hole.Height));
    if (element->isVisibleTo(picture1_) != hole.Visible) element->setVisible(hole.Visible);
  }
  // A carried ball, or a lifted one, is shown over the others.
  const auto lifted = LiftedBall(f_);
  const auto carried = CarriedBall(f_);
  const auto raised = carried ? carried : lifted;
  if (raised && raisedBall_ != *raised) {
    image1_[*raised]->raise();
    for (HoleMark* mark : {hintFrom_, hintTo_, focusRing_}) mark->raise();
  }
  raisedBall_ = raised ? *raised : -1;
  // A lifted ball casts a shadow into its hole.
  const int shadowed = lifted ? *lifted : -1;
  if (shadowed != shadowedBall_) {
    if (shadowedBall_ >= 0) image1_[shadowedBall_]->setGraphicsEffect(nullptr);
    if (shadowed >= 0) {
      auto* shadow = new QGraphicsDropShadowEffect;
      shadow->setColor(QColor(0, 0, 0, 170));
      shadow->setOffset(0, scale_.Pixels(kLiftPixels));
      shadow->setBlurRadius(scale_.Pixels(2 * kLiftPixels));
      image1_[shadowed]->setGraphicsEffect(shadow);
    }
    shadowedBall_ = shadowed;
  }
  for (int i = 0; i < kElementCount; ++i) {
    const vorn::Ball& ball = f_.Image1[i];
    ImageElement* element = image1_[i];
    QRect place = scale_.TwipsRect(ball.Left, ball.Top, ball.Width, ball.Height);
    if (lifted == i) place.translate(0, -scale_.Pixels(kLiftPixels));
    element->setGeometry(place);
    if (element->isVisibleTo(picture1_) != ball.Visible) element->setVisible(ball.Visible);
    element->SetHandCursor(ball.MouseIcon && ball.MousePointer == PointerKind::Custom,
                           scale_.Factor());
  }
  // The landing holes of a lifted or carried ball: dots under the ball.
  const int landingFor = raised ? f_.PickLabel : -1;
  if (landingFor != landingFor_) {
    landingFor_ = landingFor;
    for (std::size_t i = 0; i < landingMarks_.size(); ++i) {
      const int hole = landingFor >= 0 && static_cast<int>(i) < f_.DropCount ? f_.DropList[i] : -1;
      if (hole >= 0 && hole < f_.LabelCount) {
        landingMarks_[i]->ShowAround(hole, image2_[hole]->geometry(), scale_.Factor());
      } else {
        landingMarks_[i]->Clear();
      }
    }
    if (raised) image1_[*raised]->raise();
    for (HoleMark* mark : {hintFrom_, hintTo_, focusRing_}) mark->raise();
  }
  if (f_.RingShown && f_.RingHole >= 0 && f_.RingHole < f_.LabelCount) {
    focusRing_->ShowAround(f_.RingHole, image2_[f_.RingHole]->geometry(), scale_.Factor());
  } else {
    focusRing_->Clear();
  }
  if (BoardOf(f_) != shownBoard_) BoardChanged();
  for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
    f_.Menu.mnuSizes[i].Enabled = SizeFits(kBoardSizes[i]);
  }
  MirrorMenu(f_.Menu, menu_);
  ShapeWindow();
  announcer_.Announce(f_, picture1_);
  if (!f_.Dragging) {
    BoardSnapshot now = Snapshot(f_);
    if (boardIntroduced_) spoken_->Say(DescribeChange(f_, spokenState_, now));
    spokenState_ = std::move(now);
  }
}

std::vector<int> Form1Window::LandingMarks() const {
  std::vector<int> holes;
  for (const HoleMark* mark : landingMarks_) {
    if (!mark->isHidden()) holes.push_back(mark->Hole());
  }
  return holes;
}

Form1Window::ShownBoard Form1Window::BoardOf(const Form1& f) {
  return {OccupiedHoles(f), f.LabelCount};
}

void Form1Window::BoardChanged() {
  shownBoard_ = BoardOf(f_);
  // A hint answers for the board it was asked on; its rings go with that board.
  StopHintSearch();
  ClearHintMarks();
}

void Form1Window::BallMouseEvent(int index, ImageElement::MouseEvent kind, int button,
                                 QPointF pos) {
  movement_.Finish();
  // Twips relative to the ball's own Left and Top, as the rules expect.
  const ImageElement* element = image1_[index];
  const vorn::Ball& ball = f_.Image1[index];
  const float x = static_cast<float>(scale_.ToTwips(element->x() + pos.x()) - ball.Left);
  const float y = static_cast<float>(scale_.ToTwips(element->y() + pos.y()) - ball.Top);
  const auto b = static_cast<std::int16_t>(index);
  // Where the pointer is on the board, for telling a click from a carry.
  const QPointF onBoard = element->pos() + pos;
  switch (kind) {
    case ImageElement::MouseEvent::Down:
      f_.RingShown = false;
      // A press puts a lifted ball down; a click on that ball ends there.
      liftedAtPress_ = LiftedBall(f_) == index;
      PutLiftedBallBack(f_);
      Image1_MouseDown(f_, platform_, b, button, 0, x, y);
      pressAt_ = onBoard;
      pressTravel_ = 0;
      break;
    case ImageElement::MouseEvent::Move: {
      TrackClick(onBoard);
      // A ball carried out of the window goes home rather than being left
      // where nobody can see it.
      const QPoint inWindow = element->mapTo(this, pos.toPoint());
      if (f_.Dragging && !scale_.Triangle().containsPoint(inWindow, Qt::OddEvenFill)) {
        CancelCarry(f_);
      } else {
        Image1_MouseMove(f_, platform_, b, button, 0, x, y);
      }
      break;
    }
    case ImageElement::MouseEvent::Up: {
      TrackClick(onBoard);
      // A left click that picked a ball up, the pointer kept within the drag
      // distance, leaves the ball lifted for a click on where it is to land.
      const bool click = f_.Dragging && button == kLeftButton && !liftedAtPress_ &&
                         pressTravel_ <= QApplication::startDragDistance();
      const std::int16_t picked = f_.PickLabel;
      Image1_MouseUp(f_, platform_, b, button, 0, x, y);
      if (click && f_.Image2[picked].Tag == b) LiftBall(f_, picked);
      break;
    }
  }
  SyncView();
}

void Form1Window::TrackClick(QPointF onBoard) {
  pressTravel_ = std::max(pressTravel_, (onBoard - pressAt_).manhattanLength());
}

void Form1Window::PutCarriedBallBack() {
  if (!f_.Dragging) return;
  CancelCarry(f_);
  SyncView();
}

void Form1Window::Animated(const std::function<void()>& act) {
  movement_.Finish();
  const BallMovement::Places before = BallMovement::Of(image1_);
  const int syncs = syncCount_;
  act();
  // A message shown meanwhile (the end of the game) showed the new board
  // already: the jump is not shown again.
  const bool shown = syncCount_ != syncs;
  SyncView();
  if (!shown) movement_.Start(before, image1_);
}

void Form1Window::PutBallsBack() {
  movement_.Finish();
  PutCarriedBallBack();
  if (!f_.Lifted) return;
  PutLiftedBallBack(f_);
  SyncView();
}

void Form1Window::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) PutCarriedBallBack();
  QWidget::changeEvent(event);
}

void Form1Window::Picture1_MouseDown(Qt::MouseButton button, QPointF at, QPointF globalPos) {
  movement_.Finish();
  f_.RingShown = false;
  if (f_.Lifted) {
    // A left click on a hole where the lifted ball may land makes the jump;
    // any other press puts the ball down and goes on as usual.
    const std::int16_t t = Whatlabel(f_, static_cast<float>(scale_.ToTwips(at.x())),
                                     static_cast<float>(scale_.ToTwips(at.y())));
    bool jumped = false;
    Animated([&] {
      jumped = button == Qt::LeftButton && JumpLiftedBall(f_, platform_, t);
      PutLiftedBallBack(f_);
    });
    if (jumped) return;
  }
  SyncView();
  if (button == Qt::LeftButton) {
    picture1_->ArmWindowMove(globalPos);
    return;
  }
  ShowPopUpMenu(globalPos.toPoint());
}

void Form1Window::ShowPopUpMenu(QPoint globalPos, bool fromKeyboard) {
  PutBallsBack();
  SyncView();
  if (fromKeyboard) {
    OpenFromKeyboard(menu_.mnuPopUp, globalPos);
  } else {
    menu_.mnuPopUp->popup(globalPos);
  }
}

void Form1Window::Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  movement_.Finish();
  const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
  if (PlayKey(key, held)) return;
  // The keys with Ctrl: undo, redo and the board's size.
  if (held & Qt::ControlModifier) {
    const bool shift = held & Qt::ShiftModifier;
    if (key == Qt::Key_Z && !shift) {
      key = Qt::Key_F8;
    } else if (key == Qt::Key_Y || (key == Qt::Key_Z && shift)) {
      key = Qt::Key_F9;
    } else if (key == Qt::Key_Plus || key == Qt::Key_Equal) {
      StepBoardSize(+1);
      return;
    } else if (key == Qt::Key_Minus) {
      StepBoardSize(-1);
      return;
    } else if (key == Qt::Key_0) {
      SetBoardSize(100);
      return;
    }
  }
  if (key == Qt::Key_Menu || (key == Qt::Key_F10 && held == Qt::ShiftModifier)) {
    // At the ring, or at the pointer while no ring is shown; the board's
    // place on the screen is read back first, as the window manager may not
    // have told it.
    const bool ring = f_.RingShown && f_.RingHole >= 0 && f_.RingHole < f_.LabelCount;
    if (ring) SyncWindowPosition(this);
    ShowPopUpMenu(
        ring ? picture1_->mapToGlobal(image2_[f_.RingHole]->geometry().center()) : QCursor::pos(),
        true);
    return;
  }
  switch (key) {
    case Qt::Key_F1:
      ShowPopUpMenu(QCursor::pos(), true);
      break;
    case Qt::Key_F4:
      spoken_->Say(DescribePosition(f_, platform_.Now()));
      return;
    case Qt::Key_F8:
      PutBallsBack();
      Animated([this] {
        if (f_.Menu.mnuUndo.Enabled) UndoPlay(f_, platform_);
      });
      return;
    case Qt::Key_F9:
      PutBallsBack();
      Animated([this] {
        if (f_.Menu.mnuRedo.Enabled) RedoPlay(f_, platform_);
      });
      return;
    case Qt::Key_F3:
      PutBallsBack();
      mnuHint_Click();
      break;
    case Qt::Key_F2:
      PutBallsBack();
      ClearHintMarks();
      if (platform_.MsgBox(
              QCoreApplication::translate("Form1", "Are you sure you want to reset this game")
                  .toStdString(),
              MsgButtons::YesNo, MsgIcon::None,
              QCoreApplication::translate("Form1", "Reset VORN").toStdString()) == MsgAnswer::Yes) {
        ResetGame(f_, platform_);
      }
      break;
    default:
      return;
  }
  SyncView();
}

bool Form1Window::PlayKey(int key, Qt::KeyboardModifiers held) {
  if (held & ~Qt::ShiftModifier) return false;
  if (key == Qt::Key_Escape && f_.Dragging) {
    PutCarriedBallBack();
    return true;
  }
  const bool shift = held & Qt::ShiftModifier;
  static constexpr std::pair<int, BoardKey> kKeys[] = {
      {Qt::Key_Left, BoardKey::Left}, {Qt::Key_Right, BoardKey::Right},
      {Qt::Key_Up, BoardKey::Up},     {Qt::Key_Down, BoardKey::Down},
      {Qt::Key_Tab, BoardKey::Next},  {Qt::Key_Backtab, BoardKey::Previous},
      {Qt::Key_Space, BoardKey::Act}, {Qt::Key_Return, BoardKey::Act},
      {Qt::Key_Enter, BoardKey::Act}, {Qt::Key_Escape, BoardKey::PutBack}};
  const auto found = std::find_if(std::begin(kKeys), std::end(kKeys),
                                  [key](const auto& pair) { return pair.first == key; });
  if (found == std::end(kKeys)) return false;
  BoardKey boardKey = found->second;
  // With Shift, Tab goes back and Space or Enter chooses the starting hole.
  if (shift && boardKey == BoardKey::Next) boardKey = BoardKey::Previous;
  if (shift && boardKey == BoardKey::Act) boardKey = BoardKey::ChooseStart;
  const BoardSnapshot before = Snapshot(f_);
  Animated([&] { BoardKeyDown(f_, platform_, boardKey); });
  // A key that changed nothing says why.
  if (Snapshot(f_) == before) spoken_->Say(WhyNothing(f_, boardKey));
  return true;
}

}  // namespace vorn
