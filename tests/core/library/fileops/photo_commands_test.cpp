// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/photo_commands.h"

#include "support/faulty_file_system.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QDir>

#include <gtest/gtest.h>

namespace kasumori::library {
namespace {

using Kind = platform::ScriptedDialogService::Kind;

const QByteArray kPhoto = "the photo itself";

// Slot 1 has its root at Photos; the shown photo IMG_0001.jpg in Photos/Trip has two edit
// records and a cached thumbnail with its sidecar, and so has the first record.
class PhotoCommandsTest : public ::testing::Test {
 protected:
  PhotoCommandsTest() {
    root = tree.Folder("Photos");
    tree.File("Photos/Trip/IMG_0001.jpg", kPhoto);
    tree.File("Photos/Trip/IMG_0001_jpg.ksm", "record");
    tree.File("Photos/Trip/IMG_0001_jpg-002.ksm", "record 2");
    tree.File("Photos/Trip/IMG_0002.jpg", "another photo");
    tree.Folder("Photos/Other");
    tree.File("Thumbnail/01/Photos/Trip/IMG_0001_jpg.bmp", "thumb");
    tree.File("Thumbnail/01/Photos/Trip/IMG_0001_jpg.dat", "100\r\n1\r\n");
    tree.File("Thumbnail/01/Photos/Trip/IMG_0001_jpg_ksm.bmp", "record thumb");
    tree.File("Thumbnail/01/Photos/Trip/IMG_0002_jpg.bmp", "thumb 2");
    folders.CurrentSlot = 1;
    folders.CurrentFolder = tree.Path("Photos/Trip");
    folders.WatchedFolder = folders.CurrentFolder;
  }
  FileOpsContext Context() { return {fs, trash, dialogs, folders, tree.Path("Thumbnail")}; }
  PhotoPlace Shown(const QString& name = "IMG_0001.jpg") {
    return {tree.Path("Photos/Trip"), name, 1, root};
  }
  FolderPlace Other(int slot = 1) { return {tree.Path("Photos/Other"), slot, root}; }
  QStringList Files(const QString& folder) const {
    return QDir(tree.Path(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }
  void ExpectTripWhole() {
    EXPECT_EQ(tree.Read("Photos/Trip/IMG_0001.jpg"), kPhoto);
    EXPECT_TRUE(tree.Exists("Photos/Trip/IMG_0001_jpg.ksm"));
    EXPECT_TRUE(tree.Exists("Photos/Trip/IMG_0001_jpg-002.ksm"));
    EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Trip/IMG_0001_jpg.bmp"));
    EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Trip/IMG_0001_jpg.dat"));
  }
  QString Text() const { return dialogs.LastText(); }

  testkit::TempTree tree;
  fileops_testing::FaultyFileSystem fs;
  fileops_testing::FakeTrash trash;
  platform::ScriptedDialogService dialogs;
  FolderState folders;
  QString root;
};

// ---- DeletePhoto ----

TEST_F(PhotoCommandsTest, DeleteIsRefusedInPanoramaModeAndInsideAnArchive) {
  EXPECT_EQ(DeletePhoto(Context(), Shown(), true), DeleteOutcome::Refused);
  EXPECT_EQ(Text(),
            "パノラマモード時には、写真ファイルの削除を\n行うことができません。\n"
            "「削除したい写真」をダブルクリックして\nパノラマモードを解除してください。");
  folders.CurrentFolder = tree.File("Photos/album.zip") + "/inner";
  EXPECT_EQ(DeletePhoto(Context(), Shown(), false), DeleteOutcome::Refused);
  EXPECT_EQ(Text(), "書庫(ZIP)ファイル内の写真は\n削除することができません。");
  ExpectTripWhole();
  EXPECT_TRUE(trash.trashed.isEmpty());
}

TEST_F(PhotoCommandsTest, DeleteSendsOnlyThePhotoToTheTrashAndDropsItsThumbnail) {
  dialogs.Answer(2);
  EXPECT_EQ(DeletePhoto(Context(), Shown(), false), DeleteOutcome::Cancelled);
  EXPECT_EQ(Text(), "現在表示されている写真\n「IMG_0001.jpg」\nをごみ箱へ移動します。");
  ExpectTripWhole();

  dialogs.Answer(1);
  EXPECT_EQ(DeletePhoto(Context(), Shown(), false), DeleteOutcome::Deleted);
  EXPECT_EQ(trash.trashed, QStringList{tree.Path("Photos/Trip/IMG_0001.jpg")});
  EXPECT_TRUE(tree.Exists("Photos/Trip/IMG_0001_jpg.ksm"));
  EXPECT_FALSE(tree.Exists("Thumbnail/01/Photos/Trip/IMG_0001_jpg.bmp"));
  EXPECT_FALSE(tree.Exists("Thumbnail/01/Photos/Trip/IMG_0001_jpg.dat"));
  EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Trip/IMG_0002_jpg.bmp"));
  EXPECT_TRUE(folders.IgnoreNextChange);
}

TEST_F(PhotoCommandsTest, AChangeOutsideTheWatchedFolderLeavesTheNextReportAlone) {
  folders.WatchedFolder = tree.Path("Photos");  // the slot root; the photo is in Trip below
  dialogs.Answer(1);
  ASSERT_EQ(DeletePhoto(Context(), Shown(), false), DeleteOutcome::Deleted);
  EXPECT_FALSE(folders.IgnoreNextChange) << "no report will come for Trip";
}

TEST_F(PhotoCommandsTest, DeletingAnEditRecordLeavesItsSourceImage) {
  dialogs.Answer(1);
  EXPECT_EQ(DeletePhoto(Context(), Shown("IMG_0001_jpg.ksm"), false), DeleteOutcome::Deleted);
  EXPECT_EQ(dialogs.Text(0),
            "現在表示されている写真の\nKasumori形式ファイル IMG_0001_jpg.ksm\n"
            "をごみ箱へ移動します。\n（元の写真ファイルは残ります）");
  EXPECT_FALSE(tree.Exists("Photos/Trip/IMG_0001_jpg.ksm"));
  EXPECT_FALSE(tree.Exists("Thumbnail/01/Photos/Trip/IMG_0001_jpg_ksm.bmp"));
  EXPECT_EQ(tree.Read("Photos/Trip/IMG_0001.jpg"), kPhoto);
}

TEST_F(PhotoCommandsTest, AFailingTrashKeepsThePhotoAndSaysSo) {
  for (bool claims : {false, true}) {
    trash.works = false;
    trash.claimsSuccessWhenFailing = claims;
    dialogs.Answer(1);
    EXPECT_EQ(DeletePhoto(Context(), Shown(), false), DeleteOutcome::TrashFailed);
    EXPECT_EQ(dialogs.Records().back().kind, Kind::Notice);
    EXPECT_EQ(Text(), "「IMG_0001.jpg」を\nごみ箱へ移動できませんでした。");
    ExpectTripWhole();
    EXPECT_FALSE(folders.IgnoreNextChange);
  }
}

// ---- RenamePhoto ----

TEST_F(PhotoCommandsTest, RenameWindowOpensOnlyForARealPhoto) {
  EXPECT_TRUE(CanRenamePhoto(Context(), Shown(), false));
  EXPECT_FALSE(CanRenamePhoto(Context(), Shown("IMG_0001_jpg.ksm"), false));
  EXPECT_EQ(Text(),
            "拡張子が「.ksm」（Kasumori形式）のファイル名は\n元画像との整合性を保つために\n"
            "ここで変更することはできません。");
  EXPECT_FALSE(CanRenamePhoto(Context(), Shown(), true));
  EXPECT_EQ(dialogs.Records().size(), 2u);
}

TEST_F(PhotoCommandsTest, TypedNamesWithForbiddenCharactersAreTurnedBack) {
  EXPECT_TRUE(AcceptTypedName(dialogs, "holiday 2024.jpg"));
  for (const char* typed : {"a/b", "a\\b", "what?", "x|y", "\"q\""}) {
    EXPECT_FALSE(AcceptTypedName(dialogs, typed)) << typed;
  }
  EXPECT_EQ(dialogs.Records().size(), 5u);
  EXPECT_EQ(Text(), "ファイル名に「\\/:*?\"<>|」の文字は使用できません。");
}

TEST_F(PhotoCommandsTest, RenameWithoutExtensionTakesRecordsAndThumbnailsAlong) {
  const RenameOutcome outcome = RenamePhoto(Context(), Shown(), "holiday");
  EXPECT_EQ(outcome.kind, RenameOutcome::Kind::Renamed);
  EXPECT_EQ(outcome.newName, "holiday.jpg");
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_EQ(Files("Photos/Trip"),
            (QStringList{"IMG_0002.jpg", "holiday.jpg", "holiday_jpg-002.ksm", "holiday_jpg.ksm"}));
  EXPECT_EQ(tree.Read("Photos/Trip/holiday.jpg"), kPhoto);
  EXPECT_EQ(Files("Thumbnail/01/Photos/Trip"),
            (QStringList{"IMG_0002_jpg.bmp", "holiday_jpg.bmp", "holiday_jpg.dat",
                         "holiday_jpg_ksm.bmp"}));
  EXPECT_TRUE(folders.IgnoreNextChange);
}

TEST_F(PhotoCommandsTest, ChangingTheExtensionAsksFirst) {
  EXPECT_EQ(RenamePhoto(Context(), Shown(), "holiday.png").kind, RenameOutcome::Kind::Unchanged);
  EXPECT_EQ(Text(), "拡張子を「.png」に変更します。\nよろしいですか？");
  ExpectTripWhole();

  // .jpeg and .JPG count as the photo's own extension.
  EXPECT_EQ(RenamePhoto(Context(), Shown(), "holiday.JPEG").kind, RenameOutcome::Kind::Renamed);
  EXPECT_EQ(dialogs.Records().size(), 1u);
  EXPECT_TRUE(tree.Exists("Photos/Trip/holiday_jpeg.ksm"));

  dialogs.Answer(1);
  EXPECT_EQ(RenamePhoto(Context(), Shown("holiday.JPEG"), "holiday.png").kind,
            RenameOutcome::Kind::Renamed);
  EXPECT_TRUE(tree.Exists("Photos/Trip/holiday.png"));
  EXPECT_TRUE(tree.Exists("Photos/Trip/holiday_png-002.ksm"));
}

TEST_F(PhotoCommandsTest, RenameNeverOverwritesAndReportsFailures) {
  EXPECT_EQ(RenamePhoto(Context(), Shown(), "IMG_0001.jpg").kind, RenameOutcome::Kind::Unchanged);
  EXPECT_TRUE(dialogs.Records().empty());

  EXPECT_EQ(RenamePhoto(Context(), Shown(), "IMG_0002").kind, RenameOutcome::Kind::Refused);
  EXPECT_EQ(Text(), "入力されたファイル名は、すでに存在して\nいますので、変更できませんでした。");
  EXPECT_EQ(tree.Read("Photos/Trip/IMG_0002.jpg"), "another photo");
  // The folder's own entries are taken names as well.
  dialogs.Answer(1);
  EXPECT_EQ(RenamePhoto(Context(), Shown(), "..").kind, RenameOutcome::Kind::Refused);
  EXPECT_TRUE(Text().startsWith("入力されたファイル名は"));

  fs.readOnlyFolder = tree.Path("Photos/Trip");
  EXPECT_EQ(RenamePhoto(Context(), Shown(), "holiday").kind, RenameOutcome::Kind::Refused);
  EXPECT_EQ(Text(),
            "ファイル名の変更ができませんでした。\n"
            "（原因は、ファイル名に使えない記号「\\/:.;*?\"<>|」\n"
            "　が含まれたいたか、もしくは、CD-ROMなどのファイル\n"
            "　名を変更しようとしたなどが考えられます）");
  ExpectTripWhole();
  EXPECT_FALSE(folders.IgnoreNextChange);
}

// ---- MovePhoto ----

TEST_F(PhotoCommandsTest, MoveRefusalsLeaveEverythingInPlace) {
  const FolderPlace trip{tree.Path("Photos/Trip"), 1, root};
  EXPECT_EQ(MovePhoto(Context(), Shown(), trip, DragSource::PhotoView).kind,
            MoveOutcome::Kind::Refused);
  EXPECT_EQ(Text(), "移動元と移動先のフォルダが同じです。");

  tree.File("Photos/Other/IMG_0001.jpg", "a different photo");
  EXPECT_EQ(MovePhoto(Context(), Shown(), Other(), DragSource::PhotoView).kind,
            MoveOutcome::Kind::Refused);
  EXPECT_EQ(Text(), "移動先に、すでに同名のファイルが存在\nしていますので、移動できませんでした。");
  EXPECT_EQ(tree.Read("Photos/Other/IMG_0001.jpg"), "a different photo");

  const FolderPlace inArchive{tree.File("Photos/album.zip") + "/inner", 1, root};
  EXPECT_EQ(MovePhoto(Context(), Shown(), inArchive, DragSource::PhotoView).kind,
            MoveOutcome::Kind::Refused);
  EXPECT_EQ(Text(), "書庫ファイル内へは移動することができません。");

  EXPECT_EQ(MovePhoto(Context(), Shown("gone.jpg"), Other(), DragSource::Strip).kind,
            MoveOutcome::Kind::Refused);
  EXPECT_EQ(Text(), "書庫ファイル内の写真は移動することができません。");
  ExpectTripWhole();
  EXPECT_FALSE(folders.IgnoreNextChange);
}

TEST_F(PhotoCommandsTest, AMovedEditRecordBringsItsSourceAndAllItsRecords) {
  for (bool crossDevice : {false, true}) {
    SCOPED_TRACE(crossDevice);
    fs.crossDevice = crossDevice;
    dialogs.Answer(2);
    EXPECT_EQ(MovePhoto(Context(), Shown("IMG_0001_jpg.ksm"), Other(), DragSource::Strip).kind,
              MoveOutcome::Kind::Nothing);
    EXPECT_EQ(Text(),
              "移動しようとしている写真は、\nKasumori形式ファイル「IMG_0001_jpg.ksm」\nです。\n"
              "元の写真ファイル「IMG_0001.jpg」\nと、その写真のKasumori形式ファイルも\n"
              "全ていっしょに移動します。");
    ExpectTripWhole();

    dialogs.Answer(1);
    const MoveOutcome outcome =
        MovePhoto(Context(), Shown("IMG_0001_jpg.ksm"), Other(), DragSource::PhotoView);
    EXPECT_EQ(outcome.kind, MoveOutcome::Kind::Moved);
    EXPECT_EQ(outcome.movedName, "IMG_0001.jpg");
    EXPECT_TRUE(
        dialogs.Text(dialogs.Records().size() - 1).startsWith("現在表示されている写真は、"));
    EXPECT_EQ(Files("Photos/Trip"), QStringList{"IMG_0002.jpg"});
    EXPECT_EQ(Files("Photos/Other"),
              (QStringList{"IMG_0001.jpg", "IMG_0001_jpg-002.ksm", "IMG_0001_jpg.ksm"}));
    EXPECT_EQ(tree.Read("Photos/Other/IMG_0001.jpg"), kPhoto);
    EXPECT_EQ(Files("Thumbnail/01/Photos/Other"),
              (QStringList{"IMG_0001_jpg.bmp", "IMG_0001_jpg.dat", "IMG_0001_jpg_ksm.bmp"}));
    EXPECT_EQ(Files("Thumbnail/01/Photos/Trip"), QStringList{"IMG_0002_jpg.bmp"});
    EXPECT_TRUE(folders.IgnoreNextChange);

    // Back again for the second round.
    for (const QString& name : Files("Photos/Other")) {
      QFile::rename(tree.Path("Photos/Other/" + name), tree.Path("Photos/Trip/" + name));
    }
    for (const QString& name : Files("Thumbnail/01/Photos/Other")) {
      QFile::rename(tree.Path("Thumbnail/01/Photos/Other/" + name),
                    tree.Path("Thumbnail/01/Photos/Trip/" + name));
    }
    folders.IgnoreNextChange = false;
  }
}

TEST_F(PhotoCommandsTest, AFailedMoveKeepsThePhotoWithAllItsCompanions) {
  auto expectFailedMove = [&] {
    EXPECT_EQ(MovePhoto(Context(), Shown(), Other(), DragSource::Strip).kind,
              MoveOutcome::Kind::Refused);
    EXPECT_EQ(Text(),
              "ファイルを移動できませんでした。\n"
              "（原因は、表示中の写真のファイル名が変更されたか\n"
              "　削除された。または、移動先がCD-ROMだったなど\n"
              "　が考えられます）");
    ExpectTripWhole();
    EXPECT_TRUE(Files("Photos/Other").isEmpty()) << Files("Photos/Other").join(',').toStdString();
    EXPECT_FALSE(folders.IgnoreNextChange);
  };
  {
    SCOPED_TRACE("disk full part way through the copy");
    fs.crossDevice = true;
    fs.copyStopsAfter = 4;
    expectFailedMove();
  }
  {
    SCOPED_TRACE("read-only destination");
    fs.copyStopsAfter.reset();
    fs.readOnlyFolder = tree.Path("Photos/Other");
    expectFailedMove();
    fs.crossDevice = false;
    expectFailedMove();
  }
}

TEST_F(PhotoCommandsTest, AVanishedSourceIsReportedByTheFileMove) {
  const CachePlace cache{tree.Path("Thumbnail"), 1, root};
  EXPECT_EQ(MoveFileWithCache(Context(), cache, tree.Path("Photos/Trip/gone.jpg"), cache,
                              tree.Path("Photos/Other/gone.jpg"), true),
            MoveResult::SourceMissing);
  EXPECT_TRUE(Text().startsWith("ファイルを移動できませんでした。"));
  EXPECT_EQ(MoveFileWithCache(Context(), cache, tree.Path("Photos/Trip/gone.jpg"), cache,
                              tree.Path("Photos/Other/gone.jpg"), false),
            MoveResult::SourceMissing);
  EXPECT_EQ(dialogs.Records().size(), 1u);
}

TEST_F(PhotoCommandsTest, ARecordWhoseNameIsTakenAtTheDestinationStaysBehind) {
  tree.File("Photos/Other/IMG_0001_jpg-002.ksm", "a stray record");
  EXPECT_EQ(MovePhoto(Context(), Shown(), Other(), DragSource::Strip).kind,
            MoveOutcome::Kind::Moved);
  EXPECT_EQ(tree.Read("Photos/Other/IMG_0001_jpg-002.ksm"), "a stray record");
  EXPECT_EQ(tree.Read("Photos/Trip/IMG_0001_jpg-002.ksm"), "record 2");
  EXPECT_TRUE(tree.Exists("Photos/Other/IMG_0001_jpg.ksm"));
  EXPECT_EQ(dialogs.Records().size(), 0u);
}

TEST_F(PhotoCommandsTest, OutsideTheSlotsTheMovedPhotoLeavesNoThumbnailBehind) {
  EXPECT_EQ(MovePhoto(Context(), Shown(), Other(0), DragSource::Strip).kind,
            MoveOutcome::Kind::Moved);
  EXPECT_EQ(Files("Thumbnail/01/Photos/Trip"), QStringList{"IMG_0002_jpg.bmp"});
  EXPECT_FALSE(QDir(tree.Path("Thumbnail/01/Photos/Other")).exists());
}

TEST_F(PhotoCommandsTest, ASourceThatCannotBeRemovedKeepsItsThumbnailAndTheCopyGetsOne) {
  fs.crossDevice = true;
  fs.undeletable.insert(tree.Path("Photos/Trip/IMG_0001.jpg"));
  EXPECT_EQ(MovePhoto(Context(), Shown(), Other(), DragSource::Strip).kind,
            MoveOutcome::Kind::Copied);
  EXPECT_EQ(tree.Read("Photos/Trip/IMG_0001.jpg"), kPhoto);
  EXPECT_EQ(tree.Read("Photos/Other/IMG_0001.jpg"), kPhoto);
  EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Trip/IMG_0001_jpg.bmp"));
  EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Other/IMG_0001_jpg.bmp"));
  EXPECT_TRUE(tree.Exists("Thumbnail/01/Photos/Other/IMG_0001_jpg.dat"));
}

}  // namespace
}  // namespace kasumori::library
