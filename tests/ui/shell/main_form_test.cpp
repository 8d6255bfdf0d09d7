// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_form.h"

#include "config/text_file.h"
#include "support/main_form_fixture.h"
#include "support/scripted_dialog_service.h"
#include "ui/display/main_display.h"
#include "ui/shell/main_panels.h"
#include "ui/common/view_image.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace kasumori::ui {
namespace {

class MainFormTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  QStringList SettingsLines() const {
    return config::ReadTextLines(program + "/Kasumori2-ini.dat").value_or(QStringList());
  }
};

TEST_F(MainFormTest, OpensGreenWithTheDefaultClientArea) {
  auto form = Start();
  EXPECT_EQ(form->windowTitle(), "Kasumori２");
  EXPECT_EQ(form->centralWidget()->size(), QSize(1016, 673));
  ViewImage* view = form->findChild<ViewImage*>("ViewImg");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->geometry(), QRect(214, 71, 800, 600));
  const QImage shot = form->centralWidget()->grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(950, 30)), QColor(0, 128, 0));
  EXPECT_EQ(QColor(shot.pixel(23, 30)), QColor(128, 128, 128)) << "the thumbnail strip";
  EXPECT_EQ(QColor(shot.pixel(300, 300)), QColor(128, 128, 128));
}

TEST_F(MainFormTest, FirstRunNoticeOnceThenSettingsSavedAtClose) {
  auto form = Start();
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines.size(), 12);
  EXPECT_EQ(dialogs.Records()[0].lines[0], "こんにちは。");
  EXPECT_EQ(SettingsLines().size(), 54);

  tree.File("program/Temp/from-archive.jpg");
  form->move(40, 30);
  EXPECT_TRUE(form->close());
  EXPECT_FALSE(tree.Exists("program/Temp/from-archive.jpg"));
  EXPECT_EQ(SettingsLines()[0], QString::number(form->pos().x()));

  form.reset();
  dialogs.Clear();
  auto again = Start();
  EXPECT_TRUE(dialogs.Records().empty()) << "not shown at the second start";
  EXPECT_TRUE(again->Session().Activated);
}

// The greeting comes at the first paint: a user with a large first slot must not wait for its
// scan and thumbnails, nor see a photo appear behind it.
TEST_F(MainFormTest, FirstRunNoticeComesBeforeTheSlotScanAndTheCommandLinePhoto) {
  tree.File("home/Pictures/P1.jpg", "x");
  tree.File("home/Pictures/P2.jpg", "x");
  for (const QString& startup : {QString(), tree.Path("home/Pictures/P2.jpg")}) {
    std::optional<int> listedAtNotice;
    std::optional<bool> shownAtNotice;
    TMainForm* form = nullptr;
    dialogs.whenShown = [&](const platform::ScriptedDialogService::Record&) {
      if (listedAtNotice) return;  // the photo's own load error comes later
      listedAtNotice = form->PhotoList().PhotoCount;
      shownAtNotice = form->Display().Driver().Shown().Shown();
    };
    auto started = std::make_unique<TMainForm>(MainFormServices{
        {dialogs, special, marker, clock, picker, trash, shellOpen}, program, startup});
    form = started.get();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QCoreApplication::processEvents();
    EXPECT_EQ(listedAtNotice, 0) << startup.toStdString();
    EXPECT_EQ(shownAtNotice, false) << startup.toStdString();
    EXPECT_EQ(form->PhotoList().PhotoCount, 2) << "scanned after the notice";
    dialogs.whenShown = nullptr;
    started.reset();
    QFile::remove(program + "/Kasumori2-ini.dat");
  }
}

TEST_F(MainFormTest, SavedPositionIsPulledOntoTheScreen) {
  Start()->close();
  QStringList lines = SettingsLines();
  lines[0] = "5000";
  lines[1] = "-50";
  config::WriteTextLines(program + "/Kasumori2-ini.dat", lines);
  auto form = Start();
  const QSize screen = form->screen()->geometry().size();
  EXPECT_EQ(form->pos().x(), std::max(0, screen.width() - form->frameGeometry().width()));
  // The offscreen platform keeps the client area on the screen, so read the corrected setting.
  EXPECT_EQ(form->Session().settings().WindowTop, -4);
}

