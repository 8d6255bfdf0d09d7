// SPDX-License-Identifier: GPL-3.0-or-later
// Copies that go wrong: whatever fails, every source stays whole, no partial file is left at
// the target, the old target of a replacement stays in place, and the run stops with a notice.
#include "transfer/transfer_commands.h"
#include "transfer/transfer_texts.h"
#include "transfer_fixture.h"

#include "support/file_size_limit.h"

#include <QTemporaryDir>

#include <sys/stat.h>

namespace kasumori::transfer::testing {
namespace {

const QDate kDay{2005, 6, 28};
const TransferOptions kFlat{false, true, false};

struct FaultCase {
  const char* name;
  void (*fault)(library::fileops_testing::FaultyFileSystem&);
};

class CopyFaultTest : public TransferTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(CopyFaultTest, StopsAtTheFirstFileAndLeavesEverySourceWhole) {
  const QByteArray bytes(64 << 10, 'j');
  Photo("card/A.JPG", kDay, bytes);
  Photo("card/B.JPG", kDay, bytes);
  GetParam().fault(fs);
  Run(Job(TransferMode::FromCamera, kFlat));
  EXPECT_TRUE(Files("pc").isEmpty()) << Files("pc").join(", ").toStdString();
  EXPECT_EQ(tree.Read("card/A.JPG"), bytes);
  EXPECT_EQ(tree.Read("card/B.JPG"), bytes);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines, CopyFailedLines());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CopyFaultTest,
    ::testing::Values(FaultCase{"DiskFullMidway", [](auto& fs) { fs.copyStopsAfter = 1000; }},
                      FaultCase{"ShortCopy", [](auto& fs) { fs.copyDropsBytes = true; }},
                      FaultCase{"AlteredCopy", [](auto& fs) { fs.copyAltersBytes = true; }},
                      FaultCase{"NoRoomAtAll", [](auto& fs) { fs.freeSpace = 10; }}),
    [](const auto& info) { return std::string(info.param.name); });

// Places the copies cannot go: each is the copy's failure, never a photo passed over quietly.
struct TargetCase {
  const char* name;
  bool dateFolders;
  const char* target;     // relative to the tree
  const char* fileInWay;  // a file where the date folder would be, or nothing
};

class MissingTargetTest : public TransferTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(MissingTargetTest, TheCopyFailsWithTheNoticeAndTheSourceStays) {
  Photo("card/A.JPG", kDay, "photo");
  if (GetParam().fileInWay) tree.File(GetParam().fileInWay, "not a folder");
  TransferJob job = Job(TransferMode::FromCamera, {false, true, GetParam().dateFolders});
  job.targetFolder = tree.Path(GetParam().target);
  const TransferEngine& run = Run(job);
  EXPECT_EQ(run.Handled(), 0);
  EXPECT_EQ(AfterTransfer(job, run).kind, AfterRun::Kind::Stay);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines, CopyFailedLines());
  EXPECT_EQ(tree.Read("card/A.JPG"), "photo");
  if (GetParam().fileInWay) {
    EXPECT_EQ(tree.Read(GetParam().fileInWay), "not a folder");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, MissingTargetTest,
    ::testing::Values(TargetCase{"DateFolderNameTakenByAFile", true, "pc", "pc/05-0628"},
                      TargetCase{"TargetGone", false, "gone", nullptr},
                      TargetCase{"TargetGoneWithDateFolders", true, "gone", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferTest, CopiesTheDiskCouldNotTakeAreReportedAndNotShown) {
  Photo("card/A.JPG", kDay, "photo");
  fs.flushFails = true;
  const TransferJob job = Job(TransferMode::FromCamera);
  EXPECT_EQ(AfterTransfer(job, Run(job)).kind, AfterRun::Kind::Stay);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines, CopyFailedLines());
  EXPECT_EQ(tree.Read("card/A.JPG"), "photo");
}

TEST_F(TransferTest, AFullDiskDuringAReplacementKeepsTheOldTarget) {
  Photo("card/A.JPG", kDay, "new photo");
  Photo("pc/A.JPG", kDay, "old photo");
  dialogs.Answer(2);
  fs.copyStopsAfter = 3;
  Run(Job(TransferMode::FromCamera, kFlat));
  EXPECT_EQ(tree.Read("pc/A.JPG"), "old photo");
  EXPECT_TRUE(trash.trashed.isEmpty());
  EXPECT_EQ(Files("pc"), QStringList{"A.JPG"});
}

TEST_F(TransferTest, ATrashThatRefusesEndsTheRunWithTheTargetInPlace) {
  Photo("card/A.JPG", kDay, "new photo");
  Photo("card/B.JPG", kDay, "next photo");
  Photo("pc/A.JPG", kDay, "old photo");
  dialogs.Answer(2);
  trash.works = false;
  Run(Job(TransferMode::FromCamera, kFlat));
  EXPECT_EQ(tree.Read("pc/A.JPG"), "old photo");
  EXPECT_EQ(Files("pc"), QStringList{"A.JPG"}) << "B is not copied after the failure";
  EXPECT_EQ(dialogs.Records().back().lines, TrashFailedLines());
}

// The selected folder on another file system (tmpfs), as a card in a reader is.
class OtherFileSystemTest : public TransferTest {
 protected:
  void SetUp() override {
    struct stat shm {
    }, here{};
    if (::stat("/dev/shm", &shm) != 0 ||
        (::stat(QFile::encodeName(tree.Path()).constData(), &here) == 0 &&
         here.st_dev == shm.st_dev)) {
      GTEST_SKIP() << "needs /dev/shm on a file system of its own";
    }
    ASSERT_TRUE(other.isValid());
  }
  QTemporaryDir other{"/dev/shm/kasumori-transfer-XXXXXX"};
};

TEST_F(OtherFileSystemTest, CopiesArriveWholeAndARunOutOfRoomLeavesNoPart) {
  const QByteArray big(3 << 20, 'b');
  Photo("card/SMALL.JPG", kDay, "small");
  Photo("card/TOOBIG.JPG", kDay, big);
  TransferJob job = Job(TransferMode::FromCamera, kFlat);
  job.targetFolder = other.path();
  {
    testkit::FileSizeLimit limit(1 << 20);
    Run(job);
  }
  EXPECT_EQ(QDir(other.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"SMALL.JPG"});
  EXPECT_EQ(tree.Read("card/TOOBIG.JPG"), big);
  EXPECT_EQ(dialogs.Records().back().lines, CopyFailedLines());
}

}  // namespace
}  // namespace kasumori::transfer::testing
