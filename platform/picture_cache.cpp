#include "platform/picture_cache.h"

#include <cstring>

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
  const std::uint64_t expected = kHeaderBytes + pixelCount * 4;
  RegularFileReader file;
  char header[kHeaderBytes];
  std::size_t got = 0;
  if (file.Open(FileName(name, version, pixels, devicePixelRatio).toStdString()) ||
      file.Size() != expected || file.Read(header, sizeof header, got) || got != sizeof header ||
      std::memcmp(header, kTag, sizeof kTag) != 0 ||
      qFromLittleEndian<quint32>(header + 8) != quint32(pixels.width()) ||
      qFromLittleEndian<quint32>(header + 12) != quint32(pixels.height())) {
    return std::nullopt;
  }
  // The rows go straight into the picture: 32-bit rows are packed in a QImage.
  QImage image(pixels, kFormat);
  if (image.isNull() || image.sizeInBytes() != pixelCount * 4) return std::nullopt;
  const std::size_t pixelBytes = static_cast<std::size_t>(pixelCount * 4);
  if (file.Read(reinterpret_cast<char*>(image.bits()), pixelBytes, got) || got != pixelBytes) {
    return std::nullopt;
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
  char header[kHeaderBytes];
  std::memcpy(header, kTag, sizeof kTag);
  qToLittleEndian<quint32>(image.width(), header + 8);
  qToLittleEndian<quint32>(image.height(), header + 12);
  const qint64 pixelBytes = qint64{image.width()} * image.height() * 4;
  if (image.sizeInBytes() != pixelBytes) return;
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
  const bool written =
      unbuffered.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
      unbuffered.write(header, kHeaderBytes) == kHeaderBytes &&
      unbuffered.write(reinterpret_cast<const char*>(image.constBits()), pixelBytes) == pixelBytes;
  unbuffered.close();
  if (!written) return;
  QFile::remove(path);
  file.setAutoRemove(!file.rename(path));
}

}  // namespace vorn
