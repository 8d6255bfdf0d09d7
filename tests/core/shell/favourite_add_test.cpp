// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/favourite_add.h"

#include "core/favourites/store_fixture.h"
#include "support/scripted_dialog_service.h"

namespace kasumori::shell {
namespace {

class FavouriteAddCommand : public favourites::StoreFixture {
 protected:
  // Runs the command; the dialog, when asked, adds `name` into the folder "旅行".
  void Run(bool photoShown, bool panorama, bool dialogAdds) {
    RunFavouriteAdd(*store, dialogs, photoShown, panorama,
                    {[&] {
                       ++dialogsShown;
                       if (dialogAdds) store->Add("旅行", "海", "/p/a.jpg");
                       return dialogAdds;
                     },
                     [&] { ++favouritesOpened; }});
  }

  platform::ScriptedDialogService dialogs;
  int dialogsShown = 0;
  int favouritesOpened = 0;
};

TEST_F(FavouriteAddCommand, APanoramaIsRefusedWithItsFourLinesBeforeAnythingElse) {
  Run(true, true, true);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines.size(), 4);
  EXPECT_EQ(dialogs.Records()[0].lines[0], "現在パノラマモードになっていますので");
  EXPECT_EQ(dialogsShown, 0);
}

TEST_F(FavouriteAddCommand, WithoutAPhotoNothingHappens) {
  Run(false, false, true);
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_EQ(dialogsShown, 0);
}

TEST_F(FavouriteAddCommand, AnAddOpensTheFavouritesOnTheNewFavouritesFolder) {
  Run(true, false, true);
  EXPECT_EQ(store->CurrentFavouritesFolder, "旅行");
  EXPECT_EQ(store->HighlightKey, "旅行\\海");
  EXPECT_EQ(favouritesOpened, 1);
}

TEST_F(FavouriteAddCommand, AClosedDialogLeavesTheCurrentFolderAlone) {
  store->CurrentFavouritesFolder = "前";
  Run(true, false, false);
  EXPECT_EQ(dialogsShown, 1);
  EXPECT_EQ(store->CurrentFavouritesFolder, "前");
  EXPECT_EQ(favouritesOpened, 0);
}

}  // namespace
}  // namespace kasumori::shell
