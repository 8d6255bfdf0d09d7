// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/missing_source.h"

#include "support/fake_platform.h"
#include "support/faulty_file_system.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <QDir>

namespace kasumori::shell {
namespace {

constexpr int kYes = 1;
constexpr int kNo = 2;

// Two records of IMG_0001.jpg, whose photo has been moved to Found/holiday.JPG.
class MissingSourceTest : public ::testing::Test {
 protected:
  MissingSourceTest() {
    root = tree.Folder("Photos");
    tree.File("Photos/Trip/IMG_0001_jpg.ksm", "first");
    tree.File("Photos/Trip/IMG_0001_JPG-002.ksm", "second");
    tree.File("Photos/Trip/other_jpg.ksm", "other");
    tree.File("Photos/Found/holiday.JPG", "photo");
    tree.File("Thumbnail/01/Photos/Trip/IMG_0001_JPG-002_ksm.bmp", "thumb");
    folders.CurrentSlot = 1;
    folders.CurrentFolder = tree.Path("Photos/Trip");
  }
  library::FileOpsContext Context() {
    return {fs, trash, dialogs, folders, tree.Path("Thumbnail")};
  }
  MissingSourceCase Case(const QString& name = "IMG_0001_JPG-002.ksm") {
    return {{tree.Path("Photos/Trip"), name, 1, root}, tree.Path("Photos/Trip/IMG_0001.jpg")};
  }
  QStringList Files(const QString& folder) const {
    return QDir(tree.Path(folder)).entryList(QDir::Files, QDir::Name);
  }

