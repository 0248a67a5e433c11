#pragma once

#include <QWidget>

namespace vorn {

// Keeps a window out of the task bar and the pager every time it is shown.
// Qt's tool and dialog windows ask for that only implicitly, which several
// X11 task bars ignore; there the window states that they honour are set too,
// and on KDE Plasma's Wayland the window is marked for its task bar. The
// window stays in the task switcher (Alt+Tab).
void KeepOffTaskBar(QWidget* window);

// Whether a window kept off the task bar is still listed by Alt+Tab where
// the desktop is told (KDE Plasma): the board is; a dialog is left to the
// desktop's own rule.
enum class InTaskSwitcher { kYes, kDesktopsChoice };

// The same for one showing: call it as the window is about to be mapped.
void SetSkipTaskBarStates(QWidget* window,
                          InTaskSwitcher switcher = InTaskSwitcher::kDesktopsChoice);

}  // namespace vorn
