#include "platform/window_region.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWindow>

#ifdef VORN_WITH_XCB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

#include <QtGui/qguiapplication_platform.h>
#endif

#include "platform/secondary_windows.h"

namespace vorn {

namespace {

// The X screen the game runs on, from the display name (":0.1" is screen 1).
[[maybe_unused]] int DefaultScreenNumber() {
  const QByteArray display = qgetenv("DISPLAY");
  const qsizetype dot = display.lastIndexOf('.');
  const qsizetype colon = display.lastIndexOf(':');
  return dot > colon && colon >= 0 ? display.mid(dot + 1).toInt() : 0;
}

}  // namespace

bool DesktopComposites() {
  const QString platform = QGuiApplication::platformName();
  if (platform == "wayland" || platform == "windows") return true;
#ifdef VORN_WITH_XCB
  if (platform != "xcb") return false;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return false;
  // A compositing manager owns this selection for the screen it composites.
  xcb_connection_t* connection = x11->connection();
  const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreenNumber());
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.constData()),
      nullptr);
  if (!atom) return false;
  const xcb_atom_t selection = atom->atom;
  free(atom);
  if (selection == XCB_ATOM_NONE) return false;
  xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, selection), nullptr);
  const bool composites = owner && owner->owner != XCB_WINDOW_NONE;
  free(owner);
  return composites;
#else
  return false;
#endif
}

void CutToTriangle(QWidget* window, const QPolygon& triangle, bool smoothEdges,
                   const QRegion& more) {
  QPolygon outline = triangle;
  if (smoothEdges) {
    // Apex, bottom right, bottom left, each moved out by a pixel or two.
    outline[0] += QPoint(0, -2);
    outline[1] += QPoint(2, 1);
    outline[2] += QPoint(-2, 1);
  }
  window->setMask(QRegion(outline, Qt::OddEvenFill) | more);
}

bool StartSystemMove(QWidget* window) {
  // The window manager is told where the pointer is from the window's position.
  SyncWindowPosition(window);
  QWindow* handle = window->windowHandle();
  return handle && handle->startSystemMove();
}

}  // namespace vorn
