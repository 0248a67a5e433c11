#include "platform/task_bar.h"

#include <QEvent>
#include <QGuiApplication>

#include "platform/wayland_shell.h"

#ifdef VORN_WITH_XCB
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <QtGui/qguiapplication_platform.h>
#define VORN_X11_WINDOW_STATES 1
#endif

namespace vorn {

namespace {

#ifdef VORN_X11_WINDOW_STATES
xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  free(reply);
  return atom;
}

// Adds the skip states to _NET_WM_STATE of a window that is about to be
// mapped. Qt merges its own states into what it finds there, and a window
// manager reads the property when the window is mapped.
void AddSkipStates(QWidget* window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window->winId());
  const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
  std::vector<xcb_atom_t> states;
  const auto cookie = xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024);
  if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
    if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
      const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
      states.assign(atoms, atoms + xcb_get_property_value_length(reply) / sizeof(xcb_atom_t));
    }
    free(reply);
  }
  for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
    const xcb_atom_t skip = Atom(connection, name);
    if (skip != XCB_ATOM_NONE && std::find(states.begin(), states.end(), skip) == states.end()) {
      states.push_back(skip);
    }
  }
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(states.size()), states.data());
  xcb_flush(connection);
}
#endif

// Sets the states on every show, before the window is mapped: a window
// manager drops them whenever a window is withdrawn. The window kept off the
// task bar this way is the board, which Alt+Tab still finds.
class TaskBarKeeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      SetSkipTaskBarStates(static_cast<QWidget*>(watched), InTaskSwitcher::kYes);
    }
    return false;
  }
};

}  // namespace

void SetSkipTaskBarStates(QWidget* window, InTaskSwitcher switcher) {
#ifdef VORN_X11_WINDOW_STATES
  if (QGuiApplication::platformName() == "xcb") AddSkipStates(window);
#endif
  KeepOffPlasmaTaskBar(window, switcher == InTaskSwitcher::kYes);
}

void KeepOffTaskBar(QWidget* window) {
  window->installEventFilter(new TaskBarKeeper(window));
}

}  // namespace vorn
