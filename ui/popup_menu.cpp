#include "ui/popup_menu.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QTimer>

namespace vorn {

namespace {

// How long after a menu opened from the keyboard its first item is made
// active: the window system activates the board once more as the menu maps,
// and a screen reader would read the board over the item.
constexpr int kFirstItemDelayMs = 50;

// The shortcut is shown beside the caption, and is part of the item's name:
// screen readers say a bare key binding such as "F2" only as an access key,
// which they do not speak by default. The key itself is handled by the
// board: the shortcut is given a context that never takes a key from it.
QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 QKeySequence shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WidgetShortcut);
  // The menu shows what follows a tab as it would show the shortcut.
  if (!shortcut.isEmpty())
    action->setText(caption + '\t' + shortcut.toString(QKeySequence::NativeText));
  return action;
}

// Greyed items can be reached with the arrows, so that a player who cannot
// see them learns they exist; screen readers say they are unavailable.
class GreyedItemsReachable : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

// A caption marked with QT_TRANSLATE_NOOP("mnuPopUp", ...), in the player's language.
QString Caption(const char* caption) {
  return QCoreApplication::translate("mnuPopUp", caption);
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut = {}) {
  return AddItem(menu, name, Caption(caption), shortcut);
}

QMenu* AddSubMenu(QMenu* menu, const char* name, const char* caption) {
  QMenu* sub = menu->addMenu(Caption(caption));
  sub->setObjectName(name);
  sub->menuAction()->setObjectName(name);
  return sub;
}

// A button held when the menu opens was pressed on the board (a carry, or
// the right press that opened the menu): its release never chooses an
// item. Only a new click, or a key, does.
class HeldButtonRelease : public QObject {
 public:
  explicit HeldButtonRelease(QMenu* top) : QObject(top), top_(top) {}

  void Watch(QMenu* menu) { menu->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
        if (watched == top_) held_ = QGuiApplication::mouseButtons();
        break;
      case QEvent::MouseButtonPress:
        held_ &= ~static_cast<QMouseEvent*>(event)->button();
        break;
      case QEvent::MouseButtonRelease: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (held_ & button) {
          held_ &= ~button;
          return true;
        }
        break;
      }
      default:
        break;
    }
    return false;
  }

 private:
  QMenu* top_;
  Qt::MouseButtons held_;
};

void Mirror(const MenuItem& item, QAction* action) {
  action->setEnabled(item.Enabled);
  action->setVisible(item.Visible);
  if (action->isCheckable()) action->setChecked(item.Checked);
}

}  // namespace

