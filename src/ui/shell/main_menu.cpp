// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_menu.h"

#include "shell/window_layout.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace kasumori::ui {

namespace {
QAction* RadioEntry(QMenu* menu, QActionGroup* group, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(name));
  action->setCheckable(true);
  group->addAction(action);
  return action;
}
}  // namespace

MainMenu::MainMenu(QMenuBar* bar) {
  BuildSizeMenu(bar);
  BuildOrderMenu(bar);
}

void MainMenu::BuildSizeMenu(QMenuBar* bar) {
  // Captions are the entries' own texts: "&" would make an accelerator letter, so none is used.
  sizeMenu = bar->addMenu(QStringLiteral("画面サイズ"));
  sizeMenu->setObjectName("SizeMenu");
  sizeGroup = new QActionGroup(sizeMenu);
  sizeGroup->setExclusive(true);
  size480Menu = RadioEntry(sizeMenu, sizeGroup, "Size480Menu", QStringLiteral("480x360写真"));
  size640Menu = RadioEntry(sizeMenu, sizeGroup, "Size640Menu", QStringLiteral("640x480写真"));
  size800Menu = RadioEntry(sizeMenu, sizeGroup, "Size800Menu", QStringLiteral("800x600写真"));
  size1024Menu = RadioEntry(sizeMenu, sizeGroup, "Size1024Menu", QStringLiteral("1024x768写真"));
  sizeNiniMenu = RadioEntry(sizeMenu, sizeGroup, "SizeNiniMenu", QStringLiteral("任意の大きさ"));
}

void MainMenu::BuildOrderMenu(QMenuBar* bar) {
  orderMenu = bar->addMenu(QStringLiteral("並び換え"));
  orderMenu->setObjectName("OrderMenu");
  auto* keys = new QActionGroup(orderMenu);
  fNameMenu = RadioEntry(orderMenu, keys, "FNameMenu", QStringLiteral("ファイル名順"));
  timeMenu = RadioEntry(orderMenu, keys, "TimeMenu", QStringLiteral("日付時間順"));
  exifMenu = RadioEntry(orderMenu, keys, "ExifMenu", QStringLiteral("Exif日時順（速度遅）"));
  orderMenu->addSeparator();
  auto* directions = new QActionGroup(orderMenu);
  narabiLeftMenu = RadioEntry(orderMenu, directions, "NarabiLeftMenu", QStringLiteral("左から順に"));
  narabiRightMenu =
      RadioEntry(orderMenu, directions, "NarabiRightMenu", QStringLiteral("右から順に"));
}

void MainMenu::CheckOrder(int sortOrder, int listDirection) {
  (sortOrder == 2 ? timeMenu : sortOrder == 3 ? exifMenu : fNameMenu)->setChecked(true);
  (listDirection == -1 ? narabiRightMenu : narabiLeftMenu)->setChecked(true);
}

void MainMenu::CheckWindowSize(std::uint8_t windowSizeMode, int customWidth, int customHeight) {
  switch (windowSizeMode) {
    case 1: size480Menu->setChecked(true); break;
    case 2: size640Menu->setChecked(true); break;
    case 3: size800Menu->setChecked(true); break;
    case 8: size1024Menu->setChecked(true); break;
    default: sizeNiniMenu->setChecked(true); break;
  }
  sizeNiniMenu->setText(shell::CustomSizeCaption(windowSizeMode, customWidth, customHeight));
}

}  // namespace kasumori::ui
