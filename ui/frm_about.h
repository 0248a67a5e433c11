#pragma once

#include <QDialog>

#include "platform/platform.h"
#include "ui/dialog_fit.h"

class QLabel;
class QPushButton;

namespace vorn {

// frmAbout: the program's title and version, and a way to the system's
// information viewer.
class FrmAbout : public QDialog {
 public:
  FrmAbout(QWidget* parent, Platform& platform);

  // Starts the system-information viewer, or says that there is none.
  void StartSysInfo();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Grows the window as far as its texts need in its font.
  void Fit();

  Platform& platform_;
  DialogFit fit_;
  QLabel* picIcon_;
  QLabel* lblTitle_;
  QPushButton* cmdOK_;
};

}  // namespace vorn
