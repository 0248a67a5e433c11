#include "platform/wayland_shell.h"

// The build without Qt's Wayland client headers: the standard shell only.
namespace vorn {

void KeepOffPlasmaTaskBar(QWidget*, bool) {}

void MarkModalForGnome(QWidget*) {}

}  // namespace vorn
