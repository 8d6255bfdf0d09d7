// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar. Entries carry their names as object names.
#pragma once

#include <cstdint>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QObject;

namespace kasumori::ui {

struct MainMenu {
  explicit MainMenu(QMenuBar* bar);

  // Checks the size entry of a window size mode (a custom mode checks the custom entry).
  void CheckWindowSize(std::uint8_t windowSizeMode, int customWidth, int customHeight);
  // Checks the ordering entries of the settings.
  void CheckOrder(int sortOrder, int listDirection);

  QMenu* sizeMenu;
  QAction* size480Menu;
  QAction* size640Menu;
  QAction* size800Menu;
  QAction* size1024Menu;
  QAction* sizeNiniMenu;
  QActionGroup* sizeGroup;

  QMenu* orderMenu;
  QAction* fNameMenu;
  QAction* timeMenu;
  QAction* exifMenu;
  QAction* narabiLeftMenu;
  QAction* narabiRightMenu;

 private:
  void BuildSizeMenu(QMenuBar* bar);
  void BuildOrderMenu(QMenuBar* bar);
};

}  // namespace kasumori::ui
