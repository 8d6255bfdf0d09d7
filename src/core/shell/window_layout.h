// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's four layouts and how a window size mode picks the display area and layout.
#pragma once

#include "config/modes.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>

namespace kasumori::shell {

enum class LayoutKind { A480, B640, C800, D1024 };

// The bounds a layout gives to the controls it moves, in client pixels (children of a panel
// relative to that panel).
struct LayoutTable {
  QSize client;
  QPoint viewOrigin;
  QSize viewArea;  // the largest display area the layout holds
  QRect folderPnl, subFolderPnl, folderShitaPnl, explorerBtn, openBtn, okiniBtn, folderMigiPnl;
  const char* explorerCaption;
  const char* openCaption;
  QRect henshuPnl, henshuLblPnl, henshuLbl, turnLeftBtn, turnRightBtn, saveBtn, wideChk, wideLbl;
  QRect gashitsuPnl;
  bool gashitsuShown;
  QRect histgramPnl, exifPnl, sideBouPnl;
};

const LayoutTable& LayoutOf(LayoutKind kind);

// The smallest layout whose display area holds the size.
LayoutKind LayoutForSize(const QSize& display);

struct DisplayMode {
  QSize display;
  LayoutKind layout;
  bool custom;
};

// The display area and layout of a window size mode (1, 2, 3 and 8 standard; 4 automatic,
// 5, 6, 7 and 9 custom with a fixed layout; anything else custom in the 800 layout).
DisplayMode DisplayModeFor(config::WindowSizeMode windowSizeMode, int customWidth,
                           int customHeight);

// The caption of the custom-size menu entry.
QString CustomSizeCaption(config::WindowSizeMode windowSizeMode, int customWidth, int customHeight);

// Positions derived from a layout's panels.
struct DerivedLayout {
  QRect henshuMigiPnl, henshuShitaPnl;
  int folderLblPnlWidth;
  int folderBtnLeft;
  int subFolderUePnlWidth;
  QRect folderTree;
  int exifLblPnlWidth;
  int histgramLblPnlWidth;
  int histDaiPnlLeft;
};

DerivedLayout DeriveLayout(const LayoutTable& table);

// What the information panel's labels show, as far as their places depend on it. Widths are
// the pixel widths of the label texts in their fonts.
struct InfoLabelContent {
  bool dateShown = false;  // HidukeLbl has text
  int fileSizeTextWidth = 0;
  int satsueiTextWidth = 0;
  bool strobeShown = false;  // StrobeLbl shows the flash star
  int strobeTextWidth = 0;
};

// The bounds of the information labels inside ExifPnl.
struct InfoLabelPlaces {
  QRect fileNameLbl, extNameLbl, sizeLbl, hidukeLbl, timeLbl, fileSizeLbl;
  QRect cameraLbl, makerLbl, satsueiLbl, strobeLbl, satsueiLbl2;
};

// Places the information labels for a panel width (211 in the wide layouts, 146 in the narrow
// ones) and what they show. Called again on every layout change, since a label placed by its
// text would otherwise keep the old panel's place.
InfoLabelPlaces PlaceInfoLabels(int exifPnlWidth, const InfoLabelContent& content);

// Where the direction letter sits in the folder heading: "Ｌ" at width − 13, "Ｒ" at − 14.
int NarabikaeLblLeft(int folderLblPnlWidth, config::ListDirection direction);

}  // namespace kasumori::shell
