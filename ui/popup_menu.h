#pragma once

#include <array>

#include <QAction>
#include <QMenu>

#include "board/form1.h"

namespace vorn {

// The pop-up menu mnuPopUp and its items. Each action has the object name of
// its item, so tests can find it.
struct PopUpMenuActions {
  QMenu* mnuPopUp = nullptr;
  QAction* mnuUndo = nullptr;
  QAction* mnuRedo = nullptr;
  QAction* mnuHint = nullptr;
  QAction* mnuRestore = nullptr;
  QAction* mnuSave = nullptr;
  QAction* mnuReset = nullptr;
  QMenu* mnuLevel = nullptr;
  QAction* mnuLevel1 = nullptr;
  QAction* mnuLevel2 = nullptr;
  QAction* mnuLevel3 = nullptr;
  QMenu* mnuSize = nullptr;
  std::array<QAction*, kBoardSizes.size()> mnuSizes{};  // mnuSize100, mnuSize125, ...
  QAction* mnuBestTimes = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuInst = nullptr;
  QAction* mnuAbout = nullptr;
  QAction* mnuExit = nullptr;
};

PopUpMenuActions CreatePopUpMenu(QWidget* parent);

// Opens a menu from the keyboard: with its first item active, as a screen
// reader then says it.
void OpenFromKeyboard(QMenu* menu, QPoint at);

// Mirrors the rules' view of the items: enabled, checked, shown.
void MirrorMenu(const PopUpMenu& menu, const PopUpMenuActions& actions);

}  // namespace vorn
