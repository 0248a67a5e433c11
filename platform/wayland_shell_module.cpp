// The part of the game that speaks the Wayland protocols of KDE Plasma and
// GNOME: a module the game loads only when it runs on Wayland, where Qt's
// Wayland client library is loaded already, so that a start on X11 does not
// load that library for nothing.
#include <qpa/qplatformnativeinterface.h>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QtWaylandClient/QWaylandClientExtensionTemplate>

#include <functional>
#include <memory>

#include "qwayland-gtk-shell-subset.h"
#include "qwayland-plasma-shell.h"

namespace vorn {

namespace {

// The versions asked for: set_skip_switcher came with 5 of the Plasma
// shell; release, which ends a gtk_surface1, with 4 of GTK's.
constexpr int kPlasmaShellVersion = 5;
constexpr int kGtkShellVersion = 4;

class PlasmaShell : public QWaylandClientExtensionTemplate<PlasmaShell>,
                    public QtWayland::org_kde_plasma_shell {
 public:
  PlasmaShell() : QWaylandClientExtensionTemplate<PlasmaShell>(kPlasmaShellVersion) {
    initialize();
  }
};

class GtkShell : public QWaylandClientExtensionTemplate<GtkShell>, public QtWayland::gtk_shell1 {
 public:
  GtkShell() : QWaylandClientExtensionTemplate<GtkShell>(kGtkShellVersion) { initialize(); }
};

bool OnWayland() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// A global of the compositor, bound at the first use and kept until the
// program ends (the connection ends with it); null where there is none.
template <class Shell>
Shell* Bound() {
  static Shell* const shell = [] {
    auto* made = new Shell;
    if (made->isActive()) return made;
    delete made;
    return static_cast<Shell*>(nullptr);
  }();
  return shell;
}
PlasmaShell* Plasma() {
  return Bound<PlasmaShell>();
}
GtkShell* Gtk() {
  return Bound<GtkShell>();
}

// The extension objects of one showing of a window, ended when it hides.
class PlasmaSurface : public QtWayland::org_kde_plasma_surface {
 public:
  using QtWayland::org_kde_plasma_surface::org_kde_plasma_surface;
  ~PlasmaSurface() override { destroy(); }
};

class GtkSurface : public QtWayland::gtk_surface1 {
 public:
  using QtWayland::gtk_surface1::gtk_surface1;
  ~GtkSurface() override {
    if (version() >= 4) {
      release();
    } else {
      wl_proxy_destroy(reinterpret_cast<wl_proxy*>(object()));
    }
  }
};

// Runs `mark` with the window's wl_surface at its first expose after being
// shown: by then Qt has given the surface its xdg_toplevel (mutter heeds
// set_modal only on such a surface), and the first frame is drawn right
// after. What `mark` returns lives until the window hides.
class ShowingMarks : public QObject {
 public:
  using Mark = std::function<std::shared_ptr<void>(wl_surface*)>;

  ShowingMarks(QWindow* window, Mark mark) : QObject(window), mark_(std::move(mark)) {
    window->installEventFilter(this);
    connect(window, &QWindow::visibleChanged, this, [this, window](bool visible) {
      if (visible) return;
      window->removeEventFilter(this);
      deleteLater();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWindow*>(watched);
    if (event->type() != QEvent::Expose || !window->isExposed() || made_) return false;
    made_ = mark_(Surface(window));
    window->removeEventFilter(this);
    return false;
  }

 private:
  static wl_surface* Surface(QWindow* window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window))
                  : nullptr;
  }

  Mark mark_;
  std::shared_ptr<void> made_;
};

// `kind` names the extension: one set of its marks a showing. A window
// shown again without being hidden (restored from a minimized state) keeps
// the ones it has; asking twice for the same surface is an error that ends
// the connection.
void OnEachShowing(QWidget* window, const QString& kind, ShowingMarks::Mark mark) {
  if (!OnWayland() || !window->windowHandle()) return;
  if (window->windowHandle()->findChild<ShowingMarks*>(kind, Qt::FindDirectChildrenOnly)) return;
  (new ShowingMarks(window->windowHandle(), std::move(mark)))->setObjectName(kind);
}

}  // namespace

}  // namespace vorn

// What the game calls, by these names (platform/wayland_shell.h says what
// each does).
extern "C" __attribute__((visibility("default"))) void vorn_keep_off_plasma_task_bar(
    QWidget* window, bool inSwitcher) {
  using namespace vorn;
  if (!Plasma()) return;
  OnEachShowing(window, "plasma", [inSwitcher](wl_surface* surface) -> std::shared_ptr<void> {
    if (!surface) return nullptr;
    auto marks = std::make_shared<PlasmaSurface>(Plasma()->get_surface(surface));
    marks->set_skip_taskbar(1);
    if (inSwitcher && marks->version() >= 5) marks->set_skip_switcher(0);
    return marks;
  });
}

extern "C" __attribute__((visibility("default"))) void vorn_mark_modal_for_gnome(QWidget* dialog) {
  using namespace vorn;
  if (!dialog->isModal() || !Gtk()) return;
  OnEachShowing(dialog, "gtk", [](wl_surface* surface) -> std::shared_ptr<void> {
    if (!surface) return nullptr;
    auto marks = std::make_shared<GtkSurface>(Gtk()->get_gtk_surface(surface));
    marks->set_modal();
    return marks;
  });
}
