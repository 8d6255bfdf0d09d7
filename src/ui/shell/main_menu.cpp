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
  BuildHelpMenus(bar);
  BuildSizeMenu(bar);
  BuildOrderMenu(bar);
  BuildQualityMenu(bar);
  BuildSharpnessMenu(bar);
  BuildOkiniMenu(bar);
  BuildHenshuMenu(bar);
  BuildCommandMenu(bar);
  BuildLaterMenus(bar);
}

namespace {
// An entry whose command is not built yet: present, with its caption, and disabled.
QAction* Pending(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  if (name) action->setObjectName(QLatin1String(name));
  action->setEnabled(false);
  return action;
}
}  // namespace

void MainMenu::BuildHelpMenus(QMenuBar* bar) {
  QAction* first = bar->addAction(QStringLiteral("初めて使う方へ"));
  first->setObjectName("HajimeteMenu");
  first->setEnabled(false);
  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
  help->setObjectName("HelpMenu");
  Pending(help, "KeybordMenu", QStringLiteral("キーボードでの操作表 ［Ｆ1］"));
  Pending(help, "ManualMenu", QStringLiteral("Kasumori２マニュアルブックを開く"));
  help->addSeparator();
  Pending(help, "ChuuiMenu", QStringLiteral("使用上の注意点"));
  Pending(help, "HosokuMenu", QStringLiteral("より楽しく使うための補足説明"));
}

void MainMenu::BuildOkiniMenu(QMenuBar* bar) {
  QMenu* okini = bar->addMenu(QStringLiteral("お気に入り"));
  okini->setObjectName("OkiniMenu");
  Pending(okini, "OkiniAddMenu", QStringLiteral("表示中写真を「お気に入り」に追加"));
  okini->addSeparator();
  Pending(okini, "OkiniOpenMenu", QStringLiteral("お気に入りウィンドウを開く"));
}

void MainMenu::BuildLaterMenus(QMenuBar* bar) {
  tensouMenu = bar->addMenu(QStringLiteral("デジカメ転送"));
  tensouMenu->setObjectName("TensouMenu");
  // The captions come from the camera settings each time the menu opens.
  auto item = [this](const QString& name) {
    QAction* action = tensouMenu->addAction(QString());
    action->setObjectName(name);
    return action;
  };
  for (int slot = 1; slot <= 3; ++slot) {
    tensouDtoPCMenu[slot - 1] = item(QStringLiteral("TensouDtoPCMenu%1").arg(slot));
  }
  tensouMenu->addSeparator();
  for (int slot = 1; slot <= 3; ++slot) {
    tensouPCtoDMenu[slot - 1] = item(QStringLiteral("TensouPCtoDMenu%1").arg(slot));
  }
  tensouMenu->addSeparator();
  item(QStringLiteral("TensouSetteiMenu"))->setText(QStringLiteral("（設定）"));
  QMenu* settings = bar->addMenu(QStringLiteral("設定"));
  settings->setObjectName("SetteiMenu");
  Pending(settings, "SusieMenu", QStringLiteral("Susieプラグイン"));
  QMenu* news = bar->addMenu(QStringLiteral("お知らせ"));
  news->setObjectName("OshiraseMenu");
  verMnu = news->addAction(QStringLiteral("バージョン情報"));
  verMnu->setObjectName("VerMnu");

  viewImgPop = new QMenu(bar);
  viewImgPop->setObjectName("ViewImgPop");
  Pending(viewImgPop, "DeleteMenu", QStringLiteral("この写真をごみ箱へ移動 ［Del］"));
  Pending(viewImgPop, "RenameMenu", QStringLiteral("この写真のファイル名を変更 ［Ｆ2］"));
  thumbnailMenu = viewImgPop->addAction(QStringLiteral("この写真のサムネイルを更新 ［Ｆ5］"));
  thumbnailMenu->setObjectName("ThumbnailMenu");
  Pending(viewImgPop, "FullGamenMenu", QStringLiteral("この写真を画面いっぱいに表示 ［Ｆ11］"));
  viewImgPop->addSeparator();
  QMenu* henshu = viewImgPop->addMenu(QStringLiteral("編集"));
  henshu->setObjectName("HenshuMenu");
  for (QAction* action : mHenshuMenu->actions()) henshu->addAction(action);
  viewImgPop->addSeparator();
  Pending(viewImgPop, "SlideMenu", QStringLiteral("スライドショー ［Ｆ9］"));
  viewImgPop->addSeparator();
  viewImgPop->addAction(allThumbnailMenu);
  QMenu* apps = viewImgPop->addMenu(QStringLiteral("他のアプリケーションで開く"));
  apps->setObjectName("AppMenu");
  AddAppEntries(apps, "");
  viewImgPop->addSeparator();
  Pending(viewImgPop, "OkiniAddMenuP", QStringLiteral("この写真を「お気に入り」に追加"));
}

