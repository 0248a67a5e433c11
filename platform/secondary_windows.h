#pragma once

#include <QWidget>

namespace vorn {

// Under some X11 window managers Qt is told that a frameless window stands at
// the screen's corner once it has been mapped. Everything Qt places from the
// window's position then goes wrong: dialogs open in the corner, and the
// window manager's move starts from a wrong pointer position. This asks the
// window system where the window really is and tells Qt.
void SyncWindowPosition(QWidget* window);

// Every window that opens over the board (message boxes, file dialogs, About,
// Instructions) opens centred on it, as Qt places them once it knows where
// the board is, and like the board stays out of the task bar and the pager.
// When one closes, the keyboard goes back to the board.
void KeepSecondaryWindowsOver(QWidget* board);

}  // namespace vorn
