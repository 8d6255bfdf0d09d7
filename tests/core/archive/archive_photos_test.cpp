// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_photos.h"

#include "support/archive_fixture.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace kasumori::archive {
namespace {

using testkit::ArchiveMember;
using testkit::MakeZip;
using testkit::TempTree;
using Kind = ArchiveMember::Kind;

struct PhotosFixture {
  TempTree tree;
  platform::ScriptedDialogService dialogs;
  int repaints = 0;
  ArchivePhotos photos{{tree.Folder("Temp"), dialogs, [this] { ++repaints; }}};
};

TEST(ArchivePaths, SplitAtTheArchiveFileIntoItsInnerPath) {
  TempTree tree;
  const QString zip = tree.File("Photos/trip.zip", "zip bytes");
  tree.Folder("Photos/album.zip/day1");
  const struct {
    QString folder;
    QString archive;
    QString inner;
  } cases[] = {
      {zip + "/day1/night", zip, "day1/night/"},      {zip + "/day1", zip, "day1/"}, {zip, zip, ""},
      {tree.Path("Photos/album.zip/day1"), "", ""},    // a folder named like an archive
      {tree.Path("Photos/album.zip/day1/x"), "", ""},  // below such a folder
      {tree.Path("Photos/nothing/here"), "", ""},     {zip + "//day1", "", ""},      {"", "", ""},
  };
  for (const auto& c : cases) {
    const ArchivePathSplit split = SplitArchivePath(c.folder);
    EXPECT_EQ(split.archive, c.archive) << c.folder.toStdString();
    EXPECT_EQ(split.inner, c.inner) << c.folder.toStdString();
  }
}

TEST(ArchivePaths, BrowsedKindsAreZipByItsExtensionAndWhatLibarchiveReads) {
  const struct {
    const char* name;
    TArchiverType type;
  } cases[] = {
      {"a.zip", TArchiverType::atZip},  {"a.ZIP", TArchiverType::atZip},
      {"a.cbz", TArchiverType::atZip},  {"a.jar", TArchiverType::atNone},
      {"a.7z", TArchiverType::at7z},    {"a.rar", TArchiverType::atRar},
      {"a.cbr", TArchiverType::atRar},  {"a.lzh", TArchiverType::atLha},
      {"a.tar", TArchiverType::atTar},  {"a.tgz", TArchiverType::atTgz},
      {"a.arj", TArchiverType::atNone}, {"a.exe", TArchiverType::atNone},
      {"a.jpg", TArchiverType::atNone},
  };
  for (const auto& c : cases) EXPECT_EQ(BrowsedType(c.name), c.type) << c.name;
}

TEST(ArchivePhotos, ListsEntriesAndNamesWhatDoesNotOpen) {
  PhotosFixture f;
  const QString zip = f.tree.File("a.zip", MakeZip({{"d/", {}, Kind::Folder}, {"d/x.jpg", "x"}}));
  EXPECT_EQ(f.photos.EntryNames(zip), (QStringList{"d/", "d/x.jpg"}));
  const QString broken = f.tree.File("broken.zip", "no zip");
  EXPECT_FALSE(f.photos.EntryNames(broken));
  EXPECT_EQ(f.photos.UnreadableMessage(broken).join(""),
            "ファイル「broken.zip」は、ZIP圧縮ファイルではないようです。"
            "もしくは、ファイルが壊れている可能性があります。");
  EXPECT_EQ(f.photos.UnreadableMessage(f.tree.Path("b.7z")).first(),
            "ファイル「b.7z」は、7z 形式書庫ではないようです。");
  EXPECT_FALSE(f.photos.IsBrowsable(f.tree.File("c.jar", "x")));
}

TEST(ArchivePhotos, APhotoIsExtractedAndDeletedWhenItsWorkEnds) {
  PhotosFixture f;
  const QString zip = f.tree.File("trip.zip", MakeZip({{"day1/a.jpg", "A"}}));
  std::optional<library::ExtractedPhoto> photo =
      f.photos.ExtractPhoto(zip + "/day1/a.jpg", ArchivePhotos::Report::Message);
  ASSERT_TRUE(photo);
  EXPECT_EQ(photo->path, f.tree.Path("Temp/day1/a.jpg"));
  EXPECT_EQ(f.tree.Read("Temp/day1/a.jpg"), "A");
  {
    library::ExtractedFiles files;
    files.Add(photo->temporaryFiles);
  }
  EXPECT_FALSE(f.tree.Exists("Temp/day1/a.jpg"));
  EXPECT_TRUE(f.tree.Exists("Temp/day1"));  // folders stay until the program ends
  EXPECT_TRUE(f.dialogs.Records().empty());
}

TEST(ArchivePhotos, AnEditRecordBringsItsPhotoWhateverItsCase) {
  PhotosFixture f;
  const QString zip =
      f.tree.File("r.zip", MakeZip({{"d/IMG_1.JPG", "photo"}, {"d/IMG_1_jpg-001.ksm", "rec"}}));
  const auto photo =
      f.photos.ExtractPhoto(zip + "/d/IMG_1_jpg-001.ksm", ArchivePhotos::Report::Quiet);
  ASSERT_TRUE(photo);
  EXPECT_EQ(photo->temporaryFiles, (QStringList{f.tree.Path("Temp/d/IMG_1_jpg-001.ksm"),
                                                f.tree.Path("Temp/d/IMG_1.JPG")}));
  EXPECT_EQ(f.tree.Read("Temp/d/IMG_1.JPG"), "photo");
}

TEST(ArchivePhotos, ABrokenArchiveIsReportedOnlyWhenAsked) {
  PhotosFixture f;
  const QString broken = f.tree.File("broken.zip", "no zip");
  EXPECT_FALSE(f.photos.ExtractPhoto(broken + "/a.jpg", ArchivePhotos::Report::Quiet));
  EXPECT_TRUE(f.dialogs.Records().empty());
  EXPECT_FALSE(f.photos.ExtractPhoto(broken + "/a.jpg", ArchivePhotos::Report::Message));
  ASSERT_EQ(f.dialogs.Records().size(), 1u);
  EXPECT_EQ(f.dialogs.Records()[0].lines, f.photos.UnreadableMessage(broken));
  EXPECT_EQ(f.repaints, 2);
}

TEST(ArchivePhotos, NothingOutsideABrowsedArchiveAndNoDeleteOfARefusedName) {
  PhotosFixture f;
  const QString zip = f.tree.File("z.zip", MakeZip({{"a.jpg", "A"}}));
  const QString keep = f.tree.File("keep.jpg", "mine");
  EXPECT_FALSE(f.photos.ExtractPhoto(f.tree.Path("none/a.jpg"), ArchivePhotos::Report::Message));
  EXPECT_FALSE(
      f.photos.ExtractPhoto(f.tree.File("x.jar", "x") + "/a.jpg", ArchivePhotos::Report::Message));
  // A missing member keeps its own path, and leaves nothing to delete.
  const auto missing = f.photos.ExtractPhoto(zip + "/b.jpg", ArchivePhotos::Report::Message);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->path, zip + "/b.jpg");
  EXPECT_TRUE(missing->temporaryFiles.isEmpty());
  // A path that climbs out of the archive names a file outside Temp: it is neither extracted
  // nor handed out for deletion.
  const auto climbing = f.photos.ExtractPhoto(zip + "/../keep.jpg", ArchivePhotos::Report::Quiet);
  if (climbing) {
    EXPECT_TRUE(climbing->temporaryFiles.isEmpty());
  }
  EXPECT_EQ(f.tree.Read("keep.jpg"), "mine");
  EXPECT_TRUE(f.dialogs.Records().empty());
  (void)keep;
}

}  // namespace
}  // namespace kasumori::archive
