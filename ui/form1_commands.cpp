// The pop-up menu's commands and the closing of the main window.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QThread>

#include <cstdio>

#include "board/board_layout.h"
#include "board/end_of_game.h"
#include "persistence/saved_game.h"
#include "persistence/stored_level.h"
#include "persistence/undo_play.h"
#include "platform/window_focus.h"
#include "ui/form1_window.h"
#include "ui/frm_about.h"
#include "ui/frm_best_times.h"
#include "ui/frm_inst.h"

namespace vorn {

void Form1Window::ConnectCommands() {
  // Every command first ends a carry or puts a lifted ball down, then acts, then shows what
  // changed. A hint's rings go with any change of the board (see SyncView), and also with a new
  // game that happens to look like the old one.
  auto command = [this](QAction* action, void (Form1Window::*handler)()) {
    connect(action, &QAction::triggered, this, [this, action, handler] {
      PutBallsBack();
      if (action == menu_.mnuRestore || action == menu_.mnuReset) ClearHintMarks();
      // An undo or a redo is shown moving, as it is from the keys.
      if (action == menu_.mnuUndo || action == menu_.mnuRedo) {
        Animated([this, handler] { (this->*handler)(); });
        return;
      }
      (this->*handler)();
      SyncView();
    });
  };
  command(menu_.mnuUndo, &Form1Window::mnuUndo_Click);
  command(menu_.mnuRedo, &Form1Window::mnuRedo_Click);
  command(menu_.mnuBestTimes, &Form1Window::mnuBestTimes_Click);
  command(menu_.mnuHint, &Form1Window::mnuHint_Click);
  command(menu_.mnuRestore, &Form1Window::mnuRestore_Click);
  command(menu_.mnuSave, &Form1Window::mnuSave_Click);
  command(menu_.mnuReset, &Form1Window::mnuReset_Click);
  command(menu_.mnuInst, &Form1Window::mnuInst_Click);
  command(menu_.mnuAbout, &Form1Window::mnuAbout_Click);
  command(menu_.mnuExit, &Form1Window::mnuExit_Click);
  int n = 1;
  for (QAction* level : {menu_.mnuLevel1, menu_.mnuLevel2, menu_.mnuLevel3}) {
    connect(level, &QAction::triggered, this, [this, n] {
      PutBallsBack();
      ClearHintMarks();
      mnuLevel_Click(n);
      SyncView();
    });
    ++n;
  }
  for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
    connect(menu_.mnuSizes[i], &QAction::triggered, this, [this, i] {
      SetBoardSize(kBoardSizes[i]);
      SyncView();
    });
  }
}

void Form1Window::mnuUndo_Click() {
  if (f_.PlayCount > 0) UndoPlay(f_, platform_);
}

void Form1Window::mnuRedo_Click() {
  if (f_.Menu.mnuRedo.Enabled) RedoPlay(f_, platform_);
}

FrmBestTimes* Form1Window::BestTimes() const {
  return frmBestTimes_;
}

void Form1Window::mnuBestTimes_Click() {
  SyncView();  // a win just made is in the records first
  if (frmBestTimes_) frmBestTimes_->close();
  frmBestTimes_ = new FrmBestTimes(this, platform_, newRecordLevel_);
  frmBestTimes_->setAttribute(Qt::WA_DeleteOnClose);
  frmBestTimes_->open();
}

void Form1Window::mnuRestore_Click() {
  RestoreGame(f_, platform_);
}

void Form1Window::mnuSave_Click() {
  SaveGame(f_, platform_);
}

void Form1Window::mnuReset_Click() {
  ResetGame(f_, platform_);
}

void Form1Window::mnuLevel_Click(int n) {
  f_.GameLevel = static_cast<std::int16_t>(n - 1);
  CheckLevelItem(f_);
  ResetGame(f_, platform_);
}

FrmInst* Form1Window::Instructions() const {
  return frmInst_;
}

