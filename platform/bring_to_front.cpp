#include "platform/bring_to_front.h"

#include <QGuiApplication>
#include <QRegularExpression>

#ifdef VORN_WITH_XCB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QtGui/qguiapplication_platform.h>
#endif

namespace vorn {

namespace {

#ifdef VORN_WITH_XCB
// The launch's time, which an X11 startup id ends with ("..._TIME1234").
xcb_timestamp_t LaunchTime(const QString& startupId) {
  static const QRegularExpression time("_TIME(\\d+)$");
  const QRegularExpressionMatch match = time.match(startupId);
  return match.hasMatch() ? static_cast<xcb_timestamp_t>(match.captured(1).toULongLong())
                          : xcb_timestamp_t{XCB_CURRENT_TIME};
}

// _NET_ACTIVE_WINDOW with the source of a pager: the player asked for it.
bool ActivateAsPager(QWidget* window, xcb_timestamp_t time) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return false;
  xcb_connection_t* connection = x11->connection();
  const char name[] = "_NET_ACTIVE_WINDOW";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
  if (!atom) return false;
  xcb_client_message_event_t message;
  std::memset(&message, 0, sizeof message);
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window->winId());
  message.type = atom->atom;
  message.data.data32[0] = 2;  // from a pager
  message.data.data32[1] = time;
  free(atom);
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  xcb_send_event(connection, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
  return true;
}
#endif

}  // namespace

void BringToFront(QWidget* window, const QString& token) {
  const bool x11 = QGuiApplication::platformName() == "xcb";
  // Qt hands a Wayland compositor the activation token it finds here.
  if (!x11 && !token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
#ifdef VORN_WITH_XCB
  if (x11 && ActivateAsPager(window, LaunchTime(token))) return;
#endif
  window->activateWindow();
}

}  // namespace vorn
