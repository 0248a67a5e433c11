#include "platform/secondary_windows.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

#include "platform/task_bar.h"
#include "platform/wayland_shell.h"
#include "platform/window_focus.h"

#ifdef VORN_WITH_XCB
#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <optional>

#include <QtGui/qguiapplication_platform.h>
#endif

namespace vorn {

namespace {

#ifdef VORN_WITH_XCB
// Where the window system has the window, in Qt's logical pixels.
std::optional<QPoint> PositionOnScreen(QWidget* window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection() || !window->windowHandle()) return std::nullopt;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window->winId());
  xcb_query_tree_reply_t* tree =
      xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr);
  if (!tree) return std::nullopt;
  const xcb_window_t root = tree->root;
  free(tree);
  xcb_translate_coordinates_reply_t* spot = xcb_translate_coordinates_reply(
      connection, xcb_translate_coordinates(connection, id, root, 0, 0), nullptr);
  if (!spot) return std::nullopt;
  const QPoint native(spot->dst_x, spot->dst_y);
  free(spot);
  const qreal scale = window->devicePixelRatioF();
  return QPoint(static_cast<int>(std::lround(native.x() / scale)),
                static_cast<int>(std::lround(native.y() / scale)));
}
#endif

constexpr int kRefocusDelayMs = 100;

// Sees every window about to be shown, before Qt places it, and every one
// that closes.
class SecondaryWindowKeeper : public QObject {
 public:
  explicit SecondaryWindowKeeper(QWidget* board) : QObject(board), board_(board) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool shows = event->type() == QEvent::Show, hides = event->type() == QEvent::Hide;
    if ((!shows && !hides) || !watched->isWidgetType() || !board_) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || window == board_ || !window->parentWidget() ||
        window->parentWidget()->window() != board_) {
      return false;
    }
    if (shows) {
      SyncWindowPosition(board_);
      SetSkipTaskBarStates(window);
      MarkModalForGnome(window);
    } else {
      // Window managers pass the focus back to a window of the task bar;
      // the board, which has no entry there, asks for it itself, once the
      // window manager has seen the closed window go and left the focus
      // nowhere. Wayland compositors give it back themselves.
      QTimer::singleShot(kRefocusDelayMs, board_, [board = board_] {
        if (board && board->isVisible() && !QApplication::activeWindow()) AskForKeyboard(board);
      });
    }
    return false;
  }

 private:
  QPointer<QWidget> board_;
};

}  // namespace

void SyncWindowPosition(QWidget* window) {
#ifdef VORN_WITH_XCB
  if (QGuiApplication::platformName() != "xcb" || !window->isVisible()) return;
  const auto real = PositionOnScreen(window);
  // Within a pixel or two is rounding at fractional screen scales.
  if (real && (*real - window->pos()).manhattanLength() > 2) window->move(*real);
#else
  Q_UNUSED(window);
#endif
}

void KeepSecondaryWindowsOver(QWidget* board) {
  qApp->installEventFilter(new SecondaryWindowKeeper(board));
}

}  // namespace vorn
