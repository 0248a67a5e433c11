#include "platform/window_region.h"

#include <algorithm>
#include <vector>

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

// An edge of a polygon as X11's scan conversion steps it, whose pixels Qt's
// polygon regions take: its x on each scanline from the top end's down to the
// one above the bottom end's, found with whole numbers only.
class EdgeSteps {
 public:
  EdgeSteps(QPoint top, QPoint bottom) : x_(top.x()), top_(top.y()), bottom_(bottom.y()) {
    const int dy = bottom.y() - top.y(), dx = bottom.x() - top.x();
    m_ = dx / dy;
    if (dx < 0) {
      m1_ = m_ - 1;
      incr1_ = -2 * dx + 2 * dy * m1_;
      incr2_ = -2 * dx + 2 * dy * m_;
      d_ = 2 * m_ * dy - 2 * dx - 2 * dy;
    } else {
      m1_ = m_ + 1;
      incr1_ = 2 * dx - 2 * dy * m1_;
      incr2_ = 2 * dx - 2 * dy * m_;
      d_ = -2 * m_ * dy + 2 * dx;
    }
  }
  bool Crosses(int scanline) const { return scanline >= top_ && scanline < bottom_; }
  int X() const { return x_; }
  void Step() {
    if (m1_ > 0 ? d_ > 0 : d_ >= 0) {
      x_ += m1_;
      d_ += incr1_;
    } else {
      x_ += m_;
      d_ += incr2_;
    }
  }

 private:
  int x_, top_, bottom_;
  int m_, m1_, incr1_, incr2_, d_;
};

}  // namespace

QRegion TriangleRegion(const QPolygon& triangle) {
  if (triangle.size() != 3) return QRegion(triangle, Qt::OddEvenFill);
  std::vector<EdgeSteps> edges;
  int first = triangle[0].y(), end = first;
  for (int i = 0; i < 3; ++i) {
    const QPoint a = triangle[(i + 2) % 3], b = triangle[i];
    first = std::min(first, a.y());
    end = std::max(end, a.y());
    if (a.y() != b.y()) edges.emplace_back(a.y() < b.y() ? a : b, a.y() < b.y() ? b : a);
  }
  // At most two edges cross a scanline: the pixels from the one further left
  // up to the other, rows alike taken together.
  std::vector<QRect> rows;
  for (int y = first; y < end; ++y) {
    int xs[2], crossing = 0;
    for (EdgeSteps& edge : edges) {
      if (!edge.Crosses(y)) continue;
      if (crossing < 2) xs[crossing] = edge.X();
      ++crossing;
      edge.Step();
    }
    if (crossing != 2) continue;
    const int left = std::min(xs[0], xs[1]), right = std::max(xs[0], xs[1]);
    if (left == right) continue;
    if (!rows.empty() && rows.back().left() == left && rows.back().right() == right - 1 &&
        rows.back().bottom() == y - 1) {
      rows.back().setBottom(y);
    } else {
      rows.emplace_back(QPoint(left, y), QPoint(right - 1, y));
    }
  }
  QRegion region;
  region.setRects(rows.data(), static_cast<int>(rows.size()));
  return region;
}

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
  window->setMask(TriangleRegion(outline) | more);
}

bool StartSystemMove(QWidget* window) {
#ifdef VORN_WITH_XCB
  // A move asked for once the button is up never ends: the window manager
  // (openbox) holds the keyboard and the pointer, waiting for a release that
  // came before. After a quick click on a busy machine Qt can still report
  // the button held, so the X server is asked.
  if (QGuiApplication::platformName() == "xcb") {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection()) {
      xcb_connection_t* connection = x11->connection();
      const auto own = static_cast<xcb_window_t>(window->winId());
      xcb_query_pointer_reply_t* pointer =
          xcb_query_pointer_reply(connection, xcb_query_pointer(connection, own), nullptr);
      const bool held = pointer && (pointer->mask & XCB_BUTTON_MASK_1);
      free(pointer);
      if (!held) return true;
    }
  }
#endif
  // The window manager is told where the pointer is from the window's position.
  SyncWindowPosition(window);
  QWindow* handle = window->windowHandle();
  return handle && handle->startSystemMove();
}

}  // namespace vorn
