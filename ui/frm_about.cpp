#include "ui/frm_about.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/svg_pictures.h"
#include "platform/sys_info.h"
#include "ui/twips.h"

namespace vorn {

namespace {

QString AppTitle() {
  return QCoreApplication::translate("frmAbout", "VORN Game");
}

// The etched rule above the buttons: a grey line with a white one under it.
class EtchedSeparator : public QWidget {
 public:
  explicit EtchedSeparator(QWidget* parent) : QWidget(parent) {
    setObjectName("separator");
    setGeometry(TwipsRect(90, 2445, 5654 - 90, 45));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(1, 2, width(), 2);
  }
};

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

}  // namespace

FrmAbout::FrmAbout(QWidget* parent, Platform& platform)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      platform_(platform) {
  setObjectName("frmAbout");
  setWindowTitle(QCoreApplication::translate("frmAbout", "About %1").arg(AppTitle()));
  setFixedSize(TwipsSize(5730, 3555));

  auto* picIcon = new QLabel(this);
  picIcon->setObjectName("picIcon");
  picIcon->setGeometry(TwipsRect(240, 240, 810, 810));
  picIcon->setPixmap(SvgPicture(":/assets/icon.svg", picIcon->size(), devicePixelRatioF()));

  QLabel* title = AddLabel(this, "lblTitle", AppTitle(), TwipsRect(1050, 240, 3885, 480));
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  titleFont.setBold(true);
  title->setFont(titleFont);
  // The project's version, from the build.
  AddLabel(this, "lblVersion",
           QCoreApplication::translate("frmAbout", "Version %1.%2.%3")
               .arg(VORN_VERSION_MAJOR)
               .arg(VORN_VERSION_MINOR)
               .arg(VORN_VERSION_PATCH),
           TwipsRect(1050, 780, 3885, 225));
  AddLabel(
      this, "lblDescription",
      QCoreApplication::translate("frmAbout", "VORN Game is a game to entretain kids and adults. "),
      TwipsRect(1050, 1125, 3885, 1170));
  new EtchedSeparator(this);

  cmdOK_ = new QPushButton(QCoreApplication::translate("frmAbout", "OK"), this);
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setGeometry(TwipsRect(4245, 2625, 1260, 345));
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

  auto* cmdSysInfo =
      new QPushButton(QCoreApplication::translate("frmAbout", "&System Info..."), this);
  cmdSysInfo->setObjectName("cmdSysInfo");
  cmdSysInfo->setGeometry(TwipsRect(4260, 3075, 1245, 345));
  cmdSysInfo->setAutoDefault(false);
  connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });
}

void FrmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  cmdOK_->setFocus();
}

void FrmAbout::StartSysInfo() {
  if (!StartSystemInformationViewer()) {
    platform_.MsgBox(
        QCoreApplication::translate("frmAbout", "System Information Is Unavailable At This Time")
            .toStdString(),
        MsgButtons::OK, MsgIcon::None, AppTitle().toStdString());
  }
}

}  // namespace vorn
