// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_grid.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kasumori::favourites {
namespace {

using config::WindowSizeMode;

TEST(FavouritesGrid, SizeModeDecidesTheGrid) {
  struct Case {
    WindowSizeMode mode;
    QSize area;  // the main window's display area
    FavouritesGrid grid;
  };
  const Case cases[] = {
      {WindowSizeMode::Size480, {1600, 1200}, {6, 6}},
      {WindowSizeMode::Custom480, {1600, 1200}, {6, 6}},
      {WindowSizeMode::Size640, {320, 240}, {6, 8}},
      {WindowSizeMode::Custom640, {320, 240}, {6, 8}},
      {WindowSizeMode::Size800, {320, 240}, {8, 10}},
      {WindowSizeMode::Custom800, {320, 240}, {8, 10}},
      {WindowSizeMode::Size1024, {320, 240}, {8, 10}},
      {WindowSizeMode::Custom1024, {320, 240}, {8, 10}},
      // The automatic size goes by its area, each bound exclusive.
      {WindowSizeMode::CustomAutomatic, {480, 360}, {6, 6}},
      {WindowSizeMode::CustomAutomatic, {481, 360}, {6, 8}},
      {WindowSizeMode::CustomAutomatic, {480, 361}, {6, 8}},
      {WindowSizeMode::CustomAutomatic, {640, 480}, {6, 8}},
      {WindowSizeMode::CustomAutomatic, {641, 480}, {8, 10}},
      {WindowSizeMode::CustomAutomatic, {640, 481}, {8, 10}},
  };
  for (const Case& c : cases) {
    const FavouritesGrid grid = GridFor(c.mode, c.area);
    EXPECT_EQ(grid.columns, c.grid.columns)
        << int(c.mode) << " " << ::testing::PrintToString(c.area);
    EXPECT_EQ(grid.rows, c.grid.rows) << int(c.mode) << " " << ::testing::PrintToString(c.area);
  }
  EXPECT_EQ(FavouritesGrid{}.Cells(), 35);
  EXPECT_EQ((FavouritesGrid{8, 10}.Cells()), kMaxCells);
}

TEST(FavouritesGrid, WindowGrowsWithTheGrid) {
  struct Case {
    FavouritesGrid grid;
    QSize client;
    QRect folderPnl, folderTree, okiniAddBtn, makeBtn, thumbPnl;
  };
  const Case cases[] = {
      {{6, 6},
       {724, 400},
       {3, 3, 203, 369},
       {3, 9, 197, 357},
       {3, 374, 110, 23},
       {114, 374, 92, 23},
       {208, 3, 513, 394}},
      {{8, 10},
       {894, 660},
       {3, 3, 203, 629},
       {3, 9, 197, 617},
       {3, 634, 110, 23},
       {114, 634, 92, 23},
       {208, 3, 683, 654}},
  };
  for (const Case& c : cases) {
    const FavouritesWindowLayout l = LayoutFor(c.grid);
    EXPECT_EQ(l.client, c.client);
    EXPECT_EQ(l.folderPnl, c.folderPnl);
    EXPECT_EQ(l.folderUePnl, QRect(3, 3, 197, 6));
    EXPECT_EQ(l.folderTree, c.folderTree);
    EXPECT_EQ(l.okiniAddBtn, c.okiniAddBtn);
    EXPECT_EQ(l.makeBtn, c.makeBtn);
    EXPECT_EQ(l.thumbPnl, c.thumbPnl);
  }
}

// The panel's buttons take the place of the grid's last cell and no cell overlaps them.
TEST(FavouritesGrid, ButtonsFillTheBottomRightCell) {
  for (const FavouritesGrid grid : {FavouritesGrid{6, 6}, {6, 8}, {8, 10}}) {
    const FavouritesWindowLayout l = LayoutFor(grid);
    const QRect buttonCell = CellRect(grid, grid.columns * grid.rows);
    for (const QRect& button :
         {l.thumbTopBtn, l.thumbEndBtn, l.thumbLeftBtn, l.thumbRightBtn, l.menuBtn, l.tojiruBtn}) {
      EXPECT_TRUE(buttonCell.contains(button))
          << grid.columns << "x" << grid.rows << " " << ::testing::PrintToString(button);
      EXPECT_FALSE(FrameRect(grid, grid.Cells()).intersects(button));
    }
    EXPECT_TRUE(QRect(QPoint(), l.thumbPnl.size()).contains(FrameRect(grid, 1)));
  }
}

TEST(FavouritesGrid, CellsRunRowByRow) {
  struct Case {
    FavouritesGrid grid;
    int cell;
    QPoint topLeft;
  };
  const Case cases[] = {
      {{6, 6}, 1, {4, 4}},      {{6, 6}, 6, {429, 4}},     {{6, 6}, 7, {4, 69}},
      {{6, 6}, 35, {344, 329}}, {{8, 10}, 79, {514, 589}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CellRect(c.grid, c.cell), QRect(c.topLeft, QSize(80, 60))) << c.cell;
    EXPECT_EQ(FrameRect(c.grid, c.cell), QRect(c.topLeft - QPoint(2, 2), QSize(84, 64))) << c.cell;
  }
}

TEST(FavouritesGrid, CentredWithHalvesRoundedDown) {
  EXPECT_EQ(CentredOn(QRect(100, 50, 800, 600), QSize(724, 400)), QPoint(138, 150));
  EXPECT_EQ(CentredOn(QRect(0, 0, 801, 601), QSize(724, 401)), QPoint(38, 100));
  EXPECT_EQ(CentredOn(QRect(0, 0, 640, 480), QSize(894, 660)), QPoint(-127, -90));
}

}  // namespace
}  // namespace kasumori::favourites
