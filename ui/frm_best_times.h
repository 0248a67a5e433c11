#pragma once

#include <optional>

#include <QDialog>

#include "platform/platform.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vorn {

// frmBestTimes: the best time, its date and the counted wins of each level,
// the record just made highlighted with a legend, and a button that clears
// them all.
class FrmBestTimes : public QDialog {
 public:
  // markedLevel: the level whose best time was just made, if any.
  FrmBestTimes(QWidget* parent, Platform& platform, std::optional<int> markedLevel);

  QTableWidget* Table() const { return table_; }
  QPushButton* ClearButton() const { return clearButton_; }
  QPushButton* OKButton() const { return okButton_; }

  // Asks first, then forgets every record.
  void ClearRecords();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowRecords();

  Platform& platform_;
  std::optional<int> markedLevel_;
  QTableWidget* table_;
  QLabel* legend_;  // says what the highlight means, shown with it
  QPushButton* clearButton_;
  QPushButton* okButton_;
};

}  // namespace vorn
