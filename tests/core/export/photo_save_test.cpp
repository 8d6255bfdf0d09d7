// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/photo_save.h"

#include "imaging/dib/qx_dib.h"
#include "pixels/dib_views.h"
#include "support/camera_jpeg.h"
#include "support/fake_platform.h"
#include "support/file_size_limit.h"
#include "support/qt_printers.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QDir>

#include <gtest/gtest.h>

namespace kasumori::exporting {
namespace {

using testkit::TempTree;

constexpr int kYes = 1;
constexpr int kNo = 2;

// A portrait photo fitted into the 800 × 600 area: black bars of 175 pixels left and right.
class PhotoSaveCommand : public ::testing::Test {
 protected:
  PhotoSaveCommand() {
    screen.Assign(testkit::MakeTestPicture(800, 600, 2));
    scene.folder = tree.Folder("photos");
    scene.name = "IMG_0012.JPG";
    scene.area = {QSize(800, 600), false, {}, false, false, 175, 0};
    hooks.askOptions = [this](SaveOptions& o) {
      optionsShown = o;
      o = chosen;
      return decide;
    };
    hooks.saveSettings = [this] { events << "save settings"; };
    hooks.redrawInQuality = [this](config::QualityMode m) {
      events << (m == config::QualityMode::High ? "high" : "fast");
    };
    hooks.screen = [this] { return pixels::ConstPixelView(pixels::ConstViewOf(screen)); };
    hooks.setBusy = [this](bool busy) { events << (busy ? "busy" : "idle"); };
  }

  imaging::TQxDIB SavedBmp(const QString& name) {
    imaging::TQxDIB saved;
    saved.LoadFromFile(tree.Path("out/" + name));
    return saved;
  }

  TempTree tree;
  config::Settings settings;
  platform::ScriptedDialogService dialogs;
  testkit::FakePicker picker;
  PhotoSave save{{settings, dialogs, picker}, tree.Folder("Desktop")};
  imaging::TQxDIB screen;
  SaveScene scene;
  SaveHooks hooks;
  SaveOptions chosen{SaveFormat::Bmp, 8, true, false};
  SaveOptions optionsShown;
  bool decide = true;
  QStringList events;
};

TEST_F(PhotoSaveCommand, CutsTheBarsWhenAskedAndRemembersTheFolder) {
  tree.Folder("out");
  for (const int answer : {kYes, kNo}) {
    picker.answers << tree.Path(answer == kYes ? "out/cut_s.bmp" : "out/bars_s.bmp");
    dialogs.Answer(answer);
    save.Run(scene, hooks);
  }
  EXPECT_EQ(dialogs.Text(0),
            "画像に非表示部分（縦横比の関係でできた黒い部分）\nがあります。\n"
            "この部分をカットして保存しますか？");
  EXPECT_EQ(SavedBmp("cut_s.bmp").Width(), 800 - 2 * 175);
  EXPECT_EQ(SavedBmp("cut_s.bmp").Pixels(0, 0), screen.Pixels(175, 0));
  EXPECT_EQ(SavedBmp("bars_s.bmp").Width(), 800);
  // The first dialog opens on the desktop with the proposed name, the next where it saved.
  ASSERT_EQ(picker.saveRequests.size(), 2u);
  EXPECT_EQ(picker.saveRequests[0].start, tree.Path("Desktop/IMG_0012_s.bmp"));
  EXPECT_EQ(picker.saveRequests[0].defaultSuffix, "bmp");
  EXPECT_EQ(picker.saveRequests[1].start, tree.Path("out/IMG_0012_s.bmp"));
  EXPECT_EQ(settings.SaveFormat, 2);
}

TEST_F(PhotoSaveCommand, FastModeIsLeftForTheSaveAndComesBackHoweverItEnds) {
  settings.QualityMode = config::QualityMode::Fast;
  scene.area.marginX = 0;
  dialogs.Answer(kYes);  // draw in high quality first; then the save dialog is cancelled
  save.Run(scene, hooks);
  EXPECT_EQ(dialogs.Text(0),
            "現在、写真が「高速モード」で表示されています。\n"
            "「高画質モード」で表示してから保存しますか？");
  EXPECT_EQ(events, QStringList({"save settings", "busy", "high", "idle", "fast"}));
  events.clear();
  dialogs.Answer(kNo);
  picker.answers << tree.Path("fast_s.bmp");
  save.Run(scene, hooks);
  EXPECT_EQ(events, QStringList({"save settings", "busy", "idle"}));
  EXPECT_TRUE(tree.Exists("fast_s.bmp"));
}

TEST_F(PhotoSaveCommand, CancelledOptionsAskNothingFurther) {
  settings.SaveFormat = 3;
  settings.SaveJpegQuality = 5;
  decide = false;
  save.Run(scene, hooks);
  EXPECT_EQ(optionsShown, (SaveOptions{SaveFormat::Jpeg, 5, true, false}));
  EXPECT_EQ(settings.SaveFormat, 1);  // a stored 3 is written back as JPEG at once
  EXPECT_EQ(events, QStringList({"save settings"}));
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_TRUE(picker.saveRequests.empty());
}

TEST_F(PhotoSaveCommand, ASaveOntoAFullDiskLeavesNoFileAndSaysSo) {
  scene.area.marginX = 0;
  picker.answers << tree.Path("out/x_s.bmp") << tree.Path("gone/x_s.bmp");
  tree.Folder("out");
  {
    const testkit::FileSizeLimit full(64 * 1024);  // the BMP needs 1.4 MB
    save.Run(scene, hooks);
  }
  save.Run(scene, hooks);  // a folder removed meanwhile
  ASSERT_EQ(dialogs.Records().size(), 2u);
  for (std::size_t i : {0u, 1u})
    EXPECT_TRUE(dialogs.Text(i).startsWith("写真を保存できませんでした。\nx_s.bmp\n")) << i;
  EXPECT_TRUE(QDir(tree.Path("out")).isEmpty(QDir::Files | QDir::Hidden));
  EXPECT_EQ(events.last(), "idle");
}

TEST_F(PhotoSaveCommand, WithoutTheDesktopFolderTheDialogOpensBesideThePhoto) {
  PhotoSave noDesktop{{settings, dialogs, picker}, tree.Path("no-desktop")};
  scene.area.marginX = 0;
  noDesktop.Run(scene, hooks);
  ASSERT_EQ(picker.saveRequests.size(), 1u);
  EXPECT_EQ(picker.saveRequests[0].start, tree.Path("photos/IMG_0012_s.bmp"));
}

TEST(ExifSourcePath, AnEditRecordGivesItsPhoto) {
  TempTree tree;
  const QString folder = tree.Folder("p");
  tree.File("p/IMG_0012.JPG");
  EXPECT_EQ(ExifSourcePath(folder, "IMG_0012_jpg-002.ksm"), folder + "/IMG_0012.JPG");
  EXPECT_EQ(ExifSourcePath(folder, "IMG_0013.JPG"), folder + "/IMG_0013.JPG");
}

}  // namespace
}  // namespace kasumori::exporting
