#include "ui/board_accessible.h"

#include <algorithm>
#include <vector>

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

#include "board/hole_geometry.h"
#include "play/board_keys.h"
#include "ui/form1_window.h"

namespace vorn {

namespace {

const Form1Window* WindowOf(const QWidget* board) {
  return board ? dynamic_cast<const Form1Window*>(board->window()) : nullptr;
}

// The holes in play from the apex down, each row from the left.
std::vector<std::int16_t> ReadingOrder(const Form1& f) {
  std::vector<std::int16_t> holes;
  for (std::int16_t h = 0; h < f.LabelCount; ++h) holes.push_back(h);
  std::sort(holes.begin(), holes.end(), [&f](std::int16_t a, std::int16_t b) {
    const RowPlace pa = RowPlaceOf(f, a), pb = RowPlaceOf(f, b);
    return pa.row != pb.row ? pa.row < pb.row : pa.place < pb.place;
  });
  return holes;
}

class HoleAccessible : public QAccessibleInterface {
 public:
  HoleAccessible(QWidget* board, std::int16_t hole) : board_(board), hole_(hole) {}

  bool isValid() const override { return WindowOf(board_) != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
  QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation) const override {
    return {};
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(board_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    const Form1Window* w = WindowOf(board_);
    return w && t == QAccessible::Name && hole_ < w->State().LabelCount
               ? HoleName(w->State(), hole_)
               : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const Form1Window* w = WindowOf(board_);
    if (!w) return {};
    const QRect hole = w->Hole(hole_)->geometry();
    return {board_->mapToGlobal(hole.topLeft()), hole.size()};
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    const Form1Window* w = WindowOf(board_);
    if (!w || hole_ >= w->State().LabelCount) {
      state.invisible = true;
      return state;
    }
    const Form1& f = w->State();
    state.focusable = true;
    state.focused = board_->hasFocus() && f.RingShown && f.RingHole == hole_;
    state.selected = f.Lifted && f.PickLabel == hole_;
    return state;
  }

 private:
  QPointer<QWidget> board_;
  std::int16_t hole_;
};

class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(QWidget* board) : QAccessibleWidget(board, QAccessible::List) {}
  ~BoardAccessible() override {
    for (QAccessible::Id id : holes_) {
      if (id) QAccessible::deleteAccessibleInterface(id);
    }
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? QCoreApplication::translate("Form1", "Board")
                                  : QAccessibleWidget::text(t);
  }
  int childCount() const override {
    const Form1Window* w = WindowOf(widget());
    return w ? w->State().LabelCount : 0;
  }
  QAccessibleInterface* child(int index) const override {
    const Form1Window* w = WindowOf(widget());
    if (!w || index < 0 || index >= w->State().LabelCount) return nullptr;
    return Hole(ReadingOrder(w->State())[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const Form1Window* w = WindowOf(widget());
    if (!w) return -1;
    const std::vector<std::int16_t> order = ReadingOrder(w->State());
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (holes_[order[i]] && QAccessible::accessibleInterface(holes_[order[i]]) == child) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    const Form1Window* w = WindowOf(widget());
    if (!w || !w->State().RingShown) return nullptr;
    return Hole(w->State().RingHole);
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const Form1Window* w = WindowOf(widget());
    if (!w) return nullptr;
    for (std::int16_t h = 0; h < w->State().LabelCount; ++h) {
      if (QAccessibleInterface* hole = Hole(h); hole->rect().contains(x, y)) return hole;
    }
    return nullptr;
  }

  // The interface of a hole, made once and kept while the board lives.
  QAccessibleInterface* Hole(std::int16_t hole) const {
    QAccessible::Id& id = holes_[hole];
    if (!id) id = QAccessible::registerAccessibleInterface(new HoleAccessible(widget(), hole));
    return QAccessible::accessibleInterface(id);
  }

 private:
  mutable std::array<QAccessible::Id, kElementCount> holes_{};
};

// The board's window has no caption; assistive technology hears the game's
// name. Named here rather than with setAccessibleName, which would start
// the accessibility bridge, and its connection to the session bus, before
// the window is even shown.
class BoardWindowAccessible : public QAccessibleWidget {
 public:
  explicit BoardWindowAccessible(QWidget* window)
      : QAccessibleWidget(window, QAccessible::Window) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? QStringLiteral("VORN") : QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !WindowOf(widget)) return nullptr;
  if (widget->objectName() == "Picture1") return new BoardAccessible(widget);
  if (widget == widget->window()) return new BoardWindowAccessible(widget);
  return nullptr;
}

}  // namespace

void InstallBoardAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(BoardFactory);
    return true;
  }();
  (void)installed;
}

QString HoleName(const Form1& f, std::int16_t hole) {
  // In the order of HoleContent.
  static const char* const kTexts[] = {
      QT_TRANSLATE_NOOP("Form1", "Row %1, hole %2: empty"),
      QT_TRANSLATE_NOOP("Form1", "Row %1, hole %2: ball"),
      QT_TRANSLATE_NOOP("Form1", "Row %1, hole %2: ball, can jump"),
      QT_TRANSLATE_NOOP("Form1", "Row %1, hole %2: ball, lifted"),
      QT_TRANSLATE_NOOP("Form1", "Row %1, hole %2: empty, the lifted ball can land here"),
  };
  const RowPlace at = RowPlaceOf(f, hole);
  return QCoreApplication::translate("Form1", kTexts[static_cast<int>(ContentOf(f, hole))])
      .arg(at.row + 1)
      .arg(at.place + 1);
}

void BoardAnnouncer::Announce(const Form1& f, QWidget* board) {
  // Nothing a name says changes while a ball is carried; nothing is told
  // before the board is shown (asking whether anything listens starts the
  // accessibility bridge).
  if (!board->window()->isVisible() || !QAccessible::isActive() || f.Dragging) return;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(board);
  auto* boardAccessible = dynamic_cast<BoardAccessible*>(list);
  if (!boardAccessible) return;
  for (std::int16_t h = 0; h < kElementCount; ++h) {
    const QString name = h < f.LabelCount ? HoleName(f, h) : QString();
    if (name == names_[h]) continue;
    // A name heard for the first time has not changed.
    const bool known = !names_[h].isEmpty();
    names_[h] = name;
    if (name.isEmpty() || !known) continue;
    QAccessibleEvent changed(boardAccessible->Hole(h), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
  const int focus = f.RingShown && board->hasFocus() ? f.RingHole : -1;
  if (focus == focus_) return;
  focus_ = focus;
  if (focus < 0) return;
  QAccessibleEvent focused(boardAccessible->Hole(static_cast<std::int16_t>(focus)),
                           QAccessible::Focus);
  QAccessible::updateAccessibility(&focused);
}

LateListenerWatch::LateListenerWatch(QWidget* board, std::function<void()> late)
    : board_(board), late_(std::move(late)) {
  QAccessible::installActivationObserver(this);
}

LateListenerWatch::~LateListenerWatch() {
  QAccessible::removeActivationObserver(this);
}

void LateListenerWatch::accessibilityActiveChanged(bool active) {
  if (active && board_ && BoardTakesKeys(board_)) late_();
}

bool BoardTakesKeys(const QWidget* board) {
  return board->hasFocus() && !QApplication::activePopupWidget();
}

void TellBoardFocused(QWidget* board) {
  QAccessible::State activated;
  activated.active = true;
  QAccessibleStateChangeEvent activation(board->window(), activated);
  QAccessible::updateAccessibility(&activation);
  QAccessibleEvent focus(board, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace vorn
