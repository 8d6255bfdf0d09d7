// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/list_fixture.h"
#include "library/folder_listing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace kasumori::library {
namespace {

using Names = QStringList;

// The listed names without their order, for tests about which files are listed.
Names Sorted(Names names) {
  names.sort();
  return names;
}

TEST(Companions, ARecordHidesItsPhotoWhateverTheLetterCase) {
  ListFixture f;
  f.tree.File("IMG_0001.jpg");
  f.tree.File("IMG_0001_jpg.ksm");
  f.tree.File("IMG_0002.JPG");
  f.tree.File("img_0002_JPG.KSM");  // another case than the photo's
  f.tree.File("IMG_0003.jpeg");
  f.tree.File("IMG_0003_jpeg-002.ksm");  // a numbered record lists beside its photo
  f.tree.File("IMG_0004.jpg");
  f.tree.File("IMG_0004_jpg-000.ksm");  // 000 is no record number: the photo stays
  f.tree.File("IMG_0005.tiffany");      // the whole extension names the record
  f.tree.File("IMG_0005_tiffany.ksm");
  EXPECT_EQ(Sorted(f.Scan()), Sorted({"IMG_0001_jpg.ksm", "img_0002_JPG.KSM", "IMG_0003.jpeg",
                                      "IMG_0003_jpeg-002.ksm", "IMG_0004.jpg",
                                      "IMG_0004_jpg-000.ksm", "IMG_0005_tiffany.ksm"}));
}

TEST(Companions, ARecordWithoutItsPhotoIsListedAndAFolderHidesNothing) {
  ListFixture f;
  f.tree.File("lonely_jpg.ksm");
  f.tree.File("a.jpg");
  f.tree.Folder("a_jpg.ksm");
  EXPECT_EQ(Sorted(f.Scan()), Sorted({"a.jpg", "lonely_jpg.ksm"}));
}

TEST(ExtensionRule, ListsFilesWhoseFirstFiveExtensionCharactersAreAPhotoType) {
  ListFixture f;
  for (const char* name : {"a.JPG", "b.Jpeg", "c.txt", "d.tiffany", "e", "f.jp", "g.jpg.txt",
                           ".hidden.bmp", "h.Tif", "i.jpe"}) {
    f.tree.File(name);
  }
  f.tree.Folder("folder.jpg");
  EXPECT_EQ(Sorted(f.Scan()),
            Sorted({".hidden.bmp", "a.JPG", "b.Jpeg", "d.tiffany", "h.Tif", "i.jpe"}));
}

TEST(ExtensionRule, PluginFiltersJoinTheTableUpToItsCapacity) {
  PhotoExtensions table;
  table.AddPluginFilter("*.PIC;*.mag;*.jpg");
  EXPECT_TRUE(table.IsPhotoName("x.pic"));
  EXPECT_TRUE(table.IsPhotoName("x.MAG"));
  EXPECT_TRUE(table.PluginJpeg());
  EXPECT_FALSE(table.PluginBmp());
  EXPECT_EQ(table.Entries().mid(7), (Names{".pic", ".mag", ".jpg"}));  // duplicates kept
  QStringList many;
  for (int i = 0; i < 2000; ++i) many << QString("*.x%1").arg(i);
  table.AddPluginFilter(many.join(';'));
  EXPECT_EQ(table.Count(), PhotoExtensions::kMaxEntries);
  EXPECT_EQ(table.Entries().last(), ".x990");  // the 1001st entry is still added
}

TEST(EmptyPhotoFolder, GivesNoPhotosAndNoCurrentPhoto) {
  ListFixture f;
  f.tree.File("notes.txt");
  EXPECT_TRUE(f.Scan().isEmpty());
  EXPECT_EQ(f.list->CurrentIndex, 0);
  EXPECT_EQ(f.resets, 1);
  EXPECT_EQ(f.watched, f.tree.Path());
  EXPECT_TRUE(f.folders.WatchEnabled);
  EXPECT_TRUE(f.dialogs.Records().empty());
}

TEST(EmptyPhotoFolder, NoCurrentFolderEmptiesTheListAndKeepsTheIndex) {
  ListFixture f;
  f.tree.File("a.jpg");
  f.Scan();
  f.list->CurrentIndex = 1;
  f.folders.CurrentFolder.clear();
  EXPECT_TRUE(f.Scan().isEmpty());
  EXPECT_EQ(f.list->CurrentIndex, 1);
  EXPECT_TRUE(f.list->PhotoNames[0].isNull());  // the old name is released
}

void FillFolder(testkit::TempTree& tree, int photos) {
  for (int i = 0; i < photos; ++i) tree.File(QString("p%1.jpg").arg(i, 5, 10, QChar('0')), "");
}

TEST(Capacity, TenThousandPhotosAreListedWithoutNotice) {
  ListFixture f;
  FillFolder(f.tree, kMaxPhotos);
  f.Scan();
  EXPECT_EQ(f.list->PhotoCount, kMaxPhotos);
  EXPECT_TRUE(f.dialogs.Records().empty());
}

TEST(Capacity, OneMoreShowsTheNoticeOnceAndListsTheFirstTenThousandFound) {
  ListFixture f;
  FillFolder(f.tree, kMaxPhotos + 1);
  f.tree.File("zz_extra.jpg");
  f.Scan();
  EXPECT_EQ(f.list->PhotoCount, kMaxPhotos);
  ASSERT_EQ(f.dialogs.Records().size(), 1u);
  EXPECT_EQ(
      f.dialogs.LastText(),
      QString::fromUtf8("フォルダ内に10000枚以上の写真があります。\n10000枚まで読み込めます。"));
  std::vector<ListedPhoto> found;
  ASSERT_TRUE(ListFolderPhotos(f.tree.Path(), f.extensions, found));
  QSet<QString> firstFound;
  for (int i = 0; i < kMaxPhotos; ++i) firstFound.insert(found[std::size_t(i)].name);
  for (const QString& name : f.Names())
    EXPECT_TRUE(firstFound.contains(name)) << name.toStdString();
}

TEST(Listing, SkipsPipesAndBrokenLinksAndFollowsGoodLinks) {
  ListFixture f;
  f.tree.File("real.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(f.tree.Path("pipe.jpg")).constData(), 0600), 0);
  QFile::link(f.tree.Path("real.jpg"), f.tree.Path("link.jpg"));
  QFile::link(f.tree.Path("gone.jpg"), f.tree.Path("broken.jpg"));
  EXPECT_EQ(Sorted(f.Scan()), Sorted({"link.jpg", "real.jpg"}));
}

TEST(Listing, LeavesOutNamesThatCouldNotBeOpenedAgain) {
  ListFixture f;
  f.tree.File("good.jpg");
  const QByteArray raw = QFile::encodeName(f.tree.Path()) + "/bad\xff\xfe.jpg";
  const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  ::close(fd);
  EXPECT_EQ(f.Scan(), (Names{"good.jpg"}));

  PhotoExtensions extensions;
  const QString longName = QString(252, QChar('x')) + ".jpg";  // 256 code points
  const auto photos = ArchiveFolderPhotos({longName, "ok.jpg"}, "", extensions);
  ASSERT_EQ(photos.size(), 1u);
  EXPECT_EQ(photos[0].name, "ok.jpg");
}

class FakeArchives final : public ArchiveLister {
 public:
  std::optional<QStringList> EntryNames(const QString& archivePath) override {
    asked << archivePath;
    if (broken) return std::nullopt;
    return entries;
  }
  QStringList entries;
  QStringList asked;
  bool broken = false;
};

TEST(ArchiveFolders, ListTheInnerFolderExactlyWithRecordsAndNoFileDates) {
  ListFixture f;
  FakeArchives archives;
  archives.entries = {"day1/",      "day1/b.jpg",     "day1/a.JPG", "day1/a_jpg.KSM",
                      "Day1/c.jpg", "day1/sub/d.jpg", "e.jpg",      "day1/notes.txt"};
  f.controller.SetArchiveLister(&archives);
  const QString zip = f.tree.File("trip.ZIP", "not really a zip");
  f.folders.CurrentFolder = zip + "/day1";
  EXPECT_EQ(Sorted(f.Scan()), Sorted({"a_jpg.KSM", "b.jpg"}));
  EXPECT_EQ(archives.asked, (Names{zip}));
  EXPECT_EQ(f.list->FileDateKeys[0], kNoFileDate);
  EXPECT_EQ(f.watched, f.tree.Path());  // the archive's folder is watched

  f.folders.CurrentFolder = zip;
  EXPECT_EQ(f.Scan(), (Names{"e.jpg"}));
  archives.broken = true;
  EXPECT_TRUE(f.Scan().isEmpty());
}

TEST(ArchiveFolders, OtherArchivesMissingPathsAndNoArchiveComponentListNothing) {
  ListFixture f;
  FakeArchives archives;
  archives.entries = {"a.jpg"};
  f.folders.CurrentFolder = f.tree.File("trip.lzh") + "/x";
  EXPECT_TRUE(f.Scan().isEmpty());  // no archive component yet
  f.controller.SetArchiveLister(&archives);
  EXPECT_TRUE(f.Scan().isEmpty());
  f.folders.CurrentFolder = f.tree.Path("missing/deeper");
  EXPECT_TRUE(f.Scan().isEmpty());
  EXPECT_TRUE(archives.asked.isEmpty());
  EXPECT_EQ(f.watched, f.tree.Path());
}

TEST(ArchiveFolders, FindContainingArchiveSplitsAtTheFirstExistingFile) {
  testkit::TempTree tree;
  const QString zip = tree.File("a/trip.zip");
  const auto inner = FindContainingArchive(zip + "/day1/morning");
  ASSERT_TRUE(inner);
  EXPECT_EQ(inner->archivePath, zip);
  EXPECT_EQ(inner->innerFolder, "day1/morning/");
  EXPECT_EQ(FindContainingArchive(zip)->innerFolder, "");
  EXPECT_FALSE(FindContainingArchive(tree.Path("a/none/x")));
  EXPECT_FALSE(FindContainingArchive(zip + "//day1"));
}

}  // namespace
}  // namespace kasumori::library
