// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting the current folder into date folders: the checks, and the engine's moving mode with
// the photos' edit records and cached thumbnails.
#include "transfer/transfer_commands.h"

#include "library/fileops/companion_files.h"
#include "thumbfiles/thumbnail_files.h"
#include "transfer_fixture.h"

namespace kasumori::transfer::testing {
namespace {

class DateSortTest : public TransferTest {
 protected:
  DateSortTest() {
    settings.PhotoFolder1 = tree.Path();
    settings.TransferReadOnly = 0;
    settings.TransferMovies = 0;
    settings.TransferToDateFolders = 0;
    folders.CurrentFolder = pc;
    folders.CurrentSlot = 1;
  }
  std::optional<TransferJob> Prepare() {
    return PrepareDateSort(dialogs, fs, folders, settings, tree.Path("Thumbnail"));
  }
  QString Thumbnail(const QString& folder, const QString& name) const {
    return *library::CachedThumbnail({tree.Path("Thumbnail"), 1, tree.Path()}, folder, name);
  }
  config::Settings settings;
};

TEST_F(DateSortTest, ThreeDaysGiveThreeFoldersAndTheEarliestOpens) {
  Photo("pc/C.JPG", {2005, 7, 2});
  Photo("pc/A.JPG", {2005, 6, 28});
  Photo("pc/B.MOV", {2005, 6, 27});
  Photo("pc/D.JPG", {2005, 7, 1});
  QFile::setPermissions(tree.Path("pc/D.JPG"), QFile::ReadOwner);
  dialogs.Answer(1);
  const auto job = Prepare();
  ASSERT_TRUE(job);
  const AfterRun after = AfterTransfer(*job, Run(*job));
  EXPECT_EQ(Files("pc"), QStringList{});
  EXPECT_EQ(Files("pc/05-0627"), QStringList{"B.MOV"});
  EXPECT_EQ(Files("pc/05-0628"), QStringList{"A.JPG"});
  EXPECT_EQ(Files("pc/05-0701"), QStringList{"D.JPG"}) << "read-only photos are sorted too";
  EXPECT_EQ(Files("pc/05-0702"), QStringList{"C.JPG"});
  // A movie is not shown: the earliest photo's folder opens.
  EXPECT_EQ(after.folder, pc + "/05-0628");
  EXPECT_EQ(OptionsOf(settings).dateFolders, false) << "the user's settings stay as they were";
}

TEST_F(DateSortTest, EditRecordsAndTheCachedThumbnailGoWithTheirPhoto) {
  Photo("pc/A.JPG", {2005, 6, 28}, "photo");
  tree.File("pc/A_jpg.ksm", "record");
  tree.File("pc/A_jpg-002.ksm", "second record");
  const QString thumbnail = Thumbnail(pc, "A.JPG");
  tree.File(thumbnail.mid(tree.Path().size() + 1), "thumbnail");
  dialogs.Answer(1);
  Run(*Prepare());
  EXPECT_EQ(Files("pc/05-0628"), (QStringList{"A.JPG", "A_jpg-002.ksm", "A_jpg.ksm"}));
  EXPECT_FALSE(QFile::exists(thumbnail));
  EXPECT_TRUE(QFile::exists(Thumbnail(pc + "/05-0628", "A.JPG")));
}

TEST_F(DateSortTest, ANameTakenInTheDateFolderIsAskedAndNoLeavesBoth) {
  Photo("pc/A.JPG", {2005, 6, 28}, "new");
  Photo("pc/05-0628/A.JPG", {2005, 6, 28}, "old");
  Photo("pc/B.JPG", {2005, 6, 28}, "next");
  dialogs.Answer(1);  // sort
  dialogs.Answer(1);  // いいえ
  Run(*Prepare());
  EXPECT_EQ(tree.Read("pc/A.JPG"), "new");
  EXPECT_EQ(tree.Read("pc/05-0628/A.JPG"), "old");
  EXPECT_EQ(Files("pc/05-0628"), (QStringList{"A.JPG", "B.JPG"}));
  EXPECT_EQ(dialogs.Records()[1].lines.size(), 4);
}

TEST_F(DateSortTest, AnEmptyFolderMakesNothingAndTheWindowStays) {
  dialogs.Answer(1);
  const auto job = Prepare();
  EXPECT_EQ(AfterTransfer(*job, Run(*job)).kind, AfterRun::Kind::Stay);
  EXPECT_TRUE(QDir(pc).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

struct RefusalCase {
  const char* name;
  QString folder;  // relative to the tree; "-" for none at all
  int slot;
  int answer;
  const char* firstLine;
};

class DateSortRefusalTest : public DateSortTest,
                            public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(DateSortRefusalTest, NothingRunsAndTheNoticeSaysWhy) {
  folders.CurrentFolder = GetParam().folder == "-" ? QString() : tree.Path(GetParam().folder);
  folders.CurrentSlot = GetParam().slot;
  dialogs.Answer(GetParam().answer);
  EXPECT_FALSE(Prepare());
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines.first(), QString::fromUtf8(GetParam().firstLine));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, DateSortRefusalTest,
    ::testing::Values(
        RefusalCase{"InsideAnArchive", "pc/photos.zip/inner", 1, 1, "書庫(ZIP)ファイル内の写真は"},
        RefusalCase{"AnotherFolder", "pc", 0, 1, "このメニューは、選択中フォルダ内に"},
        RefusalCase{"NoFolder", "-", 1, 1, "このメニューは、選択中フォルダ内に"},
        RefusalCase{"Declined", "pc", 1, 2, "選択中フォルダ「pc」"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kasumori::transfer::testing
