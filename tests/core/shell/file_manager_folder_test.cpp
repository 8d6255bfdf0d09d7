// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_manager_folder.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::shell {
namespace {

TEST(FileManagerFolderTest, TheCurrentFolderOrTheDesktopOrTheArchivesFolder) {
  testkit::TempTree tree;
  const QString photos = tree.Folder("Pictures/2026");
  const QString desktop = tree.Folder("Desktop");
  tree.File("Pictures/trip.zip", "PK");
  EXPECT_EQ(FileManagerFolder(photos, desktop), photos);
  EXPECT_EQ(FileManagerFolder("", desktop), desktop);
  EXPECT_EQ(FileManagerFolder(tree.Path("Pictures/trip.zip/day1/morning"), desktop),
            tree.Path("Pictures"));
  EXPECT_EQ(FileManagerFolder(tree.Path("Pictures/trip.zip"), desktop), tree.Path("Pictures"));
}

TEST(FileManagerFolderTest, NothingForAFolderThatIsGone) {
  testkit::TempTree tree;
  EXPECT_EQ(FileManagerFolder(tree.Path("gone/deeper"), tree.Path("Desktop")), std::nullopt);
  EXPECT_EQ(FileManagerFolder("", ""), std::nullopt);
}

}  // namespace
}  // namespace kasumori::shell
