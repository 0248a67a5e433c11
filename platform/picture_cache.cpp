#include "platform/picture_cache.h"

#include <cstring>
#include <string>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QtEndian>

#include "platform/regular_file.h"

namespace vorn {

namespace {

// A file is this tag, the width and the height (32 bits each, little
// endian), then the rows of premultiplied ARGB pixels, packed.
constexpr char kTag[8] = {'V', 'O', 'R', 'N', 'P', 'I', 'C', '1'};
constexpr qsizetype kHeaderBytes = sizeof kTag + 8;
// No board picture comes near this: 8192 x 8192 pixels.
constexpr qint64 kMaxPixels = qint64{8192} * 8192;
// How many sizes of one picture at one ratio stay: the board's sizes, the
// sizes of a window icon.
constexpr int kSizesKept = 6;
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// The start of every file name of a picture at a ratio.
QString Prefix(const QString& name, qreal devicePixelRatio) {
  return QFileInfo(name).completeBaseName() + "@" + QString::number(devicePixelRatio) + "-";
}

}  // namespace

PictureCache::PictureCache(QString folder) : folder_(std::move(folder)) {
  if (folder_.isEmpty()) {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty()) folder_ = cache + "/vorn/pictures";
  }
}

QByteArray PictureCache::VersionOf(const QByteArray& source) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(source);
  // The renderer and the layout of pixels in memory.
  hash.addData(QByteArray(qVersion()) + " " + QSysInfo::buildAbi().toUtf8());
  return hash.result().toHex().left(16);
}

QString PictureCache::FileName(const QString& name, const QByteArray& version, QSize pixels,
                               qreal devicePixelRatio) const {
  return folder_ + "/" + Prefix(name, devicePixelRatio) +
         QString("%1x%2-").arg(pixels.width()).arg(pixels.height()) + QString::fromLatin1(version) +
         ".argb";
}

std::optional<QImage> PictureCache::Find(const QString& name, const QByteArray& version,
                                         QSize pixels, qreal devicePixelRatio) const {
  if (folder_.isEmpty() || pixels.isEmpty()) return std::nullopt;
  const qint64 pixelCount = qint64{pixels.width()} * pixels.height();
  if (pixelCount > kMaxPixels) return std::nullopt;
  const std::size_t expected = kHeaderBytes + pixelCount * 4;
  std::string bytes;
  std::uint64_t fileSize = 0;
  const QString path = FileName(name, version, pixels, devicePixelRatio);
  if (ReadRegularFile(path.toStdString(), expected, bytes, &fileSize) || fileSize != expected ||
      bytes.size() != expected || std::memcmp(bytes.data(), kTag, sizeof kTag) != 0 ||
      qFromLittleEndian<quint32>(bytes.data() + 8) != quint32(pixels.width()) ||
      qFromLittleEndian<quint32>(bytes.data() + 12) != quint32(pixels.height())) {
    return std::nullopt;
  }
  QImage image(pixels, kFormat);
  if (image.isNull()) return std::nullopt;
  const char* row = bytes.data() + kHeaderBytes;
  for (int y = 0; y < pixels.height(); ++y, row += pixels.width() * 4) {
    std::memcpy(image.scanLine(y), row, pixels.width() * 4);
  }
  return image;
}

void PictureCache::Store(const QString& name, const QByteArray& version, qreal devicePixelRatio,
                         const QImage& image) const {
  if (folder_.isEmpty() || image.isNull() || image.format() != kFormat) return;
  if (qint64{image.width()} * image.height() > kMaxPixels) return;
  if (!QDir().mkpath(folder_)) return;
  QDir folder(folder_);
  const QString path = FileName(name, version, image.size(), devicePixelRatio);
  // Pieces left by a store that never ended go too.
  for (const QString& part :
       folder.entryList({Prefix(name, devicePixelRatio) + "*.part"}, QDir::Files)) {
    folder.remove(part);
  }
  int kept = 0;
  for (const QString& other :
       folder.entryList({Prefix(name, devicePixelRatio) + "*.argb"}, QDir::Files, QDir::Time)) {
    if (!other.endsWith("-" + QString::fromLatin1(version) + ".argb") || ++kept >= kSizesKept) {
      folder.remove(other);
    }
  }
  QByteArray bytes(kTag, sizeof kTag);
  bytes.resize(kHeaderBytes + qsizetype{image.width()} * image.height() * 4);
  qToLittleEndian<quint32>(image.width(), bytes.data() + 8);
  qToLittleEndian<quint32>(image.height(), bytes.data() + 12);
  char* row = bytes.data() + kHeaderBytes;
  for (int y = 0; y < image.height(); ++y, row += image.width() * 4) {
    std::memcpy(row, image.constScanLine(y), image.width() * 4);
  }
  // Written whole under a temporary name and then renamed, so a reader never
  // finds half a picture; a full disk or a file-size limit leaves nothing.
  // Unbuffered, so that a failed write shows at once. Not synced to the disk
  // (this runs as the board is drawn): a picture a crash cut short has the
  // wrong size, and is drawn again.
  const FileSizeSignalIgnored keepRunning;
  QTemporaryFile file(path + ".XXXXXX.part");
  if (!file.open()) return;
  file.close();
  QFile unbuffered(file.fileName());
  const bool written = unbuffered.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                       unbuffered.write(bytes) == bytes.size();
  unbuffered.close();
  if (!written) return;
  QFile::remove(path);
  file.setAutoRemove(!file.rename(path));
}

}  // namespace vorn
