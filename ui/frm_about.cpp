#include "ui/frm_about.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/svg_pictures.h"
#include "platform/sys_info.h"

namespace vorn {

namespace {

QString AppTitle() {
  return QCoreApplication::translate("frmAbout", "VORN Game");
}

// The etched rule above the buttons: a line of shadow with a double line of
// light under it, in the colours of the palette.
class EtchedSeparator : public QWidget {
 public:
  explicit EtchedSeparator(QWidget* parent) : QWidget(parent) { setObjectName("separator"); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(0, 0, width(), 1, palette().color(QPalette::Dark));
    painter.fillRect(0, 1, width(), 2, palette().color(QPalette::Light));
  }
};

QLabel* AddLabel(DialogFit& fit, QWidget* parent, const char* name, const QString& text,
                 QRectF twips) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  fit.Add(label, twips);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

}  // namespace

FrmAbout::FrmAbout(QWidget* parent, Platform& platform)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      platform_(platform),
      fit_(this, {5730, 3555}) {
  setObjectName("frmAbout");
  setWindowTitle(QCoreApplication::translate("frmAbout", "About %1").arg(AppTitle()));

  picIcon_ = new QLabel(this);
  picIcon_->setObjectName("picIcon");
  fit_.Add(picIcon_, {240, 240, 810, 810});

  lblTitle_ = AddLabel(fit_, this, "lblTitle", AppTitle(), {1050, 240, 3885, 480});
  // The project's version, from the build.
  AddLabel(fit_, this, "lblVersion",
           QCoreApplication::translate("frmAbout", "Version %1.%2.%3")
               .arg(VORN_VERSION_MAJOR)
               .arg(VORN_VERSION_MINOR)
               .arg(VORN_VERSION_PATCH),
           {1050, 780, 3885, 225});
  AddLabel(
      fit_, this, "lblDescription",
      QCoreApplication::translate("frmAbout", "VORN Game is a game to entretain kids and adults. "),
      {1050, 1125, 3885, 1170});
  fit_.Add(new EtchedSeparator(this), {90, 2445, 5654 - 90, 45});

  // The buttons share a right edge; a long caption widens its button leftwards.
  cmdOK_ = new QPushButton(QCoreApplication::translate("frmAbout", "OK"), this);
  cmdOK_->setObjectName("cmdOK");
  fit_.Add(cmdOK_, {4245, 2625, 1260, 345}, Qt::AlignRight);
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

  auto* cmdSysInfo =
      new QPushButton(QCoreApplication::translate("frmAbout", "&System Info..."), this);
  cmdSysInfo->setObjectName("cmdSysInfo");
  fit_.Add(cmdSysInfo, {4260, 3075, 1245, 345}, Qt::AlignRight);
  cmdSysInfo->setAutoDefault(false);
  connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });
  Fit();
}

void FrmAbout::Fit() {
  QFont titleFont = font();
  if (titleFont.pointSizeF() > 0) {
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  } else {
    titleFont.setPixelSize(qRound(titleFont.pixelSize() * 1.4));
  }
  titleFont.setBold(true);
  lblTitle_->setFont(titleFont);
  fit_.Apply();
  picIcon_->setPixmap(SvgPicture(":/assets/icon.svg", picIcon_->size(), devicePixelRatioF()));
}

void FrmAbout::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Fit();
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