  testkit::TempTree tree;
  library::fileops_testing::FaultyFileSystem fs;
  library::fileops_testing::FakeTrash trash;
  platform::ScriptedDialogService dialogs;
  testkit::FakePicker picker;
  library::FolderState folders;
  QString root;
};

TEST_F(MissingSourceTest, ChoosingThePhotoRenamesEveryRecordAfterIt) {
  dialogs.Answer(kYes);
  picker.answers << tree.Path("Photos/Found/holiday.JPG");
  const MissingSourceOutcome out = RunMissingSource(Context(), picker, Case());
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Text(0),
            "元の画像ファイル\nIMG_0001.jpg\nが存在しません。\n"
            "元の画像ファイルのある場所を指定しますか？");
  ASSERT_EQ(picker.openRequests.size(), 1u);
  EXPECT_EQ(picker.openRequests[0].title, "「IMG_0001_JPG-002.ksm」の元画像ファイルを指定");
  EXPECT_EQ(picker.openRequests[0].start, tree.Path("Photos/Trip/IMG_0001.jpg"));
  EXPECT_EQ(out.kind, MissingSourceOutcome::Kind::Relocated);
  EXPECT_EQ(out.recordPath, tree.Path("Photos/Found/holiday_JPG-002.ksm"));
  EXPECT_EQ(Files("Photos/Found"),
            (QStringList{"holiday.JPG", "holiday_JPG-002.ksm", "holiday_JPG.ksm"}));
  EXPECT_EQ(tree.Read("Photos/Found/holiday_JPG-002.ksm"), "second");
  EXPECT_EQ(Files("Photos/Trip"), QStringList{"other_jpg.ksm"});
  EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Found/holiday_JPG-002_ksm.bmp"));
  EXPECT_TRUE(folders.IgnoreNextChange);
}

TEST_F(MissingSourceTest, ATakenNameKeepsBothRecordsAndTheShownOneIsNotShownAgain) {
  tree.File("Photos/Found/holiday_JPG-002.ksm", "already there");
  dialogs.Answer(kYes);
  picker.answers << tree.Path("Photos/Found/holiday.JPG");
  const MissingSourceOutcome out = RunMissingSource(Context(), picker, Case());
  EXPECT_NE(out.kind, MissingSourceOutcome::Kind::Relocated);
  EXPECT_EQ(tree.Read("Photos/Found/holiday_JPG-002.ksm"), "already there");
  EXPECT_EQ(tree.Read("Photos/Trip/IMG_0001_JPG-002.ksm"), "second");
  EXPECT_TRUE(dialogs.LastText().startsWith("ファイルを移動できませんでした。"));
}

TEST_F(MissingSourceTest, NoThenYesTrashesTheShownRecordAndItsThumbnailOnly) {
  dialogs.Answer(kNo);
  dialogs.Answer(kYes);
  const MissingSourceOutcome out = RunMissingSource(Context(), picker, Case());
  ASSERT_EQ(dialogs.Records().size(), 2u);
  EXPECT_EQ(dialogs.Text(1),
            "Kasumori形式ファイル\nIMG_0001_JPG-002.ksm\nをごみ箱へ移動しますか？");
  EXPECT_EQ(out.kind, MissingSourceOutcome::Kind::Trashed);
  EXPECT_EQ(trash.trashed, QStringList{tree.Path("Photos/Trip/IMG_0001_JPG-002.ksm")});
  EXPECT_FALSE(tree.Exists("Thumbnail/01/Photos/Trip/IMG_0001_JPG-002_ksm.bmp"));
  EXPECT_TRUE(tree.Exists("Photos/Trip/IMG_0001_jpg.ksm"));
  EXPECT_TRUE(picker.openRequests.empty());
}

struct DeclineCase {
  const char* what;
  std::vector<int> answers;
  bool pickerCancels;
  bool slideshow;
  bool panorama;
  std::size_t questions;
};

TEST_F(MissingSourceTest, EveryWayOutLeavesTheFilesAndReportsALoadError) {
  const DeclineCase cases[] = {
      {"no, no", {kNo, kNo}, false, false, false, 2},
      {"yes, then the picker cancelled", {kYes}, true, false, false, 1},
      {"in a slideshow", {}, false, true, false, 0},
      {"in panorama mode", {}, false, false, true, 0},
  };
  for (const DeclineCase& c : cases) {
    SCOPED_TRACE(c.what);
    dialogs.Clear();
    for (int answer : c.answers) dialogs.Answer(answer);
    MissingSourceCase m = Case();
    m.slideshowActive = c.slideshow;
    m.panoramaMode = c.panorama;
    const MissingSourceOutcome out = RunMissingSource(Context(), picker, m);
    EXPECT_EQ(out.kind, MissingSourceOutcome::Kind::LoadError);
    EXPECT_EQ(dialogs.Records().size(), c.questions);
    EXPECT_EQ(Files("Photos/Trip").size(), 3);
  }
  EXPECT_TRUE(trash.trashed.isEmpty());
  EXPECT_FALSE(folders.IgnoreNextChange);
}

TEST_F(MissingSourceTest, ARecordNotOnDiskIsALoadErrorWithoutQuestions) {
  const MissingSourceOutcome out = RunMissingSource(Context(), picker, Case("gone_jpg.ksm"));
  EXPECT_EQ(out.kind, MissingSourceOutcome::Kind::LoadError);
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST(RelocatedRecordNameTest, TheTailFollowsTheChosenNameAsSpelt) {
  const struct {
    const char *record, *oldSource, *chosen, *expected;
  } cases[] = {
      {"IMG_0001_jpg-002.ksm", "IMG_0001.jpg", "holiday.jpg", "holiday_jpg-002.ksm"},
      {"IMG_0001_JPG.KSM", "IMG_0001.jpg", "Beach.JPEG", "Beach_JPEG.KSM"},
      {"a_b_png-999.ksm", "a_b.png", "x.y.png", "x.y_png-999.ksm"},
      {"IMG_jpg.ksm", "IMG.jpg", "noext", "noext_.ksm"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RelocatedRecordName(c.record, c.oldSource, c.chosen), QString(c.expected))
        << c.record;
  }
}

}  // namespace
}  // namespace kasumori::shell
