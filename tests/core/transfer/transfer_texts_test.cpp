// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/transfer_texts.h"

#include "transfer/transfer_commands.h"
#include "transfer/transfer_engine.h"

#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::transfer {
namespace {

TEST(TransferTextsTest, CountsBelowTenAreOneFullWidthDigit) {
  EXPECT_EQ(CountLabel(1, "A.JPG"), "あと１枚です 「A.JPG」を転送");
  EXPECT_EQ(CountLabel(9, "A.JPG"), "あと９枚です 「A.JPG」を転送");
  EXPECT_EQ(CountLabel(10, "A.JPG"), "あと10枚です 「A.JPG」を転送");
}

TEST(TransferTextsTest, ProgressRoundsHalfUpAndIsFullAtTheLastFile) {
  const struct {
    int remaining, total, progress;
  } cases[] = {{10, 10, 0}, {9, 10, 10}, {2, 3, 33}, {1, 3, 100}, {1, 1, 100}, {5, 8, 37}};
  for (const auto& c : cases) {
    EXPECT_EQ(ProgressOf(c.remaining, c.total), c.progress) << c.remaining << "/" << c.total;
  }
}

TEST(TransferTextsTest, CaptionsMarkAReadySlotAndNameAnUnnamedOne) {
  config::Settings settings;
  settings.CameraName2 = "EOS";
  EXPECT_EQ(CaptionsOf(settings, 2, true).fromCamera, "◎「EOS」→選択中フォルダ");
  EXPECT_EQ(CaptionsOf(settings, 2, false).toCamera, "×選択中フォルダ→「EOS」");
  EXPECT_EQ(CaptionsOf(settings, 3, true).fromCamera, "×「デジタルカメラ３」→選択中フォルダ");
}

TEST(TransferTextsTest, ACameraIsNamedAfterItsFolderCutToThirtyCharacters) {
  EXPECT_EQ(NameFromFolder("/media/card/DCIM/100CANON"), "100CANON");
  EXPECT_EQ(NameFromFolder("/media/card/DCIM/"), "DCIM");
  EXPECT_EQ(NameFromFolder("/"), "/");
  EXPECT_EQ(NameFromFolder("/x/" + QString(40, u'写')), QString(30, u'写'));
}

TEST(TransferTextsTest, SettingsRowsTreatPlaceholdersAsEmptyAndNameAFolderlessCamera) {
  const struct {
    QString name, folder, storedName, storedFolder;
  } cases[] = {
      {"（カメラ名未設定）", "（フォルダ未設定）", "", ""},
      {"（カメラ名未設定）", "/media/card/DCIM", "DCIM", "/media/card/DCIM"},
      {"", "/media/card/DCIM", "DCIM", "/media/card/DCIM"},
      {QString(31, u'x'), "（フォルダ未設定）", QString(30, u'x'), ""},
  };
  for (const auto& c : cases) {
    const CameraSlot stored = NormalisedCamera(c.name, c.folder);
    EXPECT_EQ(stored.name, c.storedName);
    EXPECT_EQ(stored.folder, c.storedFolder);
  }
}

TEST(TransferTextsTest, DateFoldersAreTwoDigitYearAndMonthDay) {
  const std::time_t june28 = QDateTime(QDate(2004, 6, 28), QTime(23, 59)).toSecsSinceEpoch();
  EXPECT_EQ(DateFolderName(june28), "04-0628");
  EXPECT_EQ(DateFolderName(std::nullopt), "00-0000");
}

TEST(TransferTextsTest, FileTypesGoByTheirFirstFourExtensionCharacters) {
  EXPECT_TRUE(IsTransferFile("a.JPEG", false));
  EXPECT_TRUE(IsTransferFile("a.tiff", false));
  EXPECT_FALSE(IsTransferFile("a.mpeg", false));
  EXPECT_TRUE(IsTransferFile("a.mpeg", true));
  EXPECT_FALSE(IsTransferFile("a.png", true));
  EXPECT_FALSE(IsTransferFile("jpg", true));
}

TEST(TransferChecksTest, EachMissingFolderHasItsNotice) {
  testkit::TempTree tree;
  const QString card = tree.Folder("card");
  const QString pc = tree.Folder("pc");
  library::LocalFileSystem fs;
  const struct {
    TransferMode mode;
    QString camera, selected;
    const char* firstLine;  // "" when the transfer may go ahead
  } cases[] = {
      {TransferMode::FromCamera, card, "", "転送先のフォルダが選択されていません。"},
      {TransferMode::ToCamera, card, "", "転送元のフォルダが選択されていません。"},
      {TransferMode::FromCamera, card + "/gone", pc,
       "設定したフォルダがデジタルカメラ上に見つかりません。"},
      {TransferMode::FromCamera, card, pc + "/a.zip/in", "書庫(ZIP)ファイル内に"},
      {TransferMode::ToCamera, card, pc + "/a.zip/in", "書庫(ZIP)ファイル内の写真を"},
      {TransferMode::ToCamera, card, pc, ""},
  };
  for (const auto& c : cases) {
    platform::ScriptedDialogService dialogs;
    const bool may = MayTransfer(dialogs, fs, c.mode, c.camera, c.selected);
    EXPECT_EQ(may, *c.firstLine == 0) << c.firstLine;
    EXPECT_EQ(dialogs.Records().empty() ? "" : dialogs.Records()[0].lines.first(),
              QString::fromUtf8(c.firstLine));
  }
}

}  // namespace
}  // namespace kasumori::transfer