void MainMenu::BuildCommandMenu(QMenuBar* bar) {
  commandMenu = bar->addMenu(QStringLiteral("コマンド"));
  commandMenu->setObjectName("CommandMenu");
  Pending(commandMenu, "MSlideMenu", QStringLiteral("スライドショー ［Ｆ9］"));
  commandMenu->addSeparator();
  QMenu* tidy = commandMenu->addMenu(QStringLiteral("写真の整理"));
  Pending(tidy, "MakeFolderMenu", QStringLiteral("「ファイル日付」フォルダへ振り分け"));
  commandMenu->addSeparator();
  allThumbnailMenu = commandMenu->addAction(QStringLiteral("選択中フォルダのサムネイルを全て更新"));
  allThumbnailMenu->setObjectName("N26");
  QMenu* apps = commandMenu->addMenu(QStringLiteral("他のアプリケーションで開く"));
  apps->setObjectName("MAppMenu");
  AddAppEntries(apps, "M");
}

// The application entries carry their slot's caption from the start; the settings' own names
// replace them once they are read.
void MainMenu::AddAppEntries(QMenu* apps, const char* prefix) {
  const QString p = QLatin1String(prefix);
  for (int slot = 1; slot <= 3; ++slot) {
    Pending(apps, nullptr, QStringLiteral("（アプリケーション%1）").arg(QChar(u'０' + slot)))
        ->setObjectName(p + QStringLiteral("App%1Menu").arg(slot));
  }
  apps->addSeparator();
  Pending(apps, nullptr, QStringLiteral("Kasumori２（新しいウィンドウ）"))
      ->setObjectName(p + QStringLiteral("NewOpenMenu"));
  Pending(apps, nullptr, QStringLiteral("インターネットエクスプローラ"))
      ->setObjectName(p + QStringLiteral("IEOpenMenu"));
  apps->addSeparator();
  Pending(apps, nullptr, QStringLiteral("（設定）"))
      ->setObjectName(p + QStringLiteral("AppSetMenu"));
}

void MainMenu::BuildHenshuMenu(QMenuBar* bar) {
  mHenshuMenu = bar->addMenu(QStringLiteral("編集"));
  mHenshuMenu->setObjectName("MHenshuMenu");
  auto entry = [this](const char* name, const QString& caption) {
    QAction* action = mHenshuMenu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
  };
  turnLeftMenu = entry("TurnLeftMenu", QStringLiteral("左９０°回転 ［１］"));
  turnRightMenu = entry("TurnRightMenu", QStringLiteral("右９０°回転 ［２］"));
  wideModeMenu = entry("WideModeMenu", QStringLiteral("ワイドモード切り替え ［Ｍ］"));
  panoramaOffMenu = entry("ZoomKaijoMenu", QStringLiteral("パノラマ解除 ［Ｎ］"));
  mHenshuMenu->addSeparator();
  allKaijoMenu = entry("AllKaijoMenu", QStringLiteral("全ての編集を解除"));
  saveShownMenu =
      entry("HenshuSaveMenu", QStringLiteral("表示されている状態でJPEG,BMP保存 ［Ｆ6］"));
}

void MainMenu::BuildQualityMenu(QMenuBar* bar) {
  qualityMenu = bar->addMenu(QStringLiteral("画質モード"));
  qualityMenu->setObjectName("QualityMenu");
  auto* modes = new QActionGroup(qualityMenu);
  kougashitsuMenu =
      RadioEntry(qualityMenu, modes, "KougashitsuMenu", QStringLiteral("高画質モード"));
  kousokuMenu = RadioEntry(qualityMenu, modes, "KousokuMenu", QStringLiteral("高速モード"));
  qualityMenu->addSeparator();
  auto* effects = new QActionGroup(qualityMenu);
  static const char* const kNames[4] = {"GNormalMenu", "GChromaMenu", "GSepiaMenu",
                                        "GWhiteBlackMenu"};
  static const char* const kCaptions[4] = {"ノーマルモード ［Ｆ12］", "クロームモード ［Ｆ12］",
                                           "セピアモード ［Ｆ12］", "白黒モード"};
  for (int i = 0; i < 4; ++i) {
    effectMenus[i] = RadioEntry(qualityMenu, effects, kNames[i], QString::fromUtf8(kCaptions[i]));
  }
  qualityMenu->addSeparator();
  QMenu* histogram = qualityMenu->addMenu(QStringLiteral("ヒストグラム表示"));
  histogram->setObjectName("HistgramMenu");
  auto* histogramModes = new QActionGroup(histogram);
  histgramAutoMenu =
      RadioEntry(histogram, histogramModes, "HistgramAutoMenu", QStringLiteral("自動的に表示する"));
  histgramHandMenu = RadioEntry(histogram, histogramModes, "HistgramHandMenu",
                                QStringLiteral("表示欄をクリックで表示"));
}

