#include "ui/popup_menu.h"

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

QMenu* AddSubMenu(QMenu* menu, const char* name, const QString& caption) {
  QMenu* sub = menu->addMenu(caption);
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
  a.mnuUndo = AddItem(a.mnuPopUp, "mnuUndo", "&Undo", "F8");
  a.mnuHint = AddItem(a.mnuPopUp, "mnuHint", "&Hint", "F3");
  a.mnuRestore = AddItem(a.mnuPopUp, "mnuRestore", "Restore &Game");
  a.mnuSave = AddItem(a.mnuPopUp, "mnuSave", "&Save Game");
  a.mnuReset = AddItem(a.mnuPopUp, "mnuReset", "&Reset", "F2");
  a.mnuLevel = AddSubMenu(a.mnuPopUp, "mnuLevel", "&Game Level");
  a.mnuLevel1 = AddItem(a.mnuLevel, "mnuLevel1", "Level &1");
  a.mnuLevel2 = AddItem(a.mnuLevel, "mnuLevel2", "Level &2");
  a.mnuLevel3 = AddItem(a.mnuLevel, "mnuLevel3", "Level &3");
  for (QAction* level : {a.mnuLevel1, a.mnuLevel2, a.mnuLevel3}) level->setCheckable(true);
  a.mnuHelp = AddSubMenu(a.mnuPopUp, "mnuHelp", "&Help");
  a.mnuInst = AddItem(a.mnuHelp, "mnuInst", "&Instructions", "F1");
  a.mnuAbout = AddItem(a.mnuHelp, "mnuAbout", "&About");
  a.mnuExit = AddItem(a.mnuPopUp, "mnuExit", "&Exit");
  return a;
}

void MirrorMenu(const PopUpMenu& menu, const PopUpMenuActions& a) {
  Mirror(menu.mnuUndo, a.mnuUndo);
  Mirror(menu.mnuHint, a.mnuHint);
  Mirror(menu.mnuRestore, a.mnuRestore);
  Mirror(menu.mnuSave, a.mnuSave);
  Mirror(menu.mnuReset, a.mnuReset);
  Mirror(menu.mnuLevel, a.mnuLevel->menuAction());
  Mirror(menu.mnuLevel1, a.mnuLevel1);
  Mirror(menu.mnuLevel2, a.mnuLevel2);
  Mirror(menu.mnuLevel3, a.mnuLevel3);
  Mirror(menu.mnuHelp, a.mnuHelp->menuAction());
  Mirror(menu.mnuInst, a.mnuInst);
  Mirror(menu.mnuAbout, a.mnuAbout);
  Mirror(menu.mnuExit, a.mnuExit);
}

}  // namespace vorn
