#pragma once

#include <QWidget>

namespace vorn {

// Qt 6.4's Wayland plugin asks the compositor to activate the focus window
// every time the focus moves inside the program, without a token that the
// compositor could honour: GNOME answers each time a menu closes or a dialog
// opens with a notification that the game "is ready". This turns that off
// there, and nowhere else. Call once, right after the application object is
// made.
void StopActivationOnFocusChange();

// Asks the window system for the keyboard focus for a window just shown, or
// left without it after a window over it closed, where the window system
// does not give it by itself: X11 window managers give it by the task-bar
// entry, which the board has not. A Wayland compositor gives the focus to a
// window it maps and back to the board when a window over it closes; asking
// there anyway shows as a notification on GNOME, so nothing is asked.
void AskForKeyboard(QWidget* window);

}  // namespace vorn
