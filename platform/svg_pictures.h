#pragma once

#include <functional>
#include <initializer_list>

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace vorn {

// What tells one version of a vector picture from another: its content, and
// the renderer's version. Known without reading the pictures compiled in.
QByteArray SvgVersion(const QString& resource);

// A vector picture rendered at a size in logical pixels for a device pixel
// ratio, every time.
QImage RenderSvg(const QString& resource, QSize logicalSize, qreal devicePixelRatio);

// A picture made by render, or read back from the disk where an earlier run
// made the picture `name` of the same version, size in pixels and ratio.
QImage CachedImage(const QString& name, const QByteArray& version, QSize pixels,
                   qreal devicePixelRatio, const std::function<QImage()>& render);

// A vector picture rendered at a size in logical pixels for a device pixel
// ratio, or read back from the disk where an earlier run rendered it.
QImage SvgImage(const QString& resource, QSize logicalSize, qreal devicePixelRatio);

// The same, kept in memory: each (picture, size, ratio) is made once and then
// reused.
QPixmap SvgPicture(const QString& resource, QSize logicalSize, qreal devicePixelRatio);

// A window icon from a square vector picture, made once for each side in
// pixels, rather than rendered anew for each size the window system asks of
// an icon file.
QIcon SvgIcon(const QString& resource, std::initializer_list<int> sides);

// The open-hand pointer of the movable balls, sharp at the given ratio,
// grown by boardScale with the board it points at.
QCursor HandCursor(qreal devicePixelRatio, qreal boardScale = 1);

}  // namespace vorn
