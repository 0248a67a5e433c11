#pragma once

#include <QPolygon>
#include <QWidget>

namespace vorn {

// The window's triangle for its client size, in logical pixels.
QPolygon TrianglePolygon(QSize clientSize);

// Cuts the window to its triangle; clicks outside it reach what lies behind.
void CutToTriangle(QWidget* window);

// Hands a press on the window's background to the window system, which then
// moves the window with the mouse. False when the system cannot, and the
// caller moves the window itself.
bool StartSystemMove(QWidget* window);

}  // namespace vorn
