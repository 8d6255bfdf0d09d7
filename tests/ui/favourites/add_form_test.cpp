// SPDX-License-Identifier: GPL-3.0-or-later
// The add dialog opened by the main window's add command, driven by keys and clicks.
#include "favourites/add_favourite.h"
#include "ui/favourites/favourite_add_fixture.h"

#include "support/wheel_turn.h"

#include <QAction>

namespace kasumori::ui {
namespace {

TEST_F(FavouriteAddWindowTest, CtrlDOpensTheDialogLaidOutForTheWindowSizeWithThePhotosName) {
  auto form = OpenOnPhoto();
  const testkit::WhenModalShown add([&](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "TOkiniAddForm");
    EXPECT_EQ(dialog.windowTitle(), "お気に入りへの追加");
    // The 800 layout has ten rows.
    EXPECT_EQ(dialog.size(), QSize(209, 10 * 65 + 10));
    EXPECT_EQ(dialog.findChild<QWidget*>("FolderPnl")->geometry(), QRect(3, 2, 203, 605));
    EXPECT_EQ(dialog.findChild<QWidget*>("KetteiBtn")->geometry(), QRect(158, 634, 48, 23));
    EXPECT_EQ(dialog.findChild<QWidget*>("MakeBtn")->geometry(), QRect(135, 609, 71, 22));
    auto* name = dialog.findChild<QLineEdit*>("NameEdit");
    EXPECT_EQ(name->text(), "P1.jpg");
    EXPECT_EQ(name->maxLength(), 64);
    EXPECT_EQ(Focus(), name);
    EXPECT_EQ(CurrentFolderText(dialog), "お気に入り");
    Press(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
  });
  QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_TRUE(Keys().isEmpty());
}

TEST_F(FavouriteAddWindowTest, ATypedNameAndEnterFileThePhotoAtTheRoot) {
  auto form = OpenOnPhoto();
  const testkit::WhenModalShown add([&](QDialog&) {
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("海の写真");
    Press(Qt::Key_Return);
  });
  QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(Keys(), QStringList{"海の写真"});
  EXPECT_EQ(Paths(), QStringList{Pictures("P1.jpg")});
  EXPECT_EQ(form->Model().Favourites().CurrentFavouritesFolder, "");
  // The favourites window followed, on the new favourite.
  EXPECT_EQ(favouritesWindowsClosed, 1);
  EXPECT_EQ(form->Model().Favourites().HighlightKey, "海の写真");
}

TEST_F(FavouriteAddWindowTest, TheMenuEntryFilesThePhotoInTheClickedFolderUnderItsOwnName) {
  WriteFolders({"旅行", "旅行\\夏", "家族"});
  auto form = OpenOnPhoto();
  const testkit::WhenModalShown add([&](QDialog& dialog) {
    ClickFolder(dialog, "旅行");
    EXPECT_EQ(Focus(), dialog.findChild<QWidget*>("KetteiBtn"));
    // The folder keys walk the tree: down into 夏, then back up.
    Press(Qt::Key_D);
    EXPECT_EQ(CurrentFolderText(dialog), "夏");
    Press(Qt::Key_E);
    EXPECT_EQ(CurrentFolderText(dialog), "旅行");
    auto* kettei = dialog.findChild<QPushButton*>("KetteiBtn");
    QTest::mouseClick(kettei, Qt::LeftButton);
  });
  form->findChild<QAction*>("OkiniAddMenu")->trigger();
  EXPECT_EQ(Keys(), QStringList{"旅行\\P1.jpg"});
  EXPECT_EQ(form->Model().Favourites().AddDialogFolder, "旅行");
  EXPECT_EQ(form->Model().Favourites().CurrentFavouritesFolder, "旅行");
}

TEST_F(FavouriteAddWindowTest, ArrowsAndTheWheelWalkTheFoldersAndTabNeverMovesTheFocus) {
  WriteFolders({"B", "A"});
  auto form = OpenOnPhoto();
  const testkit::WhenModalShown add([&](QDialog& dialog) {
    ClickFolder(dialog, "お気に入り");
    QWidget* kettei = dialog.findChild<QWidget*>("KetteiBtn");
    ASSERT_EQ(Focus(), kettei);
    Press(Qt::Key_Down);
    EXPECT_EQ(CurrentFolderText(dialog), "A");
    Press(Qt::Key_Down);
    EXPECT_EQ(CurrentFolderText(dialog), "B");
    Press(Qt::Key_Down);
    EXPECT_EQ(CurrentFolderText(dialog), "お気に入り") << "past the last folder is the root";
    Press(Qt::Key_Up);
    EXPECT_EQ(CurrentFolderText(dialog), "お気に入り") << "nothing comes before the root";
    Press(Qt::Key_Tab);
    Press(Qt::Key_Right);
    EXPECT_EQ(Focus(), kettei);
    auto* view = dialog.findChild<QTreeWidget*>("OAFolderTree");
    testkit::TurnWheel(view->viewport(), view->viewport(), -120);
    EXPECT_EQ(CurrentFolderText(dialog), "A");
    QWidget* panel = dialog.findChild<QWidget*>("FolderPnl");
    testkit::TurnWheel(panel, panel, -120);
    EXPECT_EQ(CurrentFolderText(dialog), "B");
    testkit::TurnWheel(panel, panel, 120);
    EXPECT_EQ(CurrentFolderText(dialog), "A");
    // Enter takes the focus back to the name, where the next Enter decides.
    Press(Qt::Key_Return);
    EXPECT_EQ(Focus(), dialog.findChild<QWidget*>("NameEdit"));
    Press(Qt::Key_Return);
  });
  QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(Keys(), QStringList{"A\\P1.jpg"});
}

TEST_F(FavouriteAddWindowTest, TheSamePhotoTwiceUnderOneNameIsRefusedAndTheDialogStaysOpen) {
  auto form = OpenOnPhoto();
  {
    const testkit::WhenModalShown first([&](QDialog&) { Press(Qt::Key_Return); });
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  }
  ASSERT_EQ(Keys(), QStringList{"P1.jpg"});
  dialogs.Clear();
  const testkit::WhenModalShown second([&](QDialog& dialog) {
    Press(Qt::Key_Return);
    EXPECT_EQ(dialogs.LastText(), favourites::NameExistsNotice().join('\n'));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Focus(), dialog.findChild<QWidget*>("NameEdit"));
    // Another name is accepted.
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("二枚目");
    Press(Qt::Key_Return);
  });
  QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(Keys(), (QStringList{"P1.jpg", "二枚目"}));
  EXPECT_EQ(Paths(), QStringList(2, Pictures("P1.jpg")));
}

TEST_F(FavouriteAddWindowTest, ClearEmptiesTheNameAndAnEmptyNameFilesTheFileName) {
  auto form = OpenOnPhoto();
  const testkit::WhenModalShown add([&](QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>("ClearBtn"), Qt::LeftButton);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("NameEdit")->text(), "");
    Press(Qt::Key_Return);
  });
  QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(Keys(), QStringList{"P1.jpg"});
}

TEST_F(FavouriteAddWindowTest, WithoutAPhotoCtrlDDoesNothingAndTheMenuExplains) {
  auto form = Open();
  QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_TRUE(dialogs.Records().empty());
  form->findChild<QAction*>("OkiniAddMenuP")->trigger();
  EXPECT_EQ(dialogs.LastText(),
            "このメニューは、現在表示されている写真を\n"
            "「お気に入り」に追加したいときに使います。");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace kasumori::ui