PopUpMenuActions CreatePopUpMenu(QWidget* parent) {
  PopUpMenuActions a;
  a.mnuPopUp = new QMenu(parent);
  a.mnuPopUp->setObjectName("mnuPopUp");
  a.mnuUndo = AddItem(a.mnuPopUp, "mnuUndo", QT_TRANSLATE_NOOP("mnuPopUp", "&Undo"), Qt::Key_F8);
  a.mnuRedo = AddItem(a.mnuPopUp, "mnuRedo", QT_TRANSLATE_NOOP("mnuPopUp", "Re&do"), Qt::Key_F9);
  a.mnuHint = AddItem(a.mnuPopUp, "mnuHint", QT_TRANSLATE_NOOP("mnuPopUp", "H&int"), Qt::Key_F3);
  a.mnuRestore = AddItem(a.mnuPopUp, "mnuRestore", QT_TRANSLATE_NOOP("mnuPopUp", "Restore &Game"));
  a.mnuSave = AddItem(a.mnuPopUp, "mnuSave", QT_TRANSLATE_NOOP("mnuPopUp", "&Save Game"));
  a.mnuReset = AddItem(a.mnuPopUp, "mnuReset", QT_TRANSLATE_NOOP("mnuPopUp", "&Reset"), Qt::Key_F2);
  a.mnuLevel = AddSubMenu(a.mnuPopUp, "mnuLevel", QT_TRANSLATE_NOOP("mnuPopUp", "&Game Level"));
  a.mnuLevel1 = AddItem(a.mnuLevel, "mnuLevel1", QT_TRANSLATE_NOOP("mnuPopUp", "Level &1"));
  a.mnuLevel2 = AddItem(a.mnuLevel, "mnuLevel2", QT_TRANSLATE_NOOP("mnuPopUp", "Level &2"));
  a.mnuLevel3 = AddItem(a.mnuLevel, "mnuLevel3", QT_TRANSLATE_NOOP("mnuPopUp", "Level &3"));
  // Each level says its board's rows beside it.
  const std::array levels = {a.mnuLevel1, a.mnuLevel2, a.mnuLevel3};
  for (std::size_t i = 0; i < levels.size(); ++i) {
    levels[i]->setCheckable(true);
    levels[i]->setText(levels[i]->text() + '\t' +
                       QCoreApplication::translate("mnuPopUp", "%1 rows").arg(5 + int(i)));
  }
  a.mnuSize = AddSubMenu(a.mnuPopUp, "mnuSize", QT_TRANSLATE_NOOP("mnuPopUp", "&Board Size"));
  for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
    const QByteArray name = "mnuSize" + QByteArray::number(kBoardSizes[i]);
    a.mnuSizes[i] = AddItem(a.mnuSize, name.constData(), QString("%1 %").arg(kBoardSizes[i]));
    a.mnuSizes[i]->setCheckable(true);
  }
  a.mnuBestTimes =
      AddItem(a.mnuPopUp, "mnuBestTimes", QT_TRANSLATE_NOOP("mnuPopUp", "Best &Times"));
  a.mnuHelp = AddSubMenu(a.mnuPopUp, "mnuHelp", QT_TRANSLATE_NOOP("mnuPopUp", "&Help"));
  a.mnuInst =
      AddItem(a.mnuHelp, "mnuInst", QT_TRANSLATE_NOOP("mnuPopUp", "&Instructions"), Qt::Key_F1);
  a.mnuAbout = AddItem(a.mnuHelp, "mnuAbout", QT_TRANSLATE_NOOP("mnuPopUp", "&About"));
  a.mnuExit = AddItem(a.mnuPopUp, "mnuExit", QT_TRANSLATE_NOOP("mnuPopUp", "&Exit"));
  auto* guard = new HeldButtonRelease(a.mnuPopUp);
  auto* style = new GreyedItemsReachable();
  style->setParent(a.mnuPopUp);
  for (QMenu* menu : {a.mnuPopUp, a.mnuLevel, a.mnuSize, a.mnuHelp}) {
    guard->Watch(menu);
    menu->setStyle(style);
  }
  return a;
}

void OpenFromKeyboard(QMenu* menu, QPoint at) {
  menu->popup(at);
  QTimer::singleShot(kFirstItemDelayMs, menu, [menu] {
    if (!menu->isVisible() || menu->activeAction()) return;
    for (QAction* action : menu->actions()) {
      if (action->isVisible() && !action->isSeparator()) {
        menu->setActiveAction(action);
        return;
      }
    }
  });
}

void MirrorMenu(const PopUpMenu& menu, const PopUpMenuActions& a) {
  Mirror(menu.mnuUndo, a.mnuUndo);
  Mirror(menu.mnuRedo, a.mnuRedo);
  Mirror(menu.mnuHint, a.mnuHint);
  Mirror(menu.mnuRestore, a.mnuRestore);
  Mirror(menu.mnuSave, a.mnuSave);
  Mirror(menu.mnuReset, a.mnuReset);
  Mirror(menu.mnuLevel, a.mnuLevel->menuAction());
  Mirror(menu.mnuLevel1, a.mnuLevel1);
  Mirror(menu.mnuLevel2, a.mnuLevel2);
  Mirror(menu.mnuLevel3, a.mnuLevel3);
  Mirror(menu.mnuSize, a.mnuSize->menuAction());
  for (std::size_t i = 0; i < kBoardSizes.size(); ++i) Mirror(menu.mnuSizes[i], a.mnuSizes[i]);
  Mirror(menu.mnuBestTimes, a.mnuBestTimes);
  Mirror(menu.mnuHelp, a.mnuHelp->menuAction());
  Mirror(menu.mnuInst, a.mnuInst);
  Mirror(menu.mnuAbout, a.mnuAbout);
  Mirror(menu.mnuExit, a.mnuExit);
}

}  // namespace vorn
