#include "ui/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace vorn {

namespace {

constexpr char kRole[] = "vornAccessibleRole";
constexpr char kText[] = "vornAccessibleText";

// A widget whose role and text come from its properties, read as text too.
class NoticeAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit NoticeAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Role(widget->property(kRole).toInt())) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? Text() : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
  }

  QString text(int start, int end) const override { return Text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Text().size()); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QString Text() const { return widget()->property(kText).toString(); }
};

QAccessibleInterface* NoticeFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget && widget->property(kRole).isValid() ? new NoticeAccessible(widget) : nullptr;
}

QWidget* HiddenWidget(QWidget* parent, QAccessible::Role role) {
  auto* widget = new QWidget(parent);
  widget->setProperty(kRole, int(role));
  widget->setProperty(kText, QString());
  widget->hide();
  return widget;
}

}  // namespace

SpokenNotice::SpokenNotice(QWidget* window) : QObject(window) {
  static const bool installed = [] {
    QAccessible::installFactory(NoticeFactory);
    return true;
  }();
  (void)installed;
  // Inside a status bar, readers say the text alone, without the role.
  bar_ = HiddenWidget(window, QAccessible::StatusBar);
  notice_ = HiddenWidget(bar_, QAccessible::Notification);
}

void SpokenNotice::Say(const QString& text) {
  if (text.isEmpty()) return;
  if (pending_.isEmpty()) QTimer::singleShot(0, this, [this] { Flush(); });
  pending_.append(text);
}

void SpokenNotice::Flush() {
  lastSaid_ = pending_.join(' ');
  pending_.clear();
  if (lastSaid_.isEmpty()) return;
  ++saidCount_;
  notice_->setProperty(kText, lastSaid_);
  if (!QAccessible::isActive()) return;
  QAccessibleEvent shown(notice_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace vorn
