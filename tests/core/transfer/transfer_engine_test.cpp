// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/transfer_engine.h"

#include "transfer/transfer_commands.h"
#include "transfer/transfer_texts.h"
#include "transfer_fixture.h"

#include <QFileInfo>

namespace kasumori::transfer::testing {
namespace {

const QDate kJune28{2004, 6, 28};
const QDate kJuly1{2004, 7, 1};
const TransferOptions kFlat{false, true, false};  // no date folders

TEST_F(TransferTest, WithMoviesOffOnlyThePhotoGoesAndItsCountIsOneFullWidthDigit) {
  Photo("card/IMG_0001.JPG", kJune28);
  Photo("card/MVI_0002.AVI", kJune28);
  const TransferEngine& run = Run(Job(TransferMode::FromCamera, {false, false, false}));
  EXPECT_EQ(Files("pc"), QStringList{"IMG_0001.JPG"});
  EXPECT_EQ(shown, QStringList{"あと１枚です 「IMG_0001.JPG」を転送"});
  EXPECT_EQ(run.Progress(), 100);
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(TransferTest, TenFilesCountInOrdinaryDigitsAndKeepTheirTimesAndBytes) {
  for (int i = 0; i < 10; ++i) Photo(QString("card/DSC%1.JPG").arg(i), kJune28, QByteArray(i, 'p'));
  Run(Job(TransferMode::FromCamera, kFlat));
  ASSERT_EQ(shown.size(), 10);
  EXPECT_EQ(shown.first(), "あと10枚です 「DSC0.JPG」を転送");
  EXPECT_EQ(shown.last(), "あと１枚です 「DSC9.JPG」を転送");
  EXPECT_EQ(Files("pc").size(), 10);
  EXPECT_EQ(tree.Read("pc/DSC7.JPG"), QByteArray(7, 'p'));
  EXPECT_EQ(QFileInfo(tree.Path("pc/DSC7.JPG")).lastModified(),
            QFileInfo(tree.Path("card/DSC7.JPG")).lastModified());
}

TEST_F(TransferTest, TwoDatesLandInTheirDateFoldersAndTheEarlierOneOpens) {
  Photo("card/B.JPG", kJuly1);
  Photo("card/A.JPG", kJune28);
  const TransferJob job = Job(TransferMode::FromCamera);
  const AfterRun after = AfterTransfer(job, Run(job));
  EXPECT_EQ(Files("pc/04-0628"), QStringList{"A.JPG"});
  EXPECT_EQ(Files("pc/04-0701"), QStringList{"B.JPG"});
  EXPECT_EQ(after.kind, AfterRun::Kind::OpenFolder);
  EXPECT_EQ(after.folder, pc + "/04-0628");
}

// The card lists its files by name: the first of the two is handled first.
struct ShownCase {
  const char* name;
  const char* first;
  QDate firstDay;
  const char* second;
  QDate secondDay;
  config::SortOrder order;
  const char* shown;
};

class ShownAfterwardsTest : public TransferTest, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(ShownAfterwardsTest, TheFirstFileStaysUnlessAnEarlierPhotoComes) {
  Photo(QString("card/") + GetParam().first, GetParam().firstDay);
  Photo(QString("card/") + GetParam().second, GetParam().secondDay);
  TransferJob job = Job(TransferMode::FromCamera, kFlat);
  job.sortOrder = GetParam().order;
  const AfterRun after = AfterTransfer(job, Run(job));
  EXPECT_EQ(after.kind, AfterRun::Kind::ShowPhoto);
  EXPECT_EQ(after.name, GetParam().shown);
}

using enum config::SortOrder;
INSTANTIATE_TEST_SUITE_P(Order, ShownAfterwardsTest,
                         ::testing::Values(ShownCase{"APhotoAfterAMovieIsNotShownWhenLater",
                                                     "A.MOV", kJune28, "B.JPG", kJuly1, FileName,
                                                     "A.MOV"},
                                           ShownCase{"APhotoLaterByDate", "A.MOV", kJune28, "B.JPG",
                                                     kJuly1, FileDate, "A.MOV"},
                                           ShownCase{"APhotoEarlierByDate", "A.MOV", kJuly1,
                                                     "B.JPG", kJune28, FileDate, "B.JPG"},
                                           ShownCase{"AnEarlierMovieAfterAPhoto", "A.JPG", kJuly1,
                                                     "B.MOV", kJune28, FileDate, "A.JPG"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferTest, TowardsTheCameraNoDateFolderAndAThreeLineQuestion) {
  Photo("pc/A.JPG", kJune28, "new");
  Photo("card/A.JPG", kJune28, "old");
  dialogs.Answer(1);
  const TransferJob job = Job(TransferMode::ToCamera, {false, true, true});
  EXPECT_EQ(AfterTransfer(job, Run(job)).kind, AfterRun::Kind::Stay);
  EXPECT_EQ(QDir(card).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines.size(), 3);
  EXPECT_EQ(tree.Read("card/A.JPG"), "old");
}

struct OverwriteCase {
  const char* name;
  std::vector<int> answers;
  int questions;
  QList<QByteArray> targets;  // A, B, C afterwards
};

class OverwriteTest : public TransferTest, public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(OverwriteTest, AnswersForAllAreAskedOnceAndNoKeepsTheTarget) {
  for (const char* name : {"A.JPG", "B.JPG", "C.JPG"}) {
    Photo(QString("card/") + name, kJune28, "new");
    Photo(QString("pc/") + name, kJune28, "old");
  }
  for (int answer : GetParam().answers) dialogs.Answer(answer);
  Run(Job(TransferMode::FromCamera, kFlat));
  EXPECT_EQ(int(dialogs.Records().size()), GetParam().questions);
  const QList<QByteArray> targets = {tree.Read("pc/A.JPG"), tree.Read("pc/B.JPG"),
                                     tree.Read("pc/C.JPG")};
  EXPECT_EQ(targets, GetParam().targets);
  EXPECT_EQ(int(trash.trashed.size()), int(GetParam().targets.count("new")));
  EXPECT_EQ(Files("pc").size(), 3) << "no temporary file is left";
  EXPECT_EQ(Files("card").size(), 3);
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwriteTest,
                         ::testing::Values(OverwriteCase{"AllYes", {4}, 1, {"new", "new", "new"}},
                                           OverwriteCase{"AllNo", {3}, 1, {"old", "old", "old"}},
                                           OverwriteCase{
                                               "NoThenYes", {1, 2, 0}, 3, {"old", "new", "old"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferTest, ReadOnlyPhotosAreSkippedUnlessAllowed) {
  Photo("card/LOCKED.JPG", kJune28);
  QFile::setPermissions(tree.Path("card/LOCKED.JPG"), QFile::ReadOwner | QFile::ReadUser);
  Run(Job(TransferMode::FromCamera, {false, true, false}));
  EXPECT_TRUE(Files("pc").isEmpty());
  Run(Job(TransferMode::FromCamera, {true, true, false}));
  EXPECT_EQ(Files("pc"), QStringList{"LOCKED.JPG"});
}

TEST_F(TransferTest, ACameraFolderThatIsTheSelectedFolderCopiesNothingOntoItself) {
  Photo("pc/A.JPG", kJune28, "only copy");
  TransferJob job = Job(TransferMode::FromCamera, kFlat);
  job.sourceFolder = pc;
  Run(job);
  EXPECT_EQ(tree.Read("pc/A.JPG"), "only copy");
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_TRUE(trash.trashed.isEmpty());
}

TEST_F(TransferTest, CardNamesOddNamesAndLongExtensionsAllArriveButFoldersDoNot) {
  const QStringList names = {
      "IMG_0001.JPG", "img_0001.jpg",  "DSC 1(1).jpeg", "写真.TIFF",
      ".hidden.jpg",  "MVI_0003.MPEG", "P1000.bmp",     QString(82, u'長') + ".JPG"};
  for (const QString& name : names) Photo("card/" + name, kJune28);
  tree.Folder("card/NOT_A_PHOTO.JPG");
  tree.File("card/notes.txt");
  Run(Job(TransferMode::FromCamera, kFlat));
  // A name taken in another letter case counts as taken: the second of the two is asked
  // about (and here kept back).
  ASSERT_EQ(dialogs.Records().size(), 1u);
  const QString asked = dialogs.Records()[0].lines[1].mid(1).chopped(1);
  QStringList expected = names;
  EXPECT_TRUE(expected.removeOne(asked)) << asked.toStdString();
  expected.sort();
  EXPECT_EQ(Files("pc"), expected);
}

TEST_F(TransferTest, AFolderInTheWayIsNeverReplacedAndTheRunStops) {
  Photo("card/A.JPG", kJune28);
  tree.File("pc/A.JPG/inside.jpg");
  Run(Job(TransferMode::FromCamera, kFlat));
  EXPECT_TRUE(tree.Exists("pc/A.JPG/inside.jpg"));
  EXPECT_TRUE(trash.trashed.isEmpty());
  EXPECT_EQ(dialogs.LastText(), CopyFailedLines().join("\n"));
}

TEST_F(TransferTest, CancelStopsBeforeTheNextFile) {
  Photo("card/A.JPG", kJune28);
  Photo("card/B.JPG", kJune28);
  TransferEngine engine({{fs, trash, dialogs, folders, {}}, clock.NewTimer(), clock.NewTimer()},
                        Job(TransferMode::FromCamera, kFlat), {});
  engine.Begin();
  clock.Advance(1);
  engine.Cancel();
  clock.RunOut();
  EXPECT_EQ(Files("pc"), QStringList{"A.JPG"});
  EXPECT_FALSE(engine.Running());
}

TEST_F(TransferTest, TheCaptionCountsDotsEveryHalfSecond) {
  testkit::ManualClock captionClock;
  TransferEngine engine(
      {{fs, trash, dialogs, folders, {}}, clock.NewTimer(), captionClock.NewTimer()},
      Job(TransferMode::FromCamera), {});
  engine.Begin();
  QStringList captions = {engine.Caption()};
  for (int i = 0; i < 3; ++i) {
    captionClock.Advance(500);
    captions << engine.Caption();
  }
  EXPECT_EQ(captions, (QStringList{"転送しています。", "転送しています。。", "転送しています。。。",
                                   "転送しています。"}));
}

}  // namespace
}  // namespace kasumori::transfer::testing
