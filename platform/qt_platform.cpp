#include "platform/qt_platform.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>

#include "platform/message_texts.h"
#include "platform/regular_file.h"
#include "platform/settings_text.h"

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

#ifdef Q_OS_WIN

// The per-user registry key that the game's settings have always used.
std::unique_ptr<QSettings> OpenSettings(const std::string& appName) {
  return std::make_unique<QSettings>(
      "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\" + FromUtf8(appName),
      QSettings::NativeFormat);
}

#else

// The settings are read and written here rather than by QSettings, which
// keeps a write that failed in memory as if stored, and merges it into the
// file at some later write.

// Far larger than any settings file the game writes: a larger one is damage,
// and is neither read nor written over.
constexpr std::size_t kLargestSettingsFile = 64 * 1024;

// Where Qt's settings store has always kept them: the user's configuration
// folder, a folder named after the application, a file named after it.
QString SettingsPath(const std::string& appName) {
  const QString app = FromUtf8(appName);
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + app + "/" +
         app + ".conf";
}

// The settings file's text; an error when it is anything but a readable
// regular file of a sane size. Missing is no error: there is nothing yet.
FileError ReadSettingsText(const QString& path, std::string& text) {
  text.clear();
  const PathKind kind = KindOfPath(path.toStdString());
  if (kind == PathKind::Missing) return std::nullopt;
  if (kind == PathKind::Directory || kind == PathKind::Other) return NotRegularFileText(kind);
  std::uint64_t size = 0;
  if (FileError error = ReadRegularFile(path.toStdString(), kLargestSettingsFile, text, &size)) {
    return error;
  }
  if (size > kLargestSettingsFile) {
    text.clear();
    return "It is larger (" + std::to_string(size) +
           " bytes) than any settings file VORN writes, and is left alone";
  }
  return std::nullopt;
}

#endif

// A settings file that cannot be read is said once on standard error; the
// game goes on with its defaults.
void ReportUnreadableSettings(const QString& path, const std::string& error) {
  static bool reported = false;
  if (reported) return;
  reported = true;
  std::fprintf(stderr, "vorn: the settings in %s are not used: %s\n", path.toUtf8().constData(),
               error.c_str());
}

// Icons and type names from the kind of entry alone. Qt's own provider reads
// files to guess their contents, on the window's thread: a file under /proc or
// a slow disk would freeze the dialog and the game.
class KindOnlyIconProvider : public QAbstractFileIconProvider {
 public:
  QIcon icon(IconType type) const override {
    QStyle* style = QApplication::style();
    switch (type) {
      case Computer:
        return style->standardIcon(QStyle::SP_ComputerIcon);
      case Desktop:
        return style->standardIcon(QStyle::SP_DesktopIcon);
      case Trashcan:
        return style->standardIcon(QStyle::SP_TrashIcon);
      case Network:
        return style->standardIcon(QStyle::SP_DriveNetIcon);
      case Drive:
        return style->standardIcon(QStyle::SP_DriveHDIcon);
      case Folder:
        return style->standardIcon(QStyle::SP_DirIcon);
      case File:
        break;
    }
    return style->standardIcon(QStyle::SP_FileIcon);
  }
  QIcon icon(const QFileInfo& info) const override { return icon(KindOf(info)); }
  QString type(const QFileInfo& info) const override {
    switch (KindOf(info)) {
      case Drive:
        return QCoreApplication::translate("FileDialog", "Drive");
      case Folder:
        return QCoreApplication::translate("FileDialog", "Folder");
      default:
        return QCoreApplication::translate("FileDialog", "File");
    }
  }

 private:
  static IconType KindOf(const QFileInfo& info) {
    if (info.isRoot()) return Drive;
    return info.isDir() ? Folder : File;
  }
};

// Opening takes the name as typed when it exists; the default suffix is only
// tried for a typed name that does not exist.
QString NameToOpen(const QString& chosen, const QString& suffix) {
  if (suffix.isEmpty() || QFileInfo::exists(chosen)) return chosen;
  const QString withSuffix = chosen + "." + suffix;
  return QFileInfo::exists(withSuffix) ? withSuffix : chosen;
}

