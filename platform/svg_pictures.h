#pragma once

#include <QCursor>
#include <QPixmap>
#include <QString>

namespace vorn {

// Renders a vector picture at a size in logical pixels for a device pixel
// ratio; each (picture, size, ratio) is rendered once and then reused.
QPixmap SvgPicture(const QString& resource, QSize logicalSize, qreal devicePixelRatio);

// The open-hand pointer of the movable balls, sharp at the given ratio,
// grown by boardScale with the board it points at.
QCursor HandCursor(qreal devicePixelRatio, qreal boardScale = 1);

}  // namespace vorn
