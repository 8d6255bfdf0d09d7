// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourite_keys.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kasumori::favourites {
namespace {

TEST(FavouriteKeys, SplitAtTheLastBackslash) {
  struct Case {
    QString key, folder, name;
  };
  const Case cases[] = {
      {"IMG_0012.JPG", "", "IMG_0012.JPG"},
      {"Travel\\IMG_0012.JPG", "Travel", "IMG_0012.JPG"},
      {"Travel\\2004\\a.b.jpg", "Travel\\2004", "a.b.jpg"},
      {"Travel\\", "Travel", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderOfKey(c.key), c.folder) << c.key.toStdString();
    EXPECT_EQ(NameOfKey(c.key), c.name) << c.key.toStdString();
    if (!c.name.isEmpty()) {
      EXPECT_EQ(JoinKey(c.folder, c.name), c.key);
    }
  }
}

TEST(FavouriteKeys, NewFolderLinesGoBeforeTheFirstLineAsDeep) {
  const QStringList lines = {"B", "A", "A\\x", "B\\y", "A\\x\\z", "B\\y\\w\\v"};
  struct Case {
    QString folder;
    qsizetype index;
  };
  const Case cases[] = {
      {"C", 0},              // a top-level folder is always the first line
      {"A\\q", 2},           // before the first line with one "\"
      {"A\\B\\C", 4},        // before the first line with two or more
      {"A\\x\\z\\q", 5},     // before the line as deep
      {"A\\B\\C\\D\\E", 6},  // deeper than all: at the end
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DepthInsertionIndex(lines, c.folder), c.index) << c.folder.toStdString();
  }
  EXPECT_EQ(DepthInsertionIndex({}, "A\\B"), 0);
}

TEST(FavouriteKeys, BelowAFolderMeansItselfOrPastABackslash) {
  struct Case {
    QString line;
    bool below;
  };
  const Case cases[] = {{"A", true},      {"A\\x", true},  {"A\\x\\p.jpg", true}, {"AB", false},
                        {"AB\\x", false}, {"a\\x", false}, {"", false},           {"B\\A", false}};
  for (const Case& c : cases)
    EXPECT_EQ(IsSameOrBelow(c.line, "A"), c.below) << c.line.toStdString();
}

TEST(FavouriteKeys, ARenameChangesTheLastPartOnly) {
  EXPECT_EQ(RenamedFolderPath("A", "Z"), "Z");
  EXPECT_EQ(RenamedFolderPath("Travel\\2004", "2005"), "Travel\\2005");
  EXPECT_EQ(RenamedFolderPath("T\\a\\b", "c"), "T\\a\\c");
}

}  // namespace
}  // namespace kasumori::favourites
