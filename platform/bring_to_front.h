#pragma once

#include <QString>
#include <QWidget>

namespace vorn {

// Shows a window above the others with the keyboard focus, at the player's
// request from another launch of the game; token is that launch's X11
// startup id or Wayland activation token (empty when there was none). On
// X11 the request is made the way a pager makes one for the player, with
// the launch's time, so that focus-stealing prevention lets it through.
void BringToFront(QWidget* window, const QString& token);

}  // namespace vorn
