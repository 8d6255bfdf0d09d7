// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_refresh.h"

#include "slot_cache_fixture.h"

#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"
#include "thumbfiles/thumbnail_files.h"

#include <gtest/gtest.h>

#include <memory>

namespace kasumori::thumbs {
namespace {

class RefreshTest : public SlotCacheFixture {
 protected:
  RefreshTest() : SlotCacheFixture("Trip") {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
      tree.File(QString("Thumbnail/01/Photos/Trip/") + QString(name).replace(".jpg", "_jpg.bmp"));
    }
    tree.File("Thumbnail/01/Photos/Trip/b_jpg.dat", "100\r\n1\r\n");
  }
  RefreshContext Context() {
    return {*list,
            folders,
            *cache,
            dialogs,
            [this] {
              ++scans;
              list->Clear();
              for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) list->Append(name, {});
              list->CurrentIndex = 1;
            },
            [this] { ++strips; }};
  }

  platform::ScriptedDialogService dialogs;
  int scans = 0;
  int strips = 0;
};

TEST_F(RefreshTest, TheShownPhotosThumbnailGoesButItsRotationStays) {
  Context().rescan();
  list->CurrentIndex = 3;
  RefreshShownThumbnail(Context(), {"b.jpg", folders.CurrentFolder, 1}, true);
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_FALSE(tree.Exists("Thumbnail/01/Photos/Trip/b_jpg.bmp"));
  EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Trip/b_jpg.dat"));
  EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Trip/a_jpg.bmp"));
  EXPECT_EQ(list->CurrentIndex, 3) << "the strip stays on its photo";
  EXPECT_EQ(folders.SlotPosition[0], 3);
  EXPECT_EQ(strips, 1);

  RefreshShownThumbnail(Context(), {}, true);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines.size(), 3);
  EXPECT_EQ(scans, 3) << "the command goes on after the notice";
}

TEST_F(RefreshTest, AllThumbnailsOnlyAfterYes) {
  RefreshAllThumbnails(Context());
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines[0], "現在選択しているフォルダ「Trip」");
  EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Trip/a_jpg.bmp")) << "no is the default";
  dialogs.Answer(1);
  RefreshAllThumbnails(Context());
  EXPECT_FALSE(tree.Exists("Thumbnail/01/Photos/Trip"));
  EXPECT_EQ(scans, 1);
  folders.CurrentFolder.clear();
  RefreshAllThumbnails(Context());
  EXPECT_EQ(dialogs.Records().back().lines[0], "このメニューは、選択しているフォルダ");
}

}  // namespace
}  // namespace kasumori::thumbs
