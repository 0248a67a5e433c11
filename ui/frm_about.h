#pragma once

#include <QDialog>

#include "platform/platform.h"

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
  void showEvent(QShowEvent* event) override;

 private:
  Platform& platform_;
  QPushButton* cmdOK_;
};

}  // namespace vorn