// The old bytes of a saved game are kept while it is written over, in case it
// has to be written in place and that fails; saved games are far smaller.
constexpr std::size_t kKeptOldBytes = 64 * 1024;

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
  // The texts of the rules in the player's language.
  QString text = TranslatedMessage(prompt);
  text.replace("\r\n", "\n");
  QMessageBox box(
      ToQtIcon(icon), TranslatedMessage(title), text.trimmed(),
      buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, host_);
  box.setObjectName("vornMessageBox");
  box.setDefaultButton(buttons == MsgButtons::YesNo ? QMessageBox::Yes : QMessageBox::Ok);
  const int answer = box.exec();
  if (buttons == MsgButtons::OK) return MsgAnswer::OK;
  return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void QtPlatform::DoEvents() {
  BringViewUpToDate();
  // Paints what changed, at once, and nothing else. Further input stays in
  // the window system's queue, where the event loop takes it as soon as the
  // current event ends: it is never handled in the middle of another event,
  // and never held back until some later event wakes the loop, as it would
  // be when skipped by a nested processEvents().
  if (host_) QCoreApplication::sendPostedEvents(host_->window(), QEvent::UpdateRequest);
}

std::chrono::steady_clock::time_point QtPlatform::Now() {
  return std::chrono::steady_clock::now();
}

#ifdef Q_OS_WIN

std::optional<std::string> QtPlatform::GetSetting(const std::string& appName,
                                                  const std::string& section,
                                                  const std::string& key) {
  auto settings = OpenSettings(appName);
  const QString path = FromUtf8(section) + "/" + FromUtf8(key);
  if (!settings->contains(path)) return std::nullopt;
  return settings->value(path).toString().toStdString();
}

FileError QtPlatform::UpdateSettings(const std::string& appName, const std::string& section,
                                     const SettingChange& change) {
  auto settings = OpenSettings(appName);
  settings->beginGroup(FromUtf8(section));
  const auto changes = change([&](const std::string& key) -> std::optional<std::string> {
    if (!settings->contains(FromUtf8(key))) return std::nullopt;
    return settings->value(FromUtf8(key)).toString().toStdString();
  });
  for (const auto& [key, value] : changes) settings->setValue(FromUtf8(key), FromUtf8(value));
  settings->sync();
  if (settings->status() == QSettings::NoError) return std::nullopt;
  return settings->fileName().toStdString() + ": The registry refused the change";
}

#else

std::optional<std::string> QtPlatform::GetSetting(const std::string& appName,
                                                  const std::string& section,
                                                  const std::string& key) {
  const QString path = SettingsPath(appName);
  std::string text;
  if (FileError error = ReadSettingsText(path, text)) {
    ReportUnreadableSettings(path, *error);
    return std::nullopt;
  }
  return IniValue(text, section, key);
}

FileError QtPlatform::UpdateSettings(const std::string& appName, const std::string& section,
                                     const SettingChange& change) {
  const QString path = SettingsPath(appName);
  const auto failed = [&path](const std::string& why) -> FileError {
    return (path + ": " + TranslatedMessage(why)).toStdString();
  };
  std::error_code made;
  std::filesystem::create_directories(QFile::encodeName(QFileInfo(path).path()).toStdString(),
                                      made);
  if (made) return failed(made.message());
  // The lock Qt's settings store takes for its writes: copies of the game
  // that store their settings at the same moment wait for each other. A
  // folder that takes no new file takes no lock either; the write then
  // goes on in place, alone, or says why it cannot.
  const QString lockPath = path + ".lock";
  const PathKind lockKind = KindOfPath(lockPath.toStdString());
  if (lockKind == PathKind::Directory || lockKind == PathKind::Other) {
    return (lockPath + ": " + TranslatedMessage(NotRegularFileText(lockKind))).toStdString();
  }
  // Beyond the file-size limit the lock's few bytes fail like the file's.
  const FileSizeSignalIgnored fileSizeLimitIsAnError;
  QLockFile lock(lockPath);
  if (!lock.tryLock(1000) && lock.error() == QLockFile::LockFailedError) {
    return failed("Another copy of VORN kept it locked");
  }
  std::string text;
  if (FileError error = ReadSettingsText(path, text)) return failed(*error);
  const std::string before = text;
  const auto changes =
      change([&](const std::string& key) { return IniValue(before, section, key); });
  for (const auto& [key, value] : changes) text = WithIniValue(text, section, key, value);
  if (text == before) return std::nullopt;
  if (FileError error = WriteFileAtomically(path.toStdString(), text)) return failed(*error);
  return std::nullopt;
}

