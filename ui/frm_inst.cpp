#include "ui/frm_inst.h"

#include <QCoreApplication>
#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/twips.h"

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
                          Qt::WindowCloseButtonHint) {
  setObjectName("frmInst");
  setWindowTitle(QCoreApplication::translate("frmInst", "Game Instructions"));
  setFixedSize(TwipsSize(3495, 2880));

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName("Text1");
  text1_->setGeometry(TwipsRect(120, 120, 3255, 2175));
  text1_->setReadOnly(true);
  QFont font("MS Sans Serif", 12);
  font.setStyleHint(QFont::SansSerif);
  text1_->setFont(font);
  text1_->setPlainText(
      QCoreApplication::translate("frmInst", kInstructionsText).replace("\r\n", "\n"));

  okButton_ = new QPushButton(QCoreApplication::translate("frmInst", "OK"), this);
  okButton_->setObjectName("OKButton");
  okButton_->setGeometry(TwipsRect(1080, 2400, 1215, 375));
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmInst::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  okButton_->setFocus();
}

}  // namespace vorn
