#pragma once

#include <optional>

#include <QByteArray>
#include <QImage>
#include <QString>

namespace vorn {

// Rendered pictures kept on disk between runs, in the user's cache folder,
// so that a start shows the board without rendering its vector pictures
// again. A picture is found by what it was rendered from (its source, size
// and device pixel ratio, and the renderer's version), so a changed picture
// or renderer is rendered anew; what is read back is the same pixels, bit
// for bit. The cache is a speed-up only: a missing, unreadable or damaged
// file is rendered again, and a failed store is not an error.
class PictureCache {
 public:
  // The cache in `folder`, or in the user's cache folder when empty.
  explicit PictureCache(QString folder = {});

  // What tells one version of a picture from another: its source, and the
  // renderer's version.
  static QByteArray VersionOf(const QByteArray& source);

  // The picture `name` of a version at a size in device pixels.
  std::optional<QImage> Find(const QString& name, const QByteArray& version, QSize pixels,
                             qreal devicePixelRatio) const;
  // Stores it; older versions of the picture go, and of its sizes at that
  // ratio only the latest few stay.
  void Store(const QString& name, const QByteArray& version, qreal devicePixelRatio,
             const QImage& image) const;

 private:
  QString FileName(const QString& name, const QByteArray& version, QSize pixels,
                   qreal devicePixelRatio) const;

  QString folder_;
};

}  // namespace vorn
