#include "ui/popup_menu.h"

#include <QCoreApplication>

namespace vorn {

namespace {

// The text after the tab is shown as the item's shortcut; the key itself is
// handled by the board, so no shortcut is bound here.
QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QString& shortcutText = {}) {
  QAction* action =
      menu->addAction(shortcutText.isEmpty() ? caption : caption + '\t' + shortcutText);
  action->setObjectName(name);
  return action;
}

// A caption marked with QT_TRANSLATE_NOOP("mnuPopUp", ...), in the player's language.
QString Caption(const char* caption) {
  return QCoreApplication::translate("mnuPopUp", caption);
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                 const QString& shortcutText = {}) {
  return AddItem(menu, name, Caption(caption), shortcutText);
}

QMenu* AddSubMenu(QMenu* menu, const char* name, const char* caption) {
  QMenu* sub = menu->addMenu(Caption(caption));
  sub->setObjectName(name);
  sub->menuAction()->setObjectName(name);
  return sub;
}

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
  a.mnuUndo = AddItem(a.mnuPopUp, "mnuUndo", QT_TRANSLATE_NOOP("mnuPopUp", "&Undo"), "F8");
  a.mnuRedo = AddItem(a.mnuPopUp, "mnuRedo", QT_TRANSLATE_NOOP("mnuPopUp", "Re&do"), "F9");
  a.mnuHint = AddItem(a.mnuPopUp, "mnuHint", QT_TRANSLATE_NOOP("mnuPopUp", "&Hint"), "F3");
  a.mnuRestore = AddItem(a.mnuPopUp, "mnuRestore", QT_TRANSLATE_NOOP("mnuPopUp", "Restore &Game"));
  a.mnuSave = AddItem(a.mnuPopUp, "mnuSave", QT_TRANSLATE_NOOP("mnuPopUp", "&Save Game"));
  a.mnuReset = AddItem(a.mnuPopUp, "mnuReset", QT_TRANSLATE_NOOP("mnuPopUp", "&Reset"), "F2");
  a.mnuLevel = AddSubMenu(a.mnuPopUp, "mnuLevel", QT_TRANSLATE_NOOP("mnuPopUp", "&Game Level"));
  a.mnuLevel1 = AddItem(a.mnuLevel, "mnuLevel1", QT_TRANSLATE_NOOP("mnuPopUp", "Level &1"));
  a.mnuLevel2 = AddItem(a.mnuLevel, "mnuLevel2", QT_TRANSLATE_NOOP("mnuPopUp", "Level &2"));
  a.mnuLevel3 = AddItem(a.mnuLevel, "mnuLevel3", QT_TRANSLATE_NOOP("mnuPopUp", "Level &3"));
  for (QAction* level : {a.mnuLevel1, a.mnuLevel2, a.mnuLevel3}) level->setCheckable(true);
  a.mnuSize = AddSubMenu(a.mnuPopUp, "mnuSize", QT_TRANSLATE_NOOP("mnuPopUp", "&Board Size"));
  for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
    const QByteArray name = "mnuSize" + QByteArray::number(kBoardSizes[i]);
    a.mnuSizes[i] = AddItem(a.mnuSize, name.constData(), QString("%1 %").arg(kBoardSizes[i]));
    a.mnuSizes[i]->setCheckable(true);
  }
  a.mnuBestTimes =
      AddItem(a.mnuPopUp, "mnuBestTimes", QT_TRANSLATE_NOOP("mnuPopUp", "Best &Times"));
  a.mnuHelp = AddSubMenu(a.mnuPopUp, "mnuHelp", QT_TRANSLATE_NOOP("mnuPopUp", "&Help"));
  a.mnuInst = AddItem(a.mnuHelp, "mnuInst", QT_TRANSLATE_NOOP("mnuPopUp", "&Instructions"), "F1");
  a.mnuAbout = AddItem(a.mnuHelp, "mnuAbout", QT_TRANSLATE_NOOP("mnuPopUp", "&About"));
  a.mnuExit = AddItem(a.mnuPopUp, "mnuExit", QT_TRANSLATE_NOOP("mnuPopUp", "&Exit"));
  return a;
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
