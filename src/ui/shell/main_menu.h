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

  QMenu* sizeMenu;
  QAction* size480Menu;
  QAction* size640Menu;
  QAction* size800Menu;
  QAction* size1024Menu;
  QAction* sizeNiniMenu;
  QActionGroup* sizeGroup;
};

}  // namespace kasumori::ui
