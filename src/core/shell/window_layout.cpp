// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_layout.h"

#include <algorithm>

namespace kasumori::shell {

namespace {

// Captions of the folder panel's buttons: the narrow layouts use the short half-width forms.
constexpr char kExplorerShort[] = "ﾏｲｺﾝ";
constexpr char kExplorerLong[] = "ﾏｲｺﾝﾋﾟｭｰﾀ";
constexpr char kOpenShort[] = "上記以外";
constexpr char kOpenLong[] = "上記以外から";

const LayoutTable kLayoutA = {
    {791, 433},          {149, 71},
    {480, 360},          {1, 72, 146, 359},
    {4, 110, 138, 220},  {0, 358, 146, 1},
    {4, 333, 32, 22},    {37, 333, 48, 22},
    {86, 333, 57, 22},   {146, 72, 1, 359},
    kExplorerShort,      kOpenShort,
    {728, 1, 61, 68},    {2, 2, 57, 18},
    {17, 3, 24, 12},     {2, 24, 28, 20},
    {31, 24, 28, 20},    {29, 46, 30, 19},
    {3, 46, 14, 17},     {17, 50, 10, 12},
    {631, 72, 68, 94},   true,
    {631, 221, 146, 94}, {631, 314, 146, 117},
    {776, 221, 1, 210},
};

const LayoutTable kLayoutB = {
    {791, 553},         {149, 71},
    {640, 480},         {1, 72, 146, 270},
    {4, 110, 138, 131}, {0, 270, 146, 1},
    {4, 244, 32, 22},   {37, 244, 48, 22},
    {86, 244, 57, 22},  {146, 72, 1, 270},
    kExplorerShort,     kOpenShort,
    {728, 1, 61, 68},   {2, 2, 57, 18},
    {17, 3, 24, 12},    {2, 24, 28, 20},
    {31, 24, 28, 20},   {29, 46, 30, 19},
    {3, 46, 14, 17},    {17, 50, 10, 12},
    {0, 0, 0, 0},       false,
    {1, 341, 146, 94},  {1, 434, 146, 117},
    {146, 342, 1, 209},
};

const LayoutTable kLayoutC = {
    {1016, 673},        {214, 71},
    {800, 600},         {1, 72, 211, 390},
    {4, 110, 203, 251}, {0, 390, 211, 1},
    {4, 364, 65, 22},   {70, 364, 74, 22},
    {145, 364, 63, 22}, {211, 72, 1, 390},
    kExplorerLong,      kOpenLong,
    {728, 1, 149, 68},  {2, 2, 145, 18},
    {61, 3, 24, 12},    {3, 24, 28, 20},
    {32, 24, 28, 20},   {30, 46, 30, 19},
    {3, 46, 14, 17},    {17, 50, 10, 12},
    {144, 461, 68, 94}, true,
    {1, 461, 144, 94},  {1, 554, 211, 117},
    {211, 461, 1, 210},
};

const LayoutTable kLayoutD = {
    {1240, 841},        {214, 71},
    {1024, 768},        {1, 72, 211, 558},
    {4, 110, 203, 418}, {0, 556, 211, 1},
    {4, 531, 65, 22},   {70, 531, 74, 22},
    {145, 531, 63, 22}, {211, 72, 1, 558},
    kExplorerLong,      kOpenLong,
    {728, 1, 149, 68},  {2, 2, 145, 18},
    {61, 3, 24, 12},    {3, 24, 28, 20},
    {32, 24, 28, 20},   {30, 46, 30, 19},
    {3, 46, 14, 17},    {17, 50, 10, 12},
    {144, 629, 68, 94}, true,
    {1, 629, 144, 94},  {1, 722, 211, 117},
    {211, 629, 1, 210},
};

}  // namespace

const LayoutTable& LayoutOf(LayoutKind kind) {
  switch (kind) {
    case LayoutKind::A480:
      return kLayoutA;
    case LayoutKind::B640:
      return kLayoutB;
    case LayoutKind::C800:
      return kLayoutC;
    case LayoutKind::D1024:
      return kLayoutD;
  }
  return kLayoutC;
}

LayoutKind LayoutForSize(const QSize& display) {
  const int w = display.width();
  const int h = display.height();
  if (w <= 480 && h <= 360) return LayoutKind::A480;
  if (w <= 640 && h <= 480) return LayoutKind::B640;
  if (w <= 800 && h <= 600) return LayoutKind::C800;
  return LayoutKind::D1024;
}

DisplayMode DisplayModeFor(config::WindowSizeMode windowSizeMode, int customWidth,
                           int customHeight) {
  using enum config::WindowSizeMode;
  const QSize custom(customWidth, customHeight);
  switch (windowSizeMode) {
    case Size480:
      return {{480, 360}, LayoutKind::A480, false};
    case Size640:
      return {{640, 480}, LayoutKind::B640, false};
    case Size800:
      return {{800, 600}, LayoutKind::C800, false};
    case Size1024:
      return {{1024, 768}, LayoutKind::D1024, false};
    case CustomAutomatic:
      return {custom, LayoutForSize(custom), true};
    case Custom480:
      return {custom, LayoutKind::A480, true};
    case Custom640:
      return {custom, LayoutKind::B640, true};
    case Custom800:
      return {custom, LayoutKind::C800, true};
    case Custom1024:
      return {custom, LayoutKind::D1024, true};
  }
  return {custom, LayoutKind::C800, true};
}

QString CustomSizeCaption(config::WindowSizeMode windowSizeMode, int customWidth,
                          int customHeight) {
  if (!DisplayModeFor(windowSizeMode, customWidth, customHeight).custom) {
    return QStringLiteral("任意の大きさ");
  }
  return QStringLiteral("任意（%1x%2）").arg(customWidth).arg(customHeight);
}

DerivedLayout DeriveLayout(const LayoutTable& t) {
  DerivedLayout d;
  const QRect& henshu = t.henshuPnl;
  d.henshuMigiPnl = QRect(henshu.width() - 1, 0, 1, henshu.height());
  d.henshuShitaPnl = QRect(0, henshu.height() - 1, henshu.width(), 1);
  d.folderLblPnlWidth = t.folderPnl.width() - 4;
  d.folderBtnLeft = t.folderPnl.width() - 28;
  d.subFolderUePnlWidth = t.subFolderPnl.width() - 6;
  d.folderTree = QRect(3, 9, t.subFolderPnl.width() - 6, t.subFolderPnl.height() - 12);
  d.exifLblPnlWidth = t.exifPnl.width() - 4;
  d.histgramLblPnlWidth = t.histgramPnl.width() - 4;
  d.histDaiPnlLeft = (t.histgramPnl.width() - 132) / 2;
  return d;
}

InfoLabelPlaces PlaceInfoLabels(int w, const InfoLabelContent& c) {
  // Rows of 15 pixels under the heading; the date, time and file size sit at the right edge.
  constexpr int kRow1 = 22, kRow2 = 37, kRow3 = 52, kRow4 = 67, kRow5 = 82, kRow6 = 97;
  constexpr int kLineHeight = 13;
  InfoLabelPlaces p;
  p.fileNameLbl = QRect(1, kRow1, c.dateShown ? w - 68 : w - 2, kLineHeight + 1);
  p.hidukeLbl = QRect(w - 59, kRow1, 58, kLineHeight);
  p.timeLbl = QRect(w - 52, kRow2, 51, kLineHeight);
  // The photo size follows the extension. In the narrow panel the time label leaves it too
  // little room at 62, so the extension gives up half its width: the size still needs 61
  // pixels for "10000x7500", and keeps a pixel free before the time.
  constexpr int kSizeLeft = 62, kSizeWidth = 90, kSizeNarrowWidth = 61;
  if (kSizeLeft + kSizeWidth < p.timeLbl.left()) {
    p.sizeLbl = QRect(kSizeLeft, kRow2, kSizeWidth, kLineHeight);
  } else {
    p.sizeLbl =
        QRect(p.timeLbl.left() - 1 - kSizeNarrowWidth, kRow2, kSizeNarrowWidth, kLineHeight);
  }
  p.extNameLbl = QRect(1, kRow2, p.sizeLbl.left() - 2, kLineHeight);
  // The file size ends one pixel inside the panel's right edge, whatever its text.
  p.fileSizeLbl = QRect(w - c.fileSizeTextWidth - 1, kRow3, c.fileSizeTextWidth, kLineHeight);
  p.cameraLbl = QRect(1, kRow3, w - 66, kLineHeight);
  p.makerLbl = QRect(1, kRow4, w - 2, kLineHeight);
  // The exposure label is as wide as its text and the flash star follows it; with the star the
  // label is a pixel narrower, so the star closes up on the last character's spacing.
  const int satsueiWidth = c.strobeShown ? c.satsueiTextWidth - 1 : c.satsueiTextWidth;
  p.satsueiLbl = QRect(1, kRow5, std::max(satsueiWidth, 0), kLineHeight);
  p.strobeLbl =
      QRect(p.satsueiLbl.left() + p.satsueiLbl.width(), kRow5, c.strobeTextWidth, kLineHeight);
  p.satsueiLbl2 = QRect(1, kRow6, w - 2, kLineHeight);
  return p;
}

int NarabikaeLblLeft(int folderLblPnlWidth, config::ListDirection direction) {
  return folderLblPnlWidth - (direction == config::ListDirection::RightToLeft ? 14 : 13);
}

}  // namespace kasumori::shell
