#include "ui/frm_best_times.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "persistence/best_times.h"

namespace vorn {

namespace {

constexpr int kRowsOfLevel[kLevelCount] = {5, 6, 7};

}  // namespace

FrmBestTimes::FrmBestTimes(QWidget* parent, Platform& platform, std::optional<int> markedLevel)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      platform_(platform),
      markedLevel_(markedLevel) {
  setObjectName("frmBestTimes");
  setWindowTitle(QCoreApplication::translate("frmBestTimes", "VORN Best Times"));

  table_ = new QTableWidget(kLevelCount, 3, this);
  table_->setObjectName("grdBestTimes");
  table_->setHorizontalHeaderLabels({QCoreApplication::translate("frmBestTimes", "Best Time"),
                                     QCoreApplication::translate("frmBestTimes", "Date"),
                                     QCoreApplication::translate("frmBestTimes", "Wins")});
  // Named as the Game Level menu names them, with their rows.
  QStringList rows;
  for (int level = 0; level < kLevelCount; ++level) {
    rows << QCoreApplication::translate("frmBestTimes", "Level %1 (%2 rows)")
                .arg(level + 1)
                .arg(kRowsOfLevel[level]);
  }
  table_->setVerticalHeaderLabels(rows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setFocusPolicy(Qt::NoFocus);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  clearButton_ = new QPushButton(QCoreApplication::translate("frmBestTimes", "&Clear"), this);
  clearButton_->setObjectName("cmdClear");
  clearButton_->setAutoDefault(false);
  connect(clearButton_, &QPushButton::clicked, this, &FrmBestTimes::ClearRecords);
  okButton_ = new QPushButton(QCoreApplication::translate("frmBestTimes", "OK"), this);
  okButton_->setObjectName("cmdOK");
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clearButton_);
  buttons->addStretch();
  buttons->addWidget(okButton_);
  legend_ = new QLabel(
      QCoreApplication::translate("frmBestTimes", "Highlighted: the best time of your last win."),
      this);
  legend_->setObjectName("lblLegend");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(legend_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowRecords();
}

void FrmBestTimes::ShowRecords() {
  const auto records = ReadBestTimes(platform_);
  for (int level = 0; level < kLevelCount; ++level) {
    const BestTime& best = records[level];
    const QString texts[] = {
        best.seconds ? QCoreApplication::translate("frmBestTimes", "%1 Seconds").arg(*best.seconds)
                     : QString("-"),
        best.seconds ? QString::fromStdString(best.date) : QString("-"),
        QString::number(best.wins)};
    for (int column = 0; column < 3; ++column) {
      auto* item = new QTableWidgetItem(texts[column]);
      item->setTextAlignment(column == 1 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
      if (markedLevel_ == level && best.seconds) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(palette().highlight());
        item->setForeground(palette().highlightedText());
      }
      table_->setItem(level, column, item);
    }
  }
  legend_->setVisible(markedLevel_ && records[*markedLevel_].seconds);
  table_->resizeColumnsToContents();
  table_->setFixedSize(table_->verticalHeader()->sizeHint().width() +
                           table_->horizontalHeader()->length() + 2 * table_->frameWidth(),
                       table_->horizontalHeader()->sizeHint().height() +
                           table_->verticalHeader()->length() + 2 * table_->frameWidth());
}

void FrmBestTimes::ClearRecords() {
  if (platform_.MsgBox(
          QCoreApplication::translate("frmBestTimes", "Clear the best times of every level?")
              .toStdString(),
          MsgButtons::YesNo, MsgIcon::Question,
          QCoreApplication::translate("frmBestTimes", "VORN Best Times").toStdString()) !=
      MsgAnswer::Yes) {
    return;
  }
  if (FileError error = ClearBestTimes(platform_)) {
    platform_.MsgBox(
        QCoreApplication::translate("frmBestTimes", "The best times could not be cleared: %1")
            .arg(QString::fromStdString(*error))
            .toStdString(),
        MsgButtons::OK, MsgIcon::Exclamation,
        QCoreApplication::translate("frmBestTimes", "VORN Best Times").toStdString());
  }
  markedLevel_.reset();
  ShowRecords();
}

void FrmBestTimes::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  okButton_->setFocus();
}

}  // namespace vorn
