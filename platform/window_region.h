#pragma once

#include <QPolygon>
#include <QRegion>
#include <QWidget>

namespace vorn {

// Whether the desktop composites windows, so that a window can be partly
// transparent: always on Wayland, on X11 while a compositing manager runs.
bool DesktopComposites();

// The pixels of a triangle given by its corners, the same as Qt's region of
// that polygon, for a fraction of the work.
QRegion TriangleRegion(const QPolygon& triangle);

// Cuts the window to the triangle given in its logical pixels (apex, bottom
// right, bottom left), together with `more` (what is shown past it);
// clicks outside reach what lies behind.
// With smooth edges the window paints the triangle itself over a transparent
// background, and the mask, a pixel wider so as not to cut the softened
// edge, only decides where presses go; without, the mask is the outline.
void CutToTriangle(QWidget* window, const QPolygon& triangle, bool smoothEdges,
                   const QRegion& more = {});

// Hands a press on the window's background to the window system, which then
// moves the window with the mouse. False when the system cannot, and the
// caller moves the window itself; true too when the button is already up,
// and nothing moves.
bool StartSystemMove(QWidget* window);

}  // namespace vorn
