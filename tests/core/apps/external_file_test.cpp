// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/external_file.h"

#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::apps {
namespace {

const QString kCannotHandOver =
    "現在表示中の写真は、書庫ファイル内の写真か\nもしくはファイルが移動されているため\n"
    "他のソフトで開くことはできません。";

class ExternalFileTest : public ::testing::Test {
 protected:
  ExternalFileTest() {
    folder = tree.Folder("photos");
    tree.File("photos/IMG_0001.JPG", "jpeg");
    tree.File("photos/IMG_0001_jpg-002.ksm", "record");
    tree.File("photos/IMG_0009_jpg.ksm", "record of a photo that is gone");
    tree.File("photos/trip.zip", "PK");
  }
  testkit::TempTree tree;
  QString folder;
  platform::ScriptedDialogService dialogs;
};

TEST_F(ExternalFileTest, APhotoOfItsOwnIsHandedOverAsItIs) {
  EXPECT_EQ(ExternalFileFor(folder, "IMG_0001.JPG", dialogs), folder + "/IMG_0001.JPG");
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(ExternalFileTest, AnEditRecordOffersItsSourceInTheFoldersSpelling) {
  dialogs.Answer(1);
  EXPECT_EQ(ExternalFileFor(folder, "IMG_0001_jpg-002.ksm", dialogs), folder + "/IMG_0001.JPG");
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].kind, platform::ScriptedDialogService::Kind::Confirmation);
  EXPECT_EQ(dialogs.Text(0),
            "現在、Kasumori形式（.ksm）の写真を表示中です。\n"
            "Kasumori形式（.ksm）ファイルは、今現在、\n"
            "他のソフトで開くことはできません。代わりに\n"
            "元画像ファイル「IMG_0001.JPG」\n"
            "を開きますか？");
}

TEST_F(ExternalFileTest, DecliningTheSourceHandsNothingOverAndSaysNothingMore) {
  dialogs.Answer(2);
  EXPECT_EQ(ExternalFileFor(folder, "IMG_0001_jpg-002.KSM", dialogs), std::nullopt);
  EXPECT_EQ(dialogs.Records().size(), 1u);
}

TEST_F(ExternalFileTest, WhatIsNotAFileOfItsOwnCannotBeHandedOver) {
  const struct {
    const char* what;
    QString folder;
    const char* name;
  } cases[] = {
      {"a record whose photo is gone", folder, "IMG_0009_jpg.ksm"},
      {"a photo inside an archive", folder + "/trip.zip/day1", "IMG_0100.JPG"},
      {"a photo moved away meanwhile", folder, "IMG_0002.JPG"},
      {"a folder that is gone", tree.Path("gone"), "IMG_0001.JPG"},
  };
  for (const auto& c : cases) {
    dialogs.Clear();
    EXPECT_EQ(ExternalFileFor(c.folder, c.name, dialogs), std::nullopt) << c.what;
    ASSERT_EQ(dialogs.Records().size(), 1u) << c.what;
    EXPECT_EQ(dialogs.Text(0), kCannotHandOver) << c.what;
  }
}

}  // namespace
}  // namespace kasumori::apps