TEST_F(MainFormTest, SecondInstanceOpensOffsetAndKeepsTemp) {
  Start()->close();
  QStringList lines = SettingsLines();
  lines[0] = "10";
  lines[1] = "20";
  config::WriteTextLines(program + "/Kasumori2-ini.dat", lines);
  tree.File("program/Temp/shown-by-the-first.jpg");
  marker.otherInstanceRuns = true;
  auto form = Start();
  // The offscreen screen is narrower than the window, so only the vertical offset survives.
  const int screenWidth = form->screen()->geometry().width();
  EXPECT_EQ(form->pos().x(), std::clamp(screenWidth - form->frameGeometry().width(), 0, 42));
  EXPECT_EQ(form->pos().y(), 52);
  form->close();
  EXPECT_TRUE(tree.Exists("program/Temp/shown-by-the-first.jpg"));
}

TEST_F(MainFormTest, CloseIsRefusedWhileTheInterfaceIsBusy) {
  auto form = Start();
  form->Session().UiReady = false;
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  form->Session().UiReady = true;
  EXPECT_TRUE(form->close());
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

class FirstActivationTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {};

TEST_F(FirstActivationTest, ListsTheFirstSlotsFolder) {
  tree.File("home/Pictures/b.jpg");
  tree.File("home/Pictures/A.JPG");
  tree.File("home/Pictures/notes.txt");
  tree.File("home/Pictures/c.tif");
  auto form = Start();
  EXPECT_EQ(form->Folders().CurrentSlot, 1);
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures"));
  ASSERT_EQ(form->PhotoList().PhotoCount, 3);
  EXPECT_EQ(form->PhotoList().Name(1), "A.JPG");
  EXPECT_EQ(form->PhotoList().Name(3), "c.tif");
}

TEST_F(FirstActivationTest, ACommandLinePhotoIsNotTheSlotScan) {
  tree.File("home/Pictures/a.jpg");
  auto form = Start(tree.Path("elsewhere/x.jpg"));
  EXPECT_EQ(form->PhotoList().PhotoCount, 0);
  EXPECT_TRUE(form->Session().StartupPath.isEmpty());
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

class OrderMenuTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {};

TEST_F(OrderMenuTest, DirectionAndKeyReorderTheListAndAreSaved) {
  tree.File("home/Pictures/a.jpg");
  tree.File("home/Pictures/b.jpg");
  tree.File("home/Pictures/c.jpg");
  auto form = Start();
  ASSERT_EQ(form->PhotoList().Name(1), "a.jpg");
  EXPECT_TRUE(form->findChild<QAction*>("FNameMenu")->isChecked());
  EXPECT_TRUE(form->findChild<QAction*>("NarabiLeftMenu")->isChecked());

  form->findChild<QAction*>("NarabiRightMenu")->trigger();
  EXPECT_EQ(form->PhotoList().Name(1), "c.jpg");
  EXPECT_EQ(form->Panels().narabikaeLbl->text(), "Ｒ");
  EXPECT_EQ(form->Session().settings().ListDirection, config::ListDirection::RightToLeft);
  EXPECT_EQ((*config::ReadTextLines(program + "/Kasumori2-ini.dat"))[39], "-1");

  form->findChild<QAction*>("TimeMenu")->trigger();
  EXPECT_EQ(form->Session().settings().SortOrder, config::SortOrder::FileDate);
  EXPECT_EQ((*config::ReadTextLines(program + "/Kasumori2-ini.dat"))[5], "2");
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

class FolderButtonsTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {};

TEST_F(FolderButtonsTest, TheFileManagerOpensTheCurrentFolderAndTheDesktopWithoutOne) {
  tree.Folder("home/Desktop");
  auto form = Start();
  QTest::mouseClick(form->Panels().explorerBtn, Qt::LeftButton);
  EXPECT_EQ(shellOpen.opened, QStringList{tree.Path("home/Pictures")});
  EXPECT_TRUE(form->Panels().dummyBtn->hasFocus()) << "the button keeps no focus";

  form->Session().settings().PhotoFolder2.clear();
  form->Panels().folderRadio[1]->click();
  ASSERT_TRUE(form->Folders().CurrentFolder.isEmpty());
  QTest::mouseClick(form->Panels().explorerBtn, Qt::LeftButton);
  EXPECT_EQ(shellOpen.opened.value(1), tree.Path("home/Desktop"));
  EXPECT_TRUE(form->Panels().okiniBtn->isEnabled());
}

TEST_F(FolderButtonsTest, TheVersionEntryShowsTheAboutNotice) {
  auto form = Start();
  dialogs.Clear();
  form->findChild<QAction*>("VerMnu")->trigger();
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_TRUE(dialogs.Text(0).startsWith("「Kasumori２」\nバージョン "));
}

}  // namespace
}  // namespace kasumori::ui
