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
  // The window grows to show the whole text, so a scroll bar would only narrow it.
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font("MS Sans Serif", 12);
  font.setStyleHint(QFont::SansSerif);
  text1_->setFont(font);
  text1_->setPlainText(
      QCoreApplication::translate("frmInst", kInstructionsText).replace("\r\n", "\n"));

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