#endif

std::string QtPlatform::AppName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

std::optional<std::string> QtPlatform::ShowFileDialog(const FileDialogRequest& request) {
  BringViewUpToDate();
  // Outlives the dialog, which only borrows it.
  KindOnlyIconProvider iconProvider;
  QFileDialog dialog(host_);
  dialog.setObjectName("vornFileDialog");
  const bool save = request.kind == FileDialogRequest::Kind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The desktop's own dialog where there is one. Without a read-only box and
  // without an overwrite question. The filters' display texts are kept as they
  // are; the patterns that really filter are given separately, so that
  // "All Files (*.*)" lists names without a dot too. Qt's own dialog, where it
  // is used, never reads a file to draw it.
  dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails |
                    QFileDialog::DontUseCustomDirectoryIcons);
  dialog.setIconProvider(&iconProvider);
  QStringList filters;
  for (size_t i = 0; i < request.filters.size(); ++i) {
    filters << TranslatedMessage(request.filters[i]) + " (" + FromUtf8(request.filterPatterns[i]) +
                   ")";
  }
  dialog.setNameFilters(filters);
  if (request.selectedFilter >= 0 && request.selectedFilter < filters.size()) {
    dialog.selectNameFilter(filters[request.selectedFilter]);
  }
  // Only a save gets the suffix from the dialog: opening must reach a file
  // whose name has no dot.
  if (save) dialog.setDefaultSuffix(FromUtf8(request.defaultSuffix));
  if (!request.proposedName.empty()) dialog.selectFile(FromUtf8(request.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog.selectedFiles().constFirst();
  return (save ? chosen : NameToOpen(chosen, FromUtf8(request.defaultSuffix))).toStdString();
}

FileError QtPlatform::WriteFileAtomically(const std::string& path, const std::string& bytes) {
  // Never into a pipe or a device, nor replacing one with a regular file.
  const PathKind kind = KindOfPath(path);
  if (kind == PathKind::Directory || kind == PathKind::Other) return NotRegularFileText(kind);
  std::string oldBytes;
  std::uint64_t oldSize = 0;
  bool oldKept = false;
  if (kind == PathKind::Regular) {
    oldKept = !ReadRegularFile(path, std::max(kKeptOldBytes, bytes.size()), oldBytes, &oldSize);
  }
  const FileSizeSignalIgnored fileSizeLimitIsAnError;
  // The new bytes go to a temporary file beside the old one, which replaces
  // the old one once complete; through a symbolic link, its target is
  // replaced. A folder that refuses the temporary file gets the bytes written
  // straight into the old file instead.
  QSaveFile file(FromUtf8(path));
  file.setDirectWriteFallback(true);
  // Unbuffered: each failure shows at write(), not at a flush after the
  // temporary file has already replaced the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return file.errorString().toStdString();
  }
  const bool inPlace = descriptor::IsFileAt(file.handle(), path);
#ifdef Q_OS_WIN
  FileError error;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      file.error() != QFileDevice::NoError) {
    error = file.errorString().toStdString();
  }
#else
  // Straight to the descriptor: a write cut short by a full disk or the
  // file-size limit then reports the system's own reason.
  FileError error = descriptor::WriteAll(file.handle(), bytes);
  if (!error) error = descriptor::SyncToDisk(file.handle());
#endif
  if (!error) {
    if (file.commit()) return std::nullopt;
    return file.errorString().toStdString();
  }
  if (inPlace) {
    if (!oldKept || !descriptor::PutBack(file.handle(), oldBytes, oldSize)) {
      *error += "\r\nThe file's old contents could not all be put back.";
    }
  } else {
    file.cancelWriting();
  }
  // Closes the file and removes the temporary one. Not left to the
  // destructor, which removes whatever file it still holds open.
  file.commit();
  return error;
}

FileError QtPlatform::ReadFileUpTo(const std::string& path, std::size_t maxBytes,
                                   std::string& bytes) {
  return ReadRegularFile(path, maxBytes, bytes);
}

}  // namespace vorn
