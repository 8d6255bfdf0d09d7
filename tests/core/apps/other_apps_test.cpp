// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/other_apps.h"

#include "support/fake_platform.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::apps {
namespace {

class OtherAppsTest : public ::testing::Test {
 protected:
  OtherAppsTest() {
    photo = tree.File("photos/IMG_0001.JPG", "jpeg");
    editor = tree.File("apps/editor.desktop", "[Desktop Entry]\nExec=editor %f\n");
  }

  OtherApps Make() {
    return OtherApps({dialogs, shellOpen, settings, "/opt/k/kasumori2", "/opt/k/Manual/index.html"},
                     {[this] { return shown; }, [this] { return panorama; },
                      [this] {
                        ++setUps;
                        settings.AppPath2 = chosenInSetUp;
                      },
                      [this] { ++saves; }});
  }
  QString Notices() const {
    QStringList texts;
    for (std::size_t i = 0; i < dialogs.Records().size(); ++i) texts << dialogs.Text(i);
    return texts.join("\n--\n");
  }

  testkit::TempTree tree;
  QString photo, editor;
  platform::ScriptedDialogService dialogs;
  testkit::FakeShellOpen shellOpen;
  config::Settings settings;
  std::optional<ShownPhotoFile> shown;
  bool panorama = false;
  QString chosenInSetUp;
  int setUps = 0;
  int saves = 0;
};

// Each command explains itself without a photo, and refuses in panorama mode, where the shown
// photo is not one photo.
TEST_F(OtherAppsTest, WithoutOnePhotoShownEachCommandOnlyExplains) {
  const QString panoramaWith =
      "現在パノラマモードになっていますので\n%1\n"
      "開きたい写真をダブルクリックしたのち\nこのメニューを実行してください。";
  const struct {
    const char* what;
    void (OtherApps::*command)();
    bool panorama;
    QString notice;
  } cases[] = {
      {"new window", &OtherApps::OpenInNewWindow, false,
       "このメニューは、現在表示されている写真を\n新しいウィンドウで開きたいときに使います。"},
      {"browser", &OtherApps::OpenInBrowser, false,
       "このメニューは、現在表示されている写真を\nインターネットエクスプローラで開きたいとき\n"
       "に使います。"},
      {"new window in panorama", &OtherApps::OpenInNewWindow, true,
       panoramaWith.arg("新しいウィンドウで開くことはできません。")},
      {"browser in panorama", &OtherApps::OpenInBrowser, true,
       panoramaWith.arg("他のアプリケーションで開くことはできません。")},
  };
  for (const auto& c : cases) {
    dialogs.Clear();
    panorama = c.panorama;
    shown = c.panorama
                ? std::optional<ShownPhotoFile>(ShownPhotoFile{tree.Path("photos"), "IMG_0001.JPG"})
                : std::nullopt;
    OtherApps apps = Make();
    (apps.*c.command)();
    EXPECT_EQ(Notices(), c.notice) << c.what;
  }
  EXPECT_TRUE(shellOpen.opened.isEmpty());
  EXPECT_EQ(saves, 0);
}

TEST_F(OtherAppsTest, AnApplicationWithoutAPhotoExplainsBeforeAnySetUp) {
  Make().OpenWithApp(1);
  EXPECT_EQ(Notices(),
            "このメニューは、現在表示されている写真を\n他のアプリケーションで開きたいとき\n"
            "に使います。");
  EXPECT_EQ(setUps, 0);
}

TEST_F(OtherAppsTest, TheRegisteredApplicationGetsThePhoto) {
  settings.AppPath1 = editor;
  shown = ShownPhotoFile{tree.Path("photos"), "IMG_0001.JPG"};
  Make().OpenWithApp(1);
  EXPECT_EQ(shellOpen.opened, QStringList{editor + ' ' + photo});
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(OtherAppsTest, AnUnsetSlotIsSetUpFirstAndACancelledSetUpEndsQuietly) {
  shown = ShownPhotoFile{tree.Path("photos"), "IMG_0001.JPG"};
  Make().OpenWithApp(2);
  EXPECT_EQ(setUps, 1);
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_TRUE(shellOpen.opened.isEmpty());

  chosenInSetUp = editor;
  Make().OpenWithApp(2);
  EXPECT_EQ(setUps, 2);
  EXPECT_EQ(shellOpen.opened, QStringList{editor + ' ' + photo});
}

TEST_F(OtherAppsTest, ARegisteredFileThatIsGoneIsReported) {
  settings.AppPath3 = tree.Path("apps/removed.desktop");
  shown = ShownPhotoFile{tree.Path("photos"), "IMG_0001.JPG"};
  Make().OpenWithApp(3);
  EXPECT_EQ(Notices(), "アプリケーションのショートカットが\n見つかりませんでした。");
  EXPECT_TRUE(shellOpen.opened.isEmpty());
}

TEST_F(OtherAppsTest, ANewWindowStartsThisProgramWithThePhotoAfterSavingTheSettings) {
  shown = ShownPhotoFile{tree.Path("photos/trip.zip/day1"), "IMG_0100.JPG"};
  Make().OpenInNewWindow();
  EXPECT_EQ(saves, 1);
  // The second window reads archives itself: the path is handed on as the list names it.
  EXPECT_EQ(shellOpen.opened,
            QStringList{"/opt/k/kasumori2 " + tree.Path("photos/trip.zip/day1/IMG_0100.JPG")});
}

TEST_F(OtherAppsTest, TheDesktopOpensThePhotoAndTheManual) {
  shown = ShownPhotoFile{tree.Path("photos"), "IMG_0001.JPG"};
  OtherApps apps = Make();
  apps.OpenInBrowser();
  apps.OpenManual();
  EXPECT_EQ(shellOpen.opened, QStringList({photo, "/opt/k/Manual/index.html"}));
}

}  // namespace
}  // namespace kasumori::apps
