// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/add_favourite.h"

#include "core/favourites/store_fixture.h"

namespace kasumori::favourites {
namespace {

using AddFavourite = StoreFixture;

TEST_F(AddFavourite, TheTypedNameGoesIntoTheChosenFolderWithThePhotosOwnPath) {
  store->AddDialogFolder = "旅行";
  EXPECT_EQ(AddShownPhoto(*store, "海", "/photos/2026", "IMG_0001.JPG"), AddOutcome::Added);
  EXPECT_EQ(FileLines("Okini.dat"), QStringList{"旅行\\海"});
  EXPECT_EQ(FileLines("Okini2.dat"), QStringList{"/photos/2026/IMG_0001.JPG"});
  EXPECT_EQ(store->HighlightKey, "旅行\\海");
}

TEST_F(AddFavourite, NothingTypedFilesThePhotoUnderItsOwnNameAtTheRoot) {
  store->AddDialogFolder = "";
  EXPECT_EQ(AddShownPhoto(*store, "", "/p", "a.jpg"), AddOutcome::Added);
  EXPECT_EQ(store->KeyList(), QStringList{"a.jpg"});
}

TEST_F(AddFavourite, TheSameNameTwiceInOneFolderIsRefusedAndAnotherNameIsNot) {
  store->AddDialogFolder = "F";
  ASSERT_EQ(AddShownPhoto(*store, "x", "/p", "a.jpg"), AddOutcome::Added);
  EXPECT_EQ(AddShownPhoto(*store, "x", "/p", "a.jpg"), AddOutcome::NameExists);
  EXPECT_EQ(FileLines("Okini.dat"), QStringList{"F\\x"});
  EXPECT_EQ(AddShownPhoto(*store, "y", "/p", "a.jpg"), AddOutcome::Added);
  store->AddDialogFolder = "G";
  EXPECT_EQ(AddShownPhoto(*store, "x", "/p", "a.jpg"), AddOutcome::Added);
  EXPECT_EQ(FileLines("Okini2.dat"), QStringList(3, "/p/a.jpg"));
}

TEST(NewFavouritesFolder, IsTheNameAloneAtTheRootAndJoinedBelowAFolder) {
  EXPECT_EQ(NewFolderPath("", "A"), "A");
  EXPECT_EQ(NewFolderPath("A\\B", "C"), "A\\B\\C");
}

}  // namespace
}  // namespace kasumori::favourites
