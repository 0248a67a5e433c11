#pragma once

#include <QDialog>

#include "ui/dialog_fit.h"

class QPlainTextEdit;
class QPushButton;

namespace vorn {

// The rules of the game, as the instructions window shows them.
extern const char* const kInstructionsText;
// How to play with the mouse and with the keys, below the rules.
extern const char* const kKeysText;

// frmInst: the instructions window, shown without blocking the board.
class FrmInst : public QDialog {
 public:
  explicit FrmInst(QWidget* parent);

  QPlainTextEdit* Text1() const { return text1_; }
  QPushButton* OKButton() const { return okButton_; }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  DialogFit fit_;
  QPlainTextEdit* text1_;
  QPushButton* okButton_;
};

}  // namespace vorn
