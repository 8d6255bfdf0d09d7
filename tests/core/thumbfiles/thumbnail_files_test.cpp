// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbfiles/thumbnail_files.h"

#include "support/temp_tree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace kasumori::thumbfiles {
namespace {

TEST(ThumbnailPath, FollowsTheSlotRootsLastComponent) {
  testkit::TempTree tree;
  const QString cache = tree.Path("Thumbnail");
  EXPECT_EQ(ThumbnailPath(cache, 1, "/mnt/c/Photos", "/mnt/c/Photos/2004/Trip", "IMG_0001.JPG"),
            cache + "/01/Photos/2004/Trip/IMG_0001_JPG.bmp");
  EXPECT_TRUE(QFileInfo(cache + "/01/Photos/2004/Trip").isDir()) << "made on demand";
  EXPECT_EQ(ThumbnailPath(cache, 2, "/mnt/c/Photos", "/mnt/c/Photos", "P1000.tiff"),
            cache + "/02/Photos/P1000_tiff.bmp");
  // A root without a last component keeps the whole folder; a drive-like name its colon
  // as the full-width one.
  EXPECT_EQ(ThumbnailPath(cache, 3, "/", "/media/card/DCIM", "a.jpg"),
            cache + "/03/media/card/DCIM/a_jpg.bmp");
  EXPECT_EQ(ThumbnailPath(cache, 1, "D:", "D:/DCIM", "a.jpg"), cache + "/01/D：/DCIM/a_jpg.bmp");
  EXPECT_EQ(ThumbnailPath(cache, 1, "/data/a", "/data/a/x", "noext"), cache + "/01/a/x/noext_.bmp")
      << "the root's own component, not the first 'a' of the path";
}

TEST(Sidecar, TwoRightAndTwoLeftTurnsLeaveNone) {
  testkit::TempTree tree;
  const QString thumb = tree.File("cache/IMG_0001_jpg.bmp", "old thumbnail");
  const QString sidecar = SidecarPath(thumb);
  EXPECT_EQ(sidecar, tree.Path("cache/IMG_0001_jpg.dat"));
  int rotation = 0;
  for (int step : {1, 1, -1, -1}) {
    rotation = step == 1 ? (rotation == 2    ? -1
                            : rotation == -1 ? 0
                                             : rotation + 1)
                         : (rotation == -1  ? 2
                            : rotation == 0 ? -1
                                            : rotation - 1);
    ASSERT_TRUE(StoreRotation(thumb, rotation));
    EXPECT_FALSE(QFileInfo::exists(thumb)) << "the old thumbnail goes with every turn";
    EXPECT_EQ(ReadSidecarRotation(sidecar), rotation == 0 ? std::nullopt : std::optional(rotation));
  }
  EXPECT_FALSE(QFileInfo::exists(sidecar));
  StoreRotation(thumb, -1);
  EXPECT_EQ(tree.Read("cache/IMG_0001_jpg.dat"), QByteArray("100\r\n-1\r\n"));
}

TEST(Sidecar, APhotoItsCameraTurnedKeepsAZeroTurnedBackByHand) {
  testkit::TempTree tree;
  const QString thumb = tree.File("cache/IMG_0001_jpg.bmp", "old thumbnail");
  struct Case {
    int rotation, withoutSidecar;
    QByteArray stored;  // empty: no sidecar
  };
  const Case cases[] = {{0, 1, "100\r\n0\r\n"},  {1, 1, {}},   {-1, 1, "100\r\n-1\r\n"},
                        {2, -1, "100\r\n2\r\n"}, {-1, -1, {}}, {0, 0, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rotation << " over " << c.withoutSidecar);
    ASSERT_TRUE(StoreRotation(thumb, c.rotation, c.withoutSidecar));
    EXPECT_EQ(tree.Exists("cache/IMG_0001_jpg.dat"), !c.stored.isEmpty());
    if (!c.stored.isEmpty()) {
      EXPECT_EQ(tree.Read("cache/IMG_0001_jpg.dat"), c.stored);
    }
  }
}

TEST(Sidecar, OddContentsReadSafely) {
  testkit::TempTree tree;
  EXPECT_EQ(ReadSidecarRotation(tree.File("a.dat", "100\r\n255\r\n")), -1) << "kept as 8 bits";
  EXPECT_EQ(ReadSidecarRotation(tree.File("b.dat", "100\r\n")), std::nullopt);
  EXPECT_EQ(ReadSidecarRotation(tree.File("c.dat", "100\r\nx\r\n")), std::nullopt);
  EXPECT_EQ(ReadSidecarRotation(tree.Path("missing.dat")), std::nullopt);
}

TEST(RemoveThumbnailFiles, TakesTheFolderWhenEmptied) {
  testkit::TempTree tree;
  const QString thumb = tree.File("cache/sub/a_jpg.bmp");
  tree.File("cache/sub/a_jpg.dat", "100\r\n1\r\n");
  RemoveThumbnailFiles(thumb);
  EXPECT_FALSE(tree.Exists("cache/sub"));
  const QString other = tree.File("cache/two/b_jpg.bmp");
  tree.File("cache/two/c_jpg.bmp");
  RemoveThumbnailFiles(other);
  EXPECT_TRUE(tree.Exists("cache/two/c_jpg.bmp"));
}

}  // namespace
}  // namespace kasumori::thumbfiles

namespace kasumori::thumbfiles {
namespace {

TEST(MoveThumbnailFolder, TheRenamedFolderKeepsItsRotationsOverALeftoverCache) {
  testkit::TempTree tree;
  tree.File("cache/Trip/IMG_0001_JPG.dat", "100\r\n1\r\n");
  tree.File("cache/Trip/Day2/IMG_0002_JPG.bmp", "thumb");
  // Left by a folder Trip2 that was renamed away outside the program.
  tree.File("cache/Trip2/IMG_0001_JPG.dat", "100\r\n-1\r\n");
  EXPECT_TRUE(MoveThumbnailFolder(tree.Path("cache/Trip"), tree.Path("cache/Trip2")));
  EXPECT_EQ(ReadSidecarRotation(tree.Path("cache/Trip2/IMG_0001_JPG.dat")), 1);
  EXPECT_TRUE(tree.Exists("cache/Trip2/Day2/IMG_0002_JPG.bmp"));
  EXPECT_FALSE(tree.Exists("cache/Trip"));
}

TEST(MoveThumbnailFolder, ALetterCaseChangeKeepsTheThumbnails) {
  testkit::TempTree tree;
  tree.File("cache/trip/IMG_0001_JPG.dat", "100\r\n2\r\n");
  EXPECT_TRUE(MoveThumbnailFolder(tree.Path("cache/trip"), tree.Path("cache/Trip")));
  EXPECT_EQ(ReadSidecarRotation(tree.Path("cache/Trip/IMG_0001_JPG.dat")), 2);
  // A folder that was never cached has nothing to move.
  EXPECT_TRUE(MoveThumbnailFolder(tree.Path("cache/none"), tree.Path("cache/other")));
  EXPECT_FALSE(tree.Exists("cache/other"));
}

}  // namespace
}  // namespace kasumori::thumbfiles
