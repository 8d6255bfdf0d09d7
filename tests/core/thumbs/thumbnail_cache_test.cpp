// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_cache.h"

#include "slot_cache_fixture.h"

#include "support/temp_tree.h"
#include "thumbs/thumbnail_files.h"

#include <gtest/gtest.h>

#include <memory>

namespace kasumori::thumbs {
namespace {

class ThumbnailCacheTest : public SlotCacheFixture {
 protected:
  ThumbnailCacheTest() {
    list->Append("a.jpg", {});
    list->Append("b.jpg", {});
    cache->SetMaker([this](int position, const QString& store) {
      made.push_back({position, store});
      imaging::TQxDIB& buffer = cache->Buffer(position);
      for (int y = 0; y < kThumbHeight; ++y) std::fill_n(buffer.ScanLine(y), kThumbWidth * 3, 200);
      if (!store.isEmpty()) buffer.SaveToFile(store);
      return makerSucceeds;
    });
  }

  std::vector<std::pair<int, QString>> made;
  bool makerSucceeds = true;
};

TEST_F(ThumbnailCacheTest, MadeOnceThenReadFromTheCache) {
  cache->Fetch(1);
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0].second, tree.Path("Thumbnail/01/Photos/a_jpg.bmp"));
  EXPECT_TRUE(cache->Loaded(1));
  cache->Reset();
  EXPECT_FALSE(cache->Loaded(1));
  cache->Fetch(1);
  EXPECT_EQ(made.size(), 1u) << "the stored file is read back, nothing is decoded";
  EXPECT_EQ(cache->Buffer(1).ConstScanLine(30)[40], 200);
}

TEST_F(ThumbnailCacheTest, SidecarRotationAndDamagedFiles) {
  tree.File("Thumbnail/01/Photos/b_jpg.dat", "100\r\n-1\r\n");
  tree.File("Thumbnail/01/Photos/b_jpg.bmp", "not a bitmap");
  cache->Fetch(2);
  EXPECT_EQ(cache->Rotation(2), -1);
  ASSERT_EQ(made.size(), 1u) << "a damaged cache file is made again";
  EXPECT_EQ(tree.Read("Thumbnail/01/Photos/b_jpg.bmp").size(), 14454);
}

TEST_F(ThumbnailCacheTest, FailuresAreBlackAndOtherFoldersAreNotStored) {
  makerSucceeds = false;
  cache->Fetch(1);
  EXPECT_EQ(cache->Buffer(1).ConstScanLine(0)[0], 0);
  loadFailed.Set(2, true);
  cache->Fetch(2);
  EXPECT_EQ(made.size(), 1u) << "a photo that failed to decode is not tried again";
  EXPECT_TRUE(cache->Loaded(2));

  makerSucceeds = true;
  folders.CurrentSlot = 0;
  cache->Reset();
  cache->Fetch(1);
  ASSERT_EQ(made.size(), 2u);
  EXPECT_TRUE(made[1].second.isEmpty());
  cache->Fetch(3);  // beyond the list
  EXPECT_EQ(made.size(), 2u);
}

}  // namespace
}  // namespace kasumori::thumbs
