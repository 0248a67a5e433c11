// Hints: a jump on a winning line, found off the user-interface thread.
#include <QApplication>

#include "board/hint.h"
#include "ui/form1_window.h"
#include "ui/hint_mark.h"

namespace vorn {

namespace {
// The busy pointer shows only for a search the player would notice.
constexpr int kBusyPointerDelayMs = 150;
}  // namespace

void Form1Window::mnuHint_Click() {
  if (!f_.Menu.mnuHint.Enabled || hintSearch_.Running()) return;
  ClearHintMarks();
  hintHoleCount_ = f_.LabelCount;
  hintSearch_.Start(f_.LabelCount, JumpTable(f_), OccupiedHoles(f_),
                    [this](const Solver::Answer& answer) { HintAnswered(answer); });
  busyTimer_.start(kBusyPointerDelayMs);
}

void Form1Window::HintAnswered(const Solver::Answer& answer) {
  StopHintSearch();
  if (answer.winnable && answer.hint) {
    hintMarkedBoard_ = OccupiedHoles(f_);
    hintFrom_->ShowAround(image2_[answer.hint->from]->geometry());
    hintTo_->ShowAround(image2_[answer.hint->to]->geometry());
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
}

}  // namespace vorn
