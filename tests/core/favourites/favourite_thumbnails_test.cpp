// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourite_thumbnails.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>

namespace kasumori::favourites {
namespace {

void Fill(imaging::TQxDIB& picture, std::uint8_t value) {
  for (int y = 0; y < picture.Height(); ++y) {
    std::fill_n(picture.ScanLine(y), picture.Width() * 3, value);
  }
}

class FavouriteThumbnailsTest : public ::testing::Test {
 protected:
  FavouriteThumbnailsTest() {
    settings.PhotoFolder1 = tree.Folder("Photos");
    folder.Path = "Travel\\2004";
    thumbnails.SetMaker([this](int number, const QString& storePath) {
      madeFor.push_back({number, storePath});
      if (!makerSucceeds) return false;
      Fill(*folder.Entry(number)->Thumbnail, 200);
      return true;
    });
  }

  void WriteThumbnailFile(const QString& path, std::uint8_t value) {
    QDir().mkpath(QFileInfo(path).path());
    imaging::TQxDIB picture;
    picture.Reshape(80, 60, 24);
    Fill(picture, value);
    picture.SaveToFile(path);
  }

  std::uint8_t LastByte(int number) { return folder.Entry(number)->Thumbnail->ScanLine(59)[239]; }

  testkit::TempTree tree;
  config::Settings settings;
  LoadedFolder folder;
  FavouriteThumbnails thumbnails{settings, tree.Path("Thumbnail"), folder};
  std::vector<std::pair<int, QString>> madeFor;
  bool makerSucceeds = true;
};

TEST(FavouriteThumbnailFiles, OwnThumbnailsAreFiledByFavouritesFolderAndName) {
  struct Case {
    QString folder, name, path;
  };
  const Case cases[] = {
      {"", "IMG_0012.JPG", "T/OK/IMG_0012_JPG.bmp"},
      {"Travel\\2004", "IMG_0012.JPG", "T/OK/Travel/2004/IMG_0012_JPG.bmp"},
      {"Travel", "memo", "T/OK/Travel/memo_.bmp"},
      {"Travel", "a.b.jpg", "T/OK/Travel/a.b_jpg.bmp"},
      {"Travel", "1/2.jpg", QString::fromUtf8("T/OK/Travel/1／2_jpg.bmp")},
      // Typed or hand-edited parts never lead out of the favourites' thumbnail folder.
      {"..\\..", "x.jpg", QString::fromUtf8("T/OK/．．/．．/x_jpg.bmp")},
      {"a/b", "x.jpg", QString::fromUtf8("T/OK/a／b/x_jpg.bmp")},
  };
  for (const Case& c : cases) EXPECT_EQ(OwnThumbnailPath("T", c.folder, c.name), c.path);
}

TEST(FavouriteThumbnailFiles, APhotoFolderHoldsPathsThatBeginWithItWhateverTheCase) {
  config::Settings settings;
  settings.PhotoFolder1 = "/data/Photos";
  settings.PhotoFolder3 = "/data/Other";
  struct Case {
    QString photo;
    int slot;
  };
  const Case cases[] = {{"/data/Photos/a.jpg", 1},
                        {"/DATA/photos/sub/a.jpg", 1},
                        {"/data/Photos2/a.jpg", 1},  // a plain prefix
                        {"/data/Other/a.jpg", 3},
                        {"/data/Photo/a.jpg", 0},
                        {"", 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(PhotoFolderSlotOf(c.photo, settings), c.slot) << c.photo.toStdString();
  }
}

TEST_F(FavouriteThumbnailsTest, PhotosInAPhotoFolderUseTheMainCacheOthersTheirOwnFile) {
  folder.Append("in.jpg", tree.Path("Photos/sub/in.jpg"));
  folder.Append("out.jpg", tree.Path("elsewhere/out.jpg"));
  EXPECT_EQ(thumbnails.ThumbnailPath(1), tree.Path("Thumbnail/01/Photos/sub/in_jpg.bmp"));
  EXPECT_EQ(thumbnails.ThumbnailPath(2), tree.Path("Thumbnail/OK/Travel/2004/out_jpg.bmp"));
  EXPECT_TRUE(QFileInfo(tree.Path("Thumbnail/OK/Travel/2004")).isDir());
  EXPECT_EQ(thumbnails.ThumbnailPath(3), "");
}

TEST_F(FavouriteThumbnailsTest, LoadingReadsTheFileOrAsksTheMakerOnceOrPaintsBlack) {
  struct Case {
    const char* what;
    bool fileThere, failedBefore, makes;
    std::size_t makerCalls;
    std::uint8_t value;
  };
  const Case cases[] = {
      {"cached file", true, false, true, 0, 77},
      {"cached file of a failed photo", true, true, true, 0, 77},
      {"made", false, false, true, 1, 200},
      {"cannot be made", false, false, false, 1, 0},
      {"failed before", false, true, true, 0, 0},
  };
  for (const Case& c : cases) {
    folder.Clear();
    folder.Append("out.jpg", tree.Path("elsewhere/out.jpg"));
    const QString path = thumbnails.ThumbnailPath(1);
    QFile::remove(path);
    if (c.fileThere) WriteThumbnailFile(path, 77);
    folder.Entry(1)->Failed = c.failedBefore;
    makerSucceeds = c.makes;
    madeFor.clear();

    thumbnails.Load(1);
    EXPECT_TRUE(folder.Entry(1)->Loaded) << c.what;
    EXPECT_EQ(madeFor.size(), c.makerCalls) << c.what;
    if (!madeFor.empty()) {
      EXPECT_EQ(madeFor[0], std::make_pair(1, path)) << c.what;
    }
    EXPECT_EQ(LastByte(1), c.value) << c.what;
  }
}

TEST_F(FavouriteThumbnailsTest, APhotoInAPhotoFolderDropsItsOwnLeftoverAndReadsTheRotation) {
  folder.Append("in.jpg", tree.Path("Photos/in.jpg"));
  const QString leftover = tree.Path("Thumbnail/OK/Travel/2004/in_jpg.bmp");
  WriteThumbnailFile(leftover, 5);
  const QString cached = tree.Path("Thumbnail/01/Photos/in_jpg.bmp");
  WriteThumbnailFile(cached, 99);
  tree.File("Thumbnail/01/Photos/in_jpg.dat", "100\r\n255\r\n");

  thumbnails.Load(1);
  EXPECT_FALSE(QFile::exists(leftover));
  EXPECT_FALSE(QFileInfo::exists(tree.Path("Thumbnail/OK/Travel/2004")));
  EXPECT_EQ(LastByte(1), 99);
  EXPECT_EQ(folder.Entry(1)->Rotation, -1);
  EXPECT_TRUE(madeFor.empty());
}

TEST_F(FavouriteThumbnailsTest, TheMakerSeesEachEntryAsASubject) {
  folder.Append("a.jpg", "/gone/a.jpg");
  makerSucceeds = false;
  thumbnails.Load(1);
  folder.Entry(1)->Rotation = 2;
  const thumbs::FavouriteSubjects subjects = FavouriteSubjectsOf(folder);
  const std::optional<thumbs::ThumbnailSubject> subject = subjects(1);
  ASSERT_TRUE(subject.has_value());
  EXPECT_EQ(subject->photoPath, "/gone/a.jpg");
  EXPECT_EQ(subject->rotation, 2);
  EXPECT_EQ(subject->target, folder.Entry(1)->Thumbnail.get());
  subject->setFailed(true);
  EXPECT_TRUE(folder.Entry(1)->Failed);
  EXPECT_FALSE(subjects(2).has_value());
  EXPECT_FALSE(subjects(0).has_value());
}

}  // namespace
}  // namespace kasumori::favourites
