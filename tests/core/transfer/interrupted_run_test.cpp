// SPDX-License-Identifier: GPL-3.0-or-later
// A run after one that never finished, and a disk that fails to write copies back after they
// were reported done: the photos stay whole, and nothing is taken for a copy that is not one.
#include "transfer/transfer_commands.h"
#include "transfer/transfer_texts.h"
#include "transfer_fixture.h"

namespace kasumori::transfer::testing {
namespace {

const QDate kDay{2005, 6, 28};
const TransferOptions kFlat{false, true, false};
const QByteArray kWhole = "the whole photo, every byte of it";

struct LeftOverCase {
  const char* name;
  QByteArray contents;  // of ".A.JPG.part" in the selected folder before the run
  bool kept;            // left alone: it holds bytes that are not the photo's
};

class LeftOverTest : public TransferTest, public ::testing::WithParamInterface<LeftOverCase> {};

TEST_P(LeftOverTest, TheCopyArrivesAndOnlyAStartOfThePhotoIsTakenOver) {
  Photo("card/A.JPG", kDay, kWhole);
  tree.File("pc/.A.JPG.part", GetParam().contents);
  const TransferEngine& run = Run(Job(TransferMode::FromCamera, kFlat));
  EXPECT_EQ(run.Handled(), 1);
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_EQ(tree.Read("pc/A.JPG"), kWhole);
  if (GetParam().kept) {
    EXPECT_EQ(Files("pc"), (QStringList{".A.JPG.part", "A.JPG"}));
    EXPECT_EQ(tree.Read("pc/.A.JPG.part"), GetParam().contents);
  } else {
    EXPECT_EQ(Files("pc"), QStringList{"A.JPG"});
  }
}

INSTANTIATE_TEST_SUITE_P(
    LeftOvers, LeftOverTest,
    ::testing::Values(LeftOverCase{"Empty", "", false},
                      LeftOverCase{"FirstByte", kWhole.left(1), false},
                      LeftOverCase{"HalfWritten", kWhole.left(kWhole.size() / 2), false},
                      LeftOverCase{"WholeButNeverRenamed", kWhole, false},
                      LeftOverCase{"OneByteLonger", kWhole + "x", true},
                      LeftOverCase{"LastByteDiffers", kWhole.chopped(1) + "X", true},
                      LeftOverCase{"AnotherFile", "somebody else's", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferTest, ALeftOverBehindANameTakenByAnotherFileIsTakenOverToo) {
  Photo("card/A.JPG", kDay, kWhole);
  tree.File("pc/.A.JPG.part", "somebody else's");
  tree.File("pc/.A.JPG.part1", kWhole.left(5));
  Run(Job(TransferMode::FromCamera, kFlat));
  EXPECT_EQ(Files("pc"), (QStringList{".A.JPG.part", "A.JPG"}));
  EXPECT_EQ(tree.Read("pc/A.JPG"), kWhole);
}

TEST_F(TransferTest, ACopyCutShortByAnExceptionLeavesNoTemporary) {
  Photo("card/A.JPG", kDay, kWhole);
  fs.copyThrows = true;
  EXPECT_THROW(Run(Job(TransferMode::FromCamera, kFlat)), std::bad_alloc);
  EXPECT_TRUE(Files("pc").isEmpty()) << Files("pc").join(", ").toStdString();
  EXPECT_EQ(tree.Read("card/A.JPG"), kWhole);
}

// A temporary in the folder a run reads from is no photo, whatever name it carries.
struct ListedCase {
  const char* name;
  TransferMode mode;
  const char* leftOver;  // relative to the tree
};

class LeftOverNotListedTest : public TransferTest,
                              public ::testing::WithParamInterface<ListedCase> {};

TEST_P(LeftOverNotListedTest, OnlyThePhotoIsHandled) {
  const QString folder = GetParam().mode == TransferMode::SortByDate ? "pc" : "card";
  Photo(folder + "/A.JPG", kDay, kWhole);
  Photo(GetParam().leftOver, kDay, kWhole.left(4));
  const TransferEngine& run = Run(Job(GetParam().mode, {false, true, true}));
  EXPECT_EQ(run.Total(), 1);
  EXPECT_EQ(run.Handled(), 1);
  EXPECT_EQ(tree.Read("pc/05-0628/A.JPG"), kWhole);
  EXPECT_EQ(Files("pc/05-0628"), QStringList{"A.JPG"});
}

INSTANTIATE_TEST_SUITE_P(
    Listing, LeftOverNotListedTest,
    ::testing::Values(ListedCase{"OnTheCard", TransferMode::FromCamera, "card/.B.JPG.part"},
                      ListedCase{"NumberedOnTheCard", TransferMode::FromCamera,
                                 "card/.B.JPG.part2"},
                      ListedCase{"InTheSortedFolder", TransferMode::SortByDate, "pc/.B.JPG.part"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every copy looks whole when it is made; the disk reports its failure to write them back only
// to those who were watching it then.
TEST_F(TransferTest, AWriteBackThatFailedDuringTheRunIsReportedAtItsEnd) {
  Photo("card/A.JPG", kDay, "first");
  Photo("card/B.JPG", kDay, "second");
  fs.writeBackFails = true;
  const TransferJob job = Job(TransferMode::FromCamera, kFlat);
  const TransferEngine& run = Run(job);
  EXPECT_EQ(run.Handled(), 2);
  EXPECT_FALSE(run.Picture().has_value());
  EXPECT_EQ(AfterTransfer(job, run).kind, AfterRun::Kind::Stay);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines, CopyFailedLines());
  EXPECT_EQ(tree.Read("card/A.JPG"), "first");
  EXPECT_EQ(closed, 1);
}

}  // namespace
}  // namespace kasumori::transfer::testing
