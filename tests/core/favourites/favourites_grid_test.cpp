// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_grid.h"

#include <gtest/gtest.h>

namespace kasumori::favourites {
namespace {

using M = config::WindowSizeMode;

TEST(FavouritesGrid, FixedLayoutsIgnoreTheDisplayArea) {
  struct Case {
    M mode;
    int columns, rows;
  };
  const Case cases[] = {{M::Size480, 6, 6},   {M::Custom480, 6, 6},  {M::Size640, 6, 8},
                        {M::Custom640, 6, 8}, {M::Size800, 8, 10},   {M::Custom800, 8, 10},
                        {M::Size1024, 8, 10}, {M::Custom1024, 8, 10}};
  for (const Case& c : cases) {
    const FavouritesGrid grid = GridFor(c.mode, QSize(100, 100));
    EXPECT_EQ(grid.columns, c.columns) << int(c.mode);
    EXPECT_EQ(grid.rows, c.rows) << int(c.mode);
  }
}

TEST(FavouritesGrid, TheAutomaticSizeGoesByItsDisplayAreaStrictlyAboveEachStep) {
  struct Case {
    QSize area;
    int rows;
  };
  const Case cases[] = {{{480, 360}, 6}, {{481, 10}, 8},  {{10, 361}, 8},   {{640, 480}, 8},
                        {{641, 10}, 10}, {{10, 481}, 10}, {{1024, 768}, 10}};
  for (const Case& c : cases) {
    EXPECT_EQ(GridFor(M::CustomAutomatic, c.area).rows, c.rows)
        << c.area.width() << "x" << c.area.height();
  }
}

}  // namespace
}  // namespace kasumori::favourites
