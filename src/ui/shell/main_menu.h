// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar. Entries carry their names as object names.
#pragma once

#include "config/modes.h"

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
  void CheckWindowSize(config::WindowSizeMode windowSizeMode, int customWidth, int customHeight);
  // Checks the ordering entries of the settings.
  void CheckOrder(config::SortOrder order, config::ListDirection direction);
  // Checks the picture-quality and sharpness entries of the settings.
  void CheckQuality(config::QualityMode quality, config::PictureEffect effect,
                    config::HistogramMode histogram, int sharpness);

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

  QMenu* qualityMenu;
  QAction* kougashitsuMenu;
  QAction* kousokuMenu;
  QAction* effectMenus[4];  // GNormalMenu, GChromaMenu, GSepiaMenu, GWhiteBlackMenu
  QAction* histgramAutoMenu;
  QAction* histgramHandMenu;

  QMenu* sharpnessMenu;
  QAction* sharpnessMenus[7];  // SPKanariMenu 4 … SPYowameMenu 16, SPNashiMenu 0
  QAction* spSetsumeiMenu;
  static constexpr int kSharpnessValues[7] = {4, 6, 8, 10, 12, 16, 0};

  QMenu* mHenshuMenu;
  QAction* turnLeftMenu;
  QAction* turnRightMenu;
  QAction* wideModeMenu;
  QAction* panoramaOffMenu;
  QAction* panoramaMenus[4];  // one photo, two, two reversed, four
  QAction* allKaijoMenu;
  QAction* saveShownMenu;

  QMenu* commandMenu;
  QAction* allThumbnailMenu;

  QMenu* tensouMenu;
  QAction* tensouDtoPCMenu[3];  // from camera 1..3 into the selected folder
  QAction* tensouPCtoDMenu[3];  // from the selected folder onto camera 1..3

  QAction* verMnu;

  // The photo view's pop-up menu.
  QMenu* viewImgPop;
  QAction* thumbnailMenu;

 private:
  void BuildSizeMenu(QMenuBar* bar);
  void BuildOrderMenu(QMenuBar* bar);
  void BuildQualityMenu(QMenuBar* bar);
  void BuildSharpnessMenu(QMenuBar* bar);
  void BuildHenshuMenu(QMenuBar* bar);
  void BuildCommandMenu(QMenuBar* bar);
  void BuildHelpMenus(QMenuBar* bar);
  void BuildOkiniMenu(QMenuBar* bar);
  void BuildLaterMenus(QMenuBar* bar);
  void AddAppEntries(QMenu* apps, const char* prefix);
};

}  // namespace kasumori::ui
