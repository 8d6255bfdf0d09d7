// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_grid.h"

namespace kasumori::favourites {

namespace {
constexpr FavouritesGrid kSmall{6, 6};
constexpr FavouritesGrid kMedium{6, 8};
constexpr FavouritesGrid kLarge{8, 10};

constexpr int kFolderPanelWidth = 203;
constexpr int kThumbPanelLeft = 208;
}  // namespace

FavouritesGrid GridFor(config::WindowSizeMode mode, const QSize& displayArea) {
  using config::WindowSizeMode;
  switch (mode) {
    case WindowSizeMode::Size480:
    case WindowSizeMode::Custom480:
      return kSmall;
    case WindowSizeMode::Size640:
    case WindowSizeMode::Custom640:
      return kMedium;
    case WindowSizeMode::Size800:
    case WindowSizeMode::Custom800:
    case WindowSizeMode::Size1024:
    case WindowSizeMode::Custom1024:
      return kLarge;
    case WindowSizeMode::CustomAutomatic:
      break;
  }
  if (displayArea.width() > 640 || displayArea.height() > 480) return kLarge;
  if (displayArea.width() > 480 || displayArea.height() > 360) return kMedium;
  return kSmall;
}

FavouritesWindowLayout LayoutFor(const FavouritesGrid& grid) {
  FavouritesWindowLayout l;
  l.client = QSize(grid.columns * kCellPitchX + 214, grid.rows * kCellPitchY + 10);
  const int h = l.client.height();
  l.folderPnl = QRect(3, 3, kFolderPanelWidth, h - 31);
  l.folderUePnl = QRect(3, 3, kFolderPanelWidth - 6, 6);
  l.folderTree = QRect(3, 9, kFolderPanelWidth - 6, l.folderPnl.height() - 12);
  l.okiniAddBtn = QRect(3, h - 26, 110, 23);
  l.makeBtn = QRect(114, h - 26, 92, 23);
  l.thumbPnl = QRect(kThumbPanelLeft, 3, grid.columns * kCellPitchX + 3, h - 6);

  // The buttons fill the bottom-right cell of the grid, measured from the panel's far corner.
  const int pw = l.thumbPnl.width();
  const int ph = l.thumbPnl.height();
  l.thumbTopBtn = QRect(pw - 47, ph - 57, 21, 18);
  l.thumbEndBtn = QRect(pw - 26, ph - 57, 21, 18);
  l.thumbLeftBtn = QRect(pw - 47, ph - 39, 21, 34);
  l.thumbRightBtn = QRect(pw - 26, ph - 39, 21, 34);
  l.menuBtn = QRect(pw - 83, ph - 45, 35, 20);
  l.tojiruBtn = QRect(pw - 83, ph - 25, 35, 20);
  return l;
}

QRect CellRect(const FavouritesGrid& grid, int cell) {
  const int i = cell - 1;
  return QRect(QPoint((i % grid.columns) * kCellPitchX + 4, (i / grid.columns) * kCellPitchY + 4),
               kCellSize);
}

QRect FrameRect(const FavouritesGrid& grid, int cell) {
  return CellRect(grid, cell).adjusted(-2, -2, 2, 2);
}

QPoint CentredOn(const QRect& mainWindow, const QSize& own) {
  return QPoint(mainWindow.left() + mainWindow.width() / 2 - own.width() / 2,
                mainWindow.top() + mainWindow.height() / 2 - own.height() / 2);
}

}  // namespace kasumori::favourites
