#include "platform/qt_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>

namespace vorn {

namespace {

QString FromUtf8(const std::string& s) {
  return QString::fromStdString(s);
}

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Exclamation:
      return QMessageBox::Warning;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

std::unique_ptr<QSettings> OpenSettings(const std::string& appName) {
#ifdef Q_OS_WIN
  // The per-user registry key that the game's settings have always used.
  return std::make_unique<QSettings>(
      "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\" + FromUtf8(appName),
      QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     FromUtf8(appName), FromUtf8(appName));
#endif
}

}  // namespace

void QtPlatform::SetHost(QWidget* host, std::function<void()> beforeModal) {
  host_ = host;
  beforeModal_ = std::move(beforeModal);
}

void QtPlatform::BringViewUpToDate() {
  if (beforeModal_) beforeModal_();
}

MsgAnswer QtPlatform::MsgBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) {
  BringViewUpToDate();
  QString text = FromUtf8(prompt);
  text.replace("\r\n", "\n");
  QMessageBox box(
      ToQtIcon(icon), FromUtf8(title), text.trimmed(),
      buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, host_);
  box.setObjectName("vornMessageBox");
  box.setDefaultButton(buttons == MsgButtons::YesNo ? QMessageBox::Yes : QMessageBox::Ok);
  const int answer = box.exec();
  if (buttons == MsgButtons::OK) return MsgAnswer::OK;
  return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void QtPlatform::DoEvents() {
  BringViewUpToDate();
  // Repaints and timers only: a further press or key is handled after the
  // current event, never in the middle of it.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::chrono::steady_clock::time_point QtPlatform::Now() {
  return std::chrono::steady_clock::now();
}

std::optional<std::string> QtPlatform::GetSetting(const std::string& appName,
                                                  const std::string& section,
                                                  const std::string& key) {
  auto settings = OpenSettings(appName);
  const QString path = FromUtf8(section) + "/" + FromUtf8(key);
  if (!settings->contains(path)) return std::nullopt;
  return settings->value(path).toString().toStdString();
}

void QtPlatform::SaveSetting(const std::string& appName, const std::string& section,
                             const std::string& key, const std::string& value) {
  auto settings = OpenSettings(appName);
  settings->setValue(FromUtf8(section) + "/" + FromUtf8(key), FromUtf8(value));
  settings->sync();
}

std::string QtPlatform::AppName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

std::optional<std::string> QtPlatform::ShowFileDialog(const FileDialogRequest& request) {
  BringViewUpToDate();
  QFileDialog dialog(host_);
  dialog.setObjectName("vornFileDialog");
  const bool save = request.kind == FileDialogRequest::Kind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Without a read-only box and without an overwrite question. The filters'
  // display texts are kept as they are; the patterns that really filter are
  // given separately, so that "All Files (*.*)" lists names without a dot too.
  QFileDialog::Options options =
      QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails;
#ifndef Q_OS_WIN
  options |= QFileDialog::DontUseNativeDialog;
#endif
  dialog.setOptions(options);
  QStringList filters;
  for (size_t i = 0; i < request.filters.size(); ++i) {
    filters << FromUtf8(request.filters[i]) + " (" + FromUtf8(request.filterPatterns[i]) + ")";
  }
  dialog.setNameFilters(filters);
  if (request.selectedFilter >= 0 && request.selectedFilter < filters.size()) {
    dialog.selectNameFilter(filters[request.selectedFilter]);
  }
  dialog.setDefaultSuffix(FromUtf8(request.defaultSuffix));
  if (!request.proposedName.empty()) dialog.selectFile(FromUtf8(request.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

FileError QtPlatform::WriteFileAtomically(const std::string& path, const std::string& bytes) {
  QSaveFile file(FromUtf8(path));
  if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    const std::string error = file.errorString().toStdString();
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return file.errorString().toStdString();
  return std::nullopt;
}

FileError QtPlatform::ReadWholeFile(const std::string& path, std::string& bytes) {
  QFile file(FromUtf8(path));
  if (!file.open(QIODevice::ReadOnly)) return file.errorString().toStdString();
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) return file.errorString().toStdString();
  bytes.assign(data.constData(), static_cast<size_t>(data.size()));
  return std::nullopt;
}

}  // namespace vorn