void Form1Window::mnuInst_Click() {
  if (!frmInst_) {
    frmInst_ = new FrmInst(this);
    frmInst_->setAttribute(Qt::WA_DeleteOnClose);
  }
  const bool wasShown = frmInst_->isVisible();
  frmInst_->show();
  frmInst_->raise();
  // A window the compositor maps gets the keyboard unasked on Wayland; one
  // already open is brought up by asking.
  if (wasShown) {
    frmInst_->activateWindow();
  } else {
    AskForKeyboard(frmInst_);
  }
}

void Form1Window::mnuAbout_Click() {
  SyncView();
  FrmAbout about(this, platform_);
  about.exec();
}

void Form1Window::mnuExit_Click() {
  CloseFor(UnloadMode::ProgramClose);
}

void Form1Window::CloseFor(UnloadMode mode) {
  unloadMode_ = mode;
  close();
  unloadMode_ = UnloadMode::UserClose;
}

void Form1Window::CommitData() {
  // Stored now, in case the session ends the process without a close; the
  // close that ends the session comes as the application's Quit.
  if (FileError error = WriteStoredSettings(platform_, f_.GameLevel, f_.BoardSize)) {
    ReportNotStored(NotStored::Settings, *error, false);
  }
}

void Form1Window::Terminate() {
  PutCarriedBallBack();
  Form_Unload(false);
  if (frmInst_) frmInst_->close();
  if (frmBestTimes_) frmBestTimes_->close();
  hide();
  // A close would be refused while another one waits on the exit question,
  // and every modal dialog runs an event loop of its own: exit ends them all.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void Form1Window::Form_QueryUnload(bool& cancel, UnloadMode mode) {
  if (mode == UnloadMode::SessionEnd || f_.NewGame) return;
  if (platform_.MsgBox(
          QCoreApplication::translate("Form1", "Are you sure you want to exit").toStdString(),
          MsgButtons::YesNo, MsgIcon::Question,
          QCoreApplication::translate("Form1", "VORN Exit").toStdString()) == MsgAnswer::No) {
    cancel = true;
  }
}

void Form1Window::Form_Unload(bool mayAsk) {
  if (unloaded_) return;
  unloaded_ = true;
  if (FileError error = WriteStoredSettings(platform_, f_.GameLevel, f_.BoardSize)) {
    ReportNotStored(NotStored::Settings, *error, mayAsk);
  }
}

void Form1Window::ReportNotStored(NotStored what, const std::string& error, bool mayAsk) {
  const QString text =
      (what == NotStored::BestTime
           ? QCoreApplication::translate("Form1", "Your best time could not be saved: %1")
           : QCoreApplication::translate("Form1",
                                         "The level and board size could not be saved: %1"))
          .arg(QString::fromStdString(error));
  bool& told = what == NotStored::BestTime ? toldBestTimeNotStored_ : toldSettingsNotStored_;
  if (!mayAsk || told) {
    std::fprintf(stderr, "vorn: %s\n", text.toUtf8().constData());
    return;
  }
  told = true;
  platform_.MsgBox(text.toStdString(), MsgButtons::OK, MsgIcon::Exclamation, kGameTitle);
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  // The session manager ends the session (after it asked for the level to be
  // stored) by making the application quit: the window closes without a
  // question, like any close by the system. Qt then goes on to quit.
  if (event->type() == QEvent::Quit && watched == QCoreApplication::instance() && !unloaded_) {
    CloseFor(UnloadMode::SessionEnd);
  }
  return QWidget::eventFilter(watched, event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
  if (unloaded_) {
    event->accept();
    return;
  }
  PutCarriedBallBack();
  bool cancel = false;
  Form_QueryUnload(cancel, unloadMode_);
  if (cancel) {
    event->ignore();
    return;
  }
  Form_Unload(unloadMode_ != UnloadMode::SessionEnd);
  if (frmInst_) frmInst_->close();
  if (frmBestTimes_) frmBestTimes_->close();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace vorn
