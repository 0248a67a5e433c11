// Hints: a jump on a winning line, found off the user-interface thread.
#include <string>

#include <QApplication>
#include <QCoreApplication>

#include "board/hint.h"
#include "board/move_rules.h"
#include "ui/form1_window.h"
#include "ui/hole_mark.h"

namespace vorn {

namespace {

// The busy pointer shows only for a search the player would notice.
constexpr int kBusyPointerDelayMs = 150;

// What a hint says when no winning line is left.
std::string NoWinningLineText(const Form1& f) {
  const QString text =
      StartingChoiceOpen(f)
          ? QCoreApplication::translate("Form1",
                                        "No winning line is left from here. Right-click a ball, "
                                        "or press Shift+Space on it, to start from another hole.")
          : QCoreApplication::translate("Form1",
                                        "No winning line is left from here. Undo takes jumps "
                                        "back.");
  return text.toStdString();
}

}  // namespace

void Form1Window::mnuHint_Click() {
  if (!f_.Menu.mnuHint.Enabled || hintSearch_.Running()) return;
  // The search is for the board as shown; a later change stops it.
  SyncView();
  ClearHintMarks();
  hintSearch_.Start(f_.LabelCount, JumpTable(f_), OccupiedHoles(f_),
                    [this](const Solver::Answer& answer) { HintAnswered(answer); });
  busyTimer_.start(kBusyPointerDelayMs);
}

void Form1Window::HintAnswered(const Solver::Answer& answer) {
  StopHintSearch();
  // A change not shown yet (the answer came while a message was up) makes
  // the answer stale; showing that change stops what is left.
  if (BoardOf(f_) != shownBoard_) return;
  if (answer.winnable && answer.hint) {
    hintFrom_->ShowAround(answer.hint->from, image2_[answer.hint->from]->geometry(),
                          scale_.Factor());
    hintTo_->ShowAround(answer.hint->to, image2_[answer.hint->to]->geometry(), scale_.Factor());
    ShapeWindow();
    spoken_->Say(DescribeHint(f_, answer.hint->from, answer.hint->to));
    return;
  }
  platform_.MsgBox(NoWinningLineText(f_), MsgButtons::OK, MsgIcon::Information, "VORN");
}

void Form1Window::StopHintSearch() {
  hintSearch_.Cancel();
  busyTimer_.stop();
  if (busyCursor_) QApplication::restoreOverrideCursor();
  busyCursor_ = false;
}

void Form1Window::ClearHintMarks() {
  hintFrom_->Clear();
  hintTo_->Clear();
  ShapeWindow();
}

}  // namespace vorn
