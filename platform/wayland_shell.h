#pragma once

#include <QWidget>

namespace vorn {

// What the Wayland compositors of KDE Plasma and GNOME can be told of the
// game's windows beyond the standard shell. Each asks again at every showing
// of the window, before its first frame; elsewhere, and where the game was
// built without Qt's Wayland client headers, they do nothing.

// KDE Plasma (org_kde_plasma_shell): the window has no task-bar entry; the
// board, inSwitcher, can still be found with Alt+Tab.
void KeepOffPlasmaTaskBar(QWidget* window, bool inSwitcher);

// GNOME (gtk_shell1): a modal dialog is marked as one, so that mutter opens
// it over its parent, the board, rather than wherever there is room. A
// window that is not modal is left as it is: GNOME attaches a modal dialog
// to its parent and passes it the keyboard whenever the board is clicked.
void MarkModalForGnome(QWidget* dialog);

}  // namespace vorn
