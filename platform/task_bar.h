#pragma once

#include <QWidget>

namespace vorn {

// Keeps a window out of the task bar and the pager every time it is shown.
// Qt's tool and dialog windows ask for that only implicitly, which several
// X11 task bars ignore; there the window states that they honour are set too.
void KeepOffTaskBar(QWidget* window);

// The same for one showing: call it as the window is about to be mapped.
void SetSkipTaskBarStates(QWidget* window);

}  // namespace vorn