void MainMenu::BuildSharpnessMenu(QMenuBar* bar) {
  sharpnessMenu = bar->addMenu(QStringLiteral("シャープネス"));
  sharpnessMenu->setObjectName("SharpnessMenu");
  auto* strengths = new QActionGroup(sharpnessMenu);
  static const char* const kNames[7] = {"SPKanariMenu", "SPDaibuMenu", "SPTsuyomeMenu",
                                        "SPYayaMenu",   "SPChuuMenu",  "SPYowameMenu",
                                        "SPNashiMenu"};
  static const char* const kCaptions[7] = {"かなり強め", "だいぶ強め", "強め", "やや強め",
                                           "普通",       "弱め",       "なし"};
  for (int i = 0; i < 7; ++i) {
    sharpnessMenus[i] =
        RadioEntry(sharpnessMenu, strengths, kNames[i], QString::fromUtf8(kCaptions[i]));
  }
  sharpnessMenu->addSeparator();
  spSetsumeiMenu = sharpnessMenu->addAction(QStringLiteral("（説明）"));
  spSetsumeiMenu->setObjectName("SPSetsumeiMenu");
}

void MainMenu::CheckQuality(config::QualityMode quality, config::PictureEffect effect,
                            config::HistogramMode histogram, int sharpness) {
  (quality == config::QualityMode::Fast ? kousokuMenu : kougashitsuMenu)->setChecked(true);
  // The entries are in the effects' order, normal first.
  effectMenus[static_cast<int>(effect)]->setChecked(true);
  (histogram == config::HistogramMode::Automatic ? histgramAutoMenu : histgramHandMenu)
      ->setChecked(true);
  int entry = 6;  // any other value reads as none
  for (int i = 0; i < 7; ++i) {
    if (kSharpnessValues[i] == sharpness) entry = i;
  }
  sharpnessMenus[entry]->setChecked(true);
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
  sizeMenu->addSeparator();
  auto* panorama = new QActionGroup(sizeMenu);
  static const char* const kNames[4] = {"NoPanoramicMenu", "PanoramicMenu", "PanoramicRLMenu",
                                        "Panoramic4Menu"};
  static const char* const kCaptions[4] = {"ノーマル（１枚）表示", "パノラマ（２枚）表示",
                                           "パノラマ（２枚逆）表示", "パノラマ（４枚）表示"};
  for (int i = 0; i < 4; ++i) {
    panoramaMenus[i] = RadioEntry(sizeMenu, panorama, kNames[i], QString::fromUtf8(kCaptions[i]));
    panoramaMenus[i]->setChecked(i == 0);
  }
  sizeMenu->addSeparator();
  QAction* fullScreen = sizeMenu->addAction(QStringLiteral("全画面表示 ［Ｆ11］"));
  fullScreen->setObjectName("N47");
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
  narabiLeftMenu =
      RadioEntry(orderMenu, directions, "NarabiLeftMenu", QStringLiteral("左から順に"));
  narabiRightMenu =
      RadioEntry(orderMenu, directions, "NarabiRightMenu", QStringLiteral("右から順に"));
}

void MainMenu::CheckOrder(config::SortOrder order, config::ListDirection direction) {
  using config::SortOrder;
  (order == SortOrder::FileDate   ? timeMenu
   : order == SortOrder::ExifDate ? exifMenu
                                  : fNameMenu)
      ->setChecked(true);
  (direction == config::ListDirection::RightToLeft ? narabiRightMenu : narabiLeftMenu)
      ->setChecked(true);
}

void MainMenu::CheckWindowSize(config::WindowSizeMode windowSizeMode, int customWidth,
                               int customHeight) {
  using enum config::WindowSizeMode;
  QAction* entry = windowSizeMode == Size480    ? size480Menu
                   : windowSizeMode == Size640  ? size640Menu
                   : windowSizeMode == Size800  ? size800Menu
                   : windowSizeMode == Size1024 ? size1024Menu
                                                : sizeNiniMenu;
  entry->setChecked(true);
  sizeNiniMenu->setText(shell::CustomSizeCaption(windowSizeMode, customWidth, customHeight));
}

}  // namespace kasumori::ui
