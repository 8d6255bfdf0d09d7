// SPDX-License-Identifier: GPL-3.0-or-later
// The Delete key, F2 and a drop of the photo view on a folder, each acting on the shown photo.
#include "ui/display/main_display.h"

#include "support/modal_dialog.h"
#include "ui/display/show_photo_fixture.h"
#include "ui/library/folder_panel_view.h"
#include "ui/shell/main_panels.h"

#include <QUrl>
#include <QTreeWidget>
#include <QMimeData>
#include <QDropEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace kasumori::ui {
namespace {

using DeleteKeyTest = ShowPhotoTest;

TEST_F(DeleteKeyTest, DeleteMovesTheShownPhotoToTheTrashAndShowsTheNext) {
  auto form = Start();
  QTest::keyClick(form.get(), Qt::Key_X);
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_EQ(form->Display().Driver().Shown().Name, "P2.jpg");
  dialogs.Clear();
  QTest::keyClick(form.get(), Qt::Key_Delete);  // answered "no"
  EXPECT_TRUE(tree.Exists("home/Pictures/P2.jpg"));
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines[1], "「P2.jpg」");

  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_FALSE(tree.Exists("home/Pictures/P2.jpg"));
  EXPECT_TRUE(tree.Exists("trash/P2.jpg")) << "in the trash, not gone";
  EXPECT_EQ(form->PhotoList().PhotoCount, 2);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P3.jpg") << "the photo now at the cursor";
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

using RenameKeyTest = ShowPhotoTest;

TEST_F(RenameKeyTest, F2RenamesTheShownPhotoThroughItsWindow) {
  auto form = Start();
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_EQ(form->Display().Driver().Shown().Name, "P1.jpg");
  QString caption;
  const testkit::WhenModalShown rename([&](QDialog& window) {
    caption = window.windowTitle();
    window.findChild<QLineEdit*>("NewNameEdit")->setText("Beach");
    window.findChild<QPushButton*>("KetteiBtn")->click();
  });
  QTest::keyClick(form.get(), Qt::Key_F2);
  EXPECT_EQ(caption, "表示中写真のファイル名を変更");
  EXPECT_TRUE(tree.Exists("home/Pictures/Beach.jpg")) << "the extension is kept";
  EXPECT_FALSE(tree.Exists("home/Pictures/P1.jpg"));
  EXPECT_EQ(form->PhotoList().Name(1), "Beach.jpg");
  // The cursor stood on the renamed photo and moves one on, so the next photo is shown.
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P2.jpg");
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

using MoveShownPhotoTest = ShowPhotoTest;

TEST_F(MoveShownPhotoTest, ThePhotoViewDroppedOnAFolderMovesItAndShowsTheNext) {
  tree.Folder("home/Pictures/Keep");
  auto form = Start();
  QCoreApplication::processEvents();
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_EQ(form->Display().Driver().Shown().Name, "P1.jpg");
  QTreeWidgetItem* keep = form->Panels().folderTree->topLevelItem(0)->child(0);
  ASSERT_NE(keep, nullptr);
  form->FolderView().DropPhoto(tree.Path("home/Pictures/P1.jpg"), keep,
                               library::DragSource::PhotoView);
  EXPECT_TRUE(tree.Exists("home/Pictures/Keep/P1.jpg"));
  EXPECT_FALSE(tree.Exists("home/Pictures/P1.jpg"));
  EXPECT_EQ(form->PhotoList().PhotoCount, 2);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P2.jpg") << "the photo now at the cursor";
}

TEST_F(MoveShownPhotoTest, AFileDraggedInFromAnotherProgramIsRefused) {
  tree.Folder("home/Pictures/Keep");
  tree.File("outside/letter.txt", "not a photo");
  auto form = Start();
  QCoreApplication::processEvents();
  QTreeWidget* view = form->Panels().folderTree;
  const QPoint onKeep = view->visualItemRect(view->topLevelItem(0)->child(0)).center();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(tree.Path("outside/letter.txt"))});
  // No drag of this program is running, so the drop has no source widget.
  QDropEvent drop(QPointF(onKeep), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view->viewport(), &drop);
  EXPECT_FALSE(drop.isAccepted());
  EXPECT_TRUE(tree.Exists("outside/letter.txt"));
  EXPECT_FALSE(tree.Exists("home/Pictures/Keep/letter.txt"));
}

}  // namespace
}  // namespace kasumori::ui
