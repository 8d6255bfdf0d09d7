// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_cache.h"

#include "slot_cache_fixture.h"

#include "support/camera_jpeg.h"
#include "support/temp_tree.h"
#include "thumbfiles/thumbnail_files.h"

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
      for (int y = 0; y < thumbfiles::kThumbHeight; ++y)
        std::fill_n(buffer.ScanLine(y), thumbfiles::kThumbWidth * 3, 200);
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

TEST_F(ThumbnailCacheTest, ASidecarWinsOverTheCamerasTurnAndATurnOverBoth) {
  const auto photo = [&](const QString& name, std::uint16_t orientation) {
    testkit::CameraShot shot;
    shot.orientation = orientation;
    tree.File("Photos/" + name,
              testkit::EncodeJpeg(testkit::MakeTestPicture(32, 24, 1),
                                  testkit::BuildExifPayload(testkit::CameraExif(shot))));
    list->Append(name, {});
    return list->PhotoCount;
  };
  const int camera = photo("camera.jpg", 6);
  const int back = photo("back.jpg", 6);
  const int hand = photo("hand.jpg", 8);
  const int record = photo("camera_jpg.ksm", 6);
  tree.File("Thumbnail/01/Photos/back_jpg.dat", "100\r\n0\r\n");
  tree.File("Thumbnail/01/Photos/hand_jpg.dat", "100\r\n2\r\n");
  // Asked before the strip ever fetched them, as the display does.
  EXPECT_EQ(cache->Rotation(camera), 1);
  EXPECT_EQ(cache->Rotation(back), 0) << "turned back by hand: the stored 0 stays";
  EXPECT_EQ(cache->Rotation(hand), 2);
  EXPECT_EQ(cache->Rotation(record), 0) << "a record keeps its own rotation";
  EXPECT_EQ(cache->Rotation(1), 0) << "a.jpg is not there to read";

  cache->SetRotation(camera, 0);  // a turn outside the slots lives in memory only
  cache->Fetch(camera);
  EXPECT_EQ(cache->Rotation(camera), 0);
  folders.CurrentSlot = 0;
  cache->Reset();
  EXPECT_EQ(cache->Rotation(camera), 1) << "forgotten with the list";
  EXPECT_EQ(cache->Rotation(back), 1) << "no sidecars outside the slots";
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
