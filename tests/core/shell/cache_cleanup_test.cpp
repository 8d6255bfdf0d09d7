// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/cache_cleanup.h"
#include "config/data_folders.h"
#include "config/settings.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::shell {
namespace {

TEST(CacheNames, SourceOfACacheFile) {
  EXPECT_EQ(CacheFileSource("IMG_0001_jpg.bmp"), "IMG_0001.jpg");
  EXPECT_EQ(CacheFileSource("P1000_tiff.dat"), "P1000.tiff");
  EXPECT_EQ(CacheFileSource("a_b_JPG.bmp"), "a_b.JPG");
  EXPECT_EQ(CacheFileSource("_jpg.bmp"), ".jpg");
  EXPECT_FALSE(CacheFileSource("notes.bmp").has_value());
  EXPECT_FALSE(CacheFileSource("x.bm").has_value());
  EXPECT_FALSE(CacheFileSource("").has_value());
}

TEST(CacheNames, SlotCacheName) {
  EXPECT_EQ(SlotCacheName("/home/u/Pictures"), "Pictures");
  EXPECT_EQ(SlotCacheName("/home/u/Pictures/"), "Pictures");
  EXPECT_EQ(SlotCacheName("D:"), "D：");
  EXPECT_EQ(SlotCacheName("/"), "");
  EXPECT_EQ(SlotCacheName(""), "");
}

// A slot root with photos and a cache that has gone partly stale.
class SlotCacheTree : public ::testing::Test {
 protected:
  void SetUp() override {
    root = tree.Folder("photos/Pictures");
    tree.File("photos/Pictures/2024/IMG_0001.jpg");
    tree.File("photos/Pictures/2024/P1000.tiff");
    tree.File("photos/Pictures/2024/Img_0003.JPG");
    tree.Folder("photos/Pictures/2024/Trip");
    tree.File("photos/Pictures/album.zip");
    cache = tree.Folder("Thumbnail/01");
    for (const char* name : {"Pictures/2024/IMG_0001_jpg.bmp", "Pictures/2024/IMG_0001_jpg.dat",
                             "Pictures/2024/IMG_0002_jpg.bmp", "Pictures/2024/P1000_tiff.dat",
                             "Pictures/2024/IMG_0003_jpg.bmp", "Pictures/2024/notes.bmp",
                             "Pictures/2024/Trip/GONE_jpg.bmp", "Pictures/2024/OldSub/A_jpg.bmp",
                             "Pictures/Gone/B_jpg.bmp", "Pictures/album.zip/C_jpg.bmp",
                             "Pictures/stale_jpg.bmp", "OtherRoot/D_jpg.bmp"}) {
      tree.File(QString("Thumbnail/01/") + name);
    }
  }
  bool Cached(const QString& relative) const { return tree.Exists("Thumbnail/01/" + relative); }

  testkit::TempTree tree;
  QString root;
  QString cache;
};

TEST_F(SlotCacheTree, KeepsLiveThumbnailsAndDropsStaleOnes) {
  CleanSlotCache(cache, root);
  EXPECT_TRUE(Cached("Pictures/2024/IMG_0001_jpg.bmp"));
  EXPECT_TRUE(Cached("Pictures/2024/IMG_0001_jpg.dat"));
  EXPECT_TRUE(Cached("Pictures/2024/P1000_tiff.dat"));
  EXPECT_TRUE(Cached("Pictures/2024/IMG_0003_jpg.bmp")) << "names compare without case";
  EXPECT_FALSE(Cached("Pictures/2024/IMG_0002_jpg.bmp"));
  EXPECT_FALSE(Cached("Pictures/2024/notes.bmp"));
  EXPECT_FALSE(Cached("Pictures/2024/Trip")) << "emptied folder is removed";
  EXPECT_FALSE(Cached("Pictures/2024/OldSub"));
  EXPECT_FALSE(Cached("Pictures/Gone"));
  EXPECT_TRUE(Cached("Pictures/album.zip/C_jpg.bmp")) << "archive folders are not looked into";
  EXPECT_TRUE(Cached("Pictures/stale_jpg.bmp")) << "files beside the root folders stay";
  EXPECT_FALSE(Cached("OtherRoot"));
}

TEST_F(SlotCacheTree, UnsetSlotLosesItsWholeCache) {
  CleanSlotCache(cache, "");
  EXPECT_TRUE(tree.Exists("Thumbnail/01"));
  EXPECT_FALSE(Cached("Pictures"));
  EXPECT_FALSE(Cached("OtherRoot"));
}

TEST_F(SlotCacheTree, MonthlyCleanupRunsOncePerMonth) {
  config::DataFolders folders;
  folders.ThumbnailFolder = tree.Path("Thumbnail");
  config::Settings settings;
  settings.PhotoFolder1 = root;
  settings.LastCacheCleanMonth = "202612";
  EXPECT_FALSE(MonthlyCacheCleanup(settings, folders, QDate(2026, 12, 31)));
  EXPECT_TRUE(Cached("Pictures/2024/IMG_0002_jpg.bmp"));

  settings.LastCacheCleanMonth = "202611";
  EXPECT_TRUE(MonthlyCacheCleanup(settings, folders, QDate(2026, 12, 1)));
  EXPECT_EQ(settings.LastCacheCleanMonth, "202612");
  EXPECT_FALSE(Cached("Pictures/2024/IMG_0002_jpg.bmp"));
  EXPECT_TRUE(Cached("Pictures/2024/IMG_0001_jpg.bmp"));
}

TEST(SlotCache, ARootWithoutALastComponentIsCleanedInPlace) {
  testkit::TempTree tree;
  testkit::TempTree cache;
  const QString photos = tree.Folder("media");
  tree.File("media/a.jpg");
  // A slot rooted at "/" keeps its thumbnails under the photos' whole path.
  cache.File(photos.mid(1) + "/a_jpg.dat", "100\r\n1\r\n");
  cache.File(photos.mid(1) + "/gone_jpg.bmp");
  CleanSlotCache(cache.Path(), "/");
  EXPECT_TRUE(cache.Exists(photos.mid(1) + "/a_jpg.dat")) << "rotations survive";
  EXPECT_FALSE(cache.Exists(photos.mid(1) + "/gone_jpg.bmp"));
}

TEST(EmptyFolder, RemovesEverythingDirectlyInside) {
  testkit::TempTree tree;
  tree.File("Temp/a.jpg");
  tree.File("Temp/.hidden");
  tree.File("Temp/sub/deep/b.jpg");
  EmptyFolder(tree.Path("Temp"));
  EXPECT_TRUE(tree.Exists("Temp"));
  EXPECT_FALSE(tree.Exists("Temp/a.jpg"));
  EXPECT_FALSE(tree.Exists("Temp/.hidden"));
  EXPECT_FALSE(tree.Exists("Temp/sub"));
}

}  // namespace
}  // namespace kasumori::shell
