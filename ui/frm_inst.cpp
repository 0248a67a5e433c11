#include "ui/frm_inst.h"

#include <QCoreApplication>
#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vorn {

const char* const kInstructionsText = QT_TRANSLATE_NOOP(
    "frmInst",
    "The purpose of this game is to finish with only one circle "
    "on the board. You can only move a circle from one position to another by "
    "jumping over another one."
    "\r\n"
    "You may start with the empty circle any where, just"
    " Right_Click on the circle you want to be the initial empty one at the beggining of the"
    " game.");

const char* const kKeysText = QT_TRANSLATE_NOOP(
    "frmInst",
    "With the mouse, drag a ball over a neighbour into an empty hole, or click the ball and then "
    "the hole it is to land in.\n"
    "With the keys, the arrows move the white ring from hole to hole and Tab goes to the next "
    "ball that can jump. Space or Enter lifts the ringed ball; Tab then goes over the holes it "
    "can land in, and Space or Enter jumps it there. Escape puts it back. Before the first jump, "
    "Shift+Space empties the ringed hole to start from there.\n"
    "F3 shows a jump on a line that can still be won. F8 undoes a jump and F9 makes it again. "
    "F4 tells the balls left and the time since the first jump. F2 starts again, and F1, the "
    "Menu key or Shift+F10 opens the menu.");

FrmInst::FrmInst(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      fit_(this, {3495, 2880}) {
  setObjectName("frmInst");
  setWindowTitle(QCoreApplication::translate("frmInst", "Game Instructions"));

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName("Text1");
  fit_.Add(text1_, {120, 120, 3255, 2175});
  text1_->setReadOnly(true);
  // A caret the arrows move, so that a screen reader reads it line by line.
  text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The window grows to show the whole text, so a scroll bar would only narrow it.
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font("MS Sans Serif", 12);
  font.setStyleHint(QFont::SansSerif);
  text1_->setFont(font);
  text1_->setPlainText(
      QCoreApplication::translate("frmInst", kInstructionsText).replace("\r\n", "\n") + "\n\n" +
      QCoreApplication::translate("frmInst", kKeysText));

  okButton_ = new QPushButton(QCoreApplication::translate("frmInst", "OK"), this);
  okButton_->setObjectName("OKButton");
  fit_.Add(okButton_, {1080, 2400, 1215, 375}, Qt::AlignHCenter);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  // The window grows until the whole text shows without scrolling.
  fit_.Apply();
}

void FrmInst::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fit_.Apply();
}

void FrmInst::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  okButton_->setFocus();
}

}  // namespace vorn
