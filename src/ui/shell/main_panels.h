// SPDX-License-Identifier: GPL-3.0-or-later
// The panels around the photo view and the controls they hold. The window owns them; the
// layout tables place them.
#pragma once

#include "ui/common/form_text.h"
#include "shell/window_layout.h"

#include <QColor>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QWidget;

namespace kasumori::ui {

class ViewImage;

inline const QColor kStripGrey(128, 128, 128);
inline const QColor kHeadingYellow(255, 255, 144);
inline const QColor kSeparatorSilver(192, 192, 192);

struct MainPanels {
  // Creates every panel and control as children of the client area, with names and colours.
  explicit MainPanels(QWidget* client);

  // Places everything a layout moves, and what follows from it.
  void Apply(const shell::LayoutTable& table);

  // The direction letter of the folder heading.
  void ShowDirection(config::ListDirection direction);
  // A one-line slot label sits a pixel below its normal top.
  void LowerFolderLabel(int i, bool lowered);

  QWidget* thumbPnl;
  QWidget* folderPnl;
  QWidget* folderLblPnl;
  QLabel* narabikaeLbl;
  QRadioButton* folderRadio[3];
  QLabel* folderLbl[3];
  QLabel* folderLblB[3];
  QPushButton* folderBtn[3];
  bool folderLblLowered[3] = {false, false, false};
  static constexpr int kFolderLineTops[3] = {31, 58, 85};
  QWidget* subFolderPnl;
  QWidget* subFolderUePnl;
  QTreeWidget* folderTree;
  QWidget* folderShitaPnl;
  QPushButton* explorerBtn;
  QPushButton* openBtn;
  QPushButton* okiniBtn;
  QWidget* folderMigiPnl;

  QWidget* henshuPnl;
  QWidget* henshuLblPnl;
  QLabel* henshuLbl;
  QPushButton* turnLeftBtn;
  QPushButton* turnRightBtn;
  QPushButton* saveBtn;
  QCheckBox* wideChk;
  QLabel* wideLbl;
  QLabel* bairituLbl;
  QLabel* ritsuLbl;
  QLabel* joutaiLbl;
  QPushButton* zoomKaijoBtn;
  QWidget* henshuMigiPnl;
  QWidget* henshuShitaPnl;

  QWidget* gashitsuPnl;
  QWidget* gashitsuLblPnl;
  QLabel* gashitsuModeLbl;
  QLabel* koukaLbl;
  QLabel* sharpLbl;

  QWidget* histgramPnl;
  QWidget* histgramLblPnl;
  QLabel* gashitsuModeSLbl;
  QWidget* histDaiPnl;
  ViewImage* histgramImg;   // 128 × 50
  ViewImage* histgramImg2;  // 128 × 5

  QWidget* exifPnl;
  QWidget* exifLblPnl;
  QLabel* fileNameLbl;
  QLabel* extNameLbl;
  QLabel* sizeLbl;
  QLabel* hidukeLbl;
  QLabel* timeLbl;
  QLabel* fileSizeLbl;
  QLabel* cameraLbl;
  QLabel* makerLbl;
  QLabel* satsueiLbl;
  QLabel* strobeLbl;
  QLabel* satsueiLbl2;

  QWidget* sideBouPnl;
  QPushButton* dummyBtn;

 private:
  void BuildFolderPanel(QWidget* client);
  void BuildHenshuPanel(QWidget* client);
  void BuildQualityPanels(QWidget* client);
  void BuildExifPanel(QWidget* client);
};

}  // namespace kasumori::ui
