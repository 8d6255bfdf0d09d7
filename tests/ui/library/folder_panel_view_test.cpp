// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/folder_panel_view.h"

#include "support/main_form_fixture.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_panels.h"

#include <QLabel>
#include <QTreeWidget>

namespace kasumori::ui {
namespace {

class FolderPanelViewTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {};

TEST_F(FolderPanelViewTest, TheTreeShowsTheSlotAndKeysWalkItDepthFirst) {
  tree.File("home/Pictures/root.jpg");
  tree.File("home/Pictures/2025/a.jpg");
  tree.File("home/Pictures/2025/May/b.jpg");
  tree.File("home/Pictures/2026/c.jpg");
  auto form = Start();
  QCoreApplication::processEvents();
  QTreeWidget* view = form->Panels().folderTree;
  ASSERT_EQ(view->topLevelItemCount(), 1);
  EXPECT_EQ(view->topLevelItem(0)->text(0), "Pictures");
  EXPECT_EQ(view->topLevelItem(0)->childCount(), 2);
  EXPECT_FALSE(form->Panels().folderLbl[0]->text().isEmpty()) << "slot 1 shows its path";

  const QString pictures = tree.Path("home/Pictures");
  QTest::keyClick(form.get(), Qt::Key_D);
  EXPECT_EQ(form->Folders().CurrentFolder, pictures + "/2025");
  EXPECT_EQ(form->PhotoList().PhotoCount, 1);
  QTest::keyClick(form.get(), Qt::Key_D);
  EXPECT_EQ(form->Folders().CurrentFolder, pictures + "/2025/May");
  QTest::keyClick(form.get(), Qt::Key_D);
  EXPECT_EQ(form->Folders().CurrentFolder, pictures + "/2026");
  // Leaving 2025 folded it, so the step back lands on 2025 itself.
  QTest::keyClick(form.get(), Qt::Key_E);
  EXPECT_EQ(form->Folders().CurrentFolder, pictures + "/2025");
  EXPECT_EQ(form->PhotoList().Name(1), "a.jpg");
  QTest::keyClick(form.get(), Qt::Key_E);
  EXPECT_EQ(form->Folders().CurrentFolder, pictures);
  QTest::keyClick(form.get(), Qt::Key_E);
  EXPECT_EQ(form->Folders().CurrentFolder, pictures) << "the root is the first folder";
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

TEST_F(FolderPanelViewTest, APhotoDroppedOnANodeMovesThere) {
  tree.File("home/Pictures/a.jpg", "photo a");
  tree.File("home/Pictures/b.jpg", "photo b");
  tree.Folder("home/Pictures/2025");
  auto form = Start();
  QCoreApplication::processEvents();
  QTreeWidget* view = form->Panels().folderTree;
  QTreeWidgetItem* target = view->topLevelItem(0)->child(0);
  ASSERT_NE(target, nullptr);
  // The drop itself comes from the window system's drag; the tree hands it on like this.
  form->FolderView().DropPhoto(tree.Path("home/Pictures/a.jpg"), target);
  EXPECT_EQ(tree.Read("home/Pictures/2025/a.jpg"), QByteArray("photo a"));
  EXPECT_FALSE(tree.Exists("home/Pictures/a.jpg"));
  ASSERT_EQ(form->PhotoList().PhotoCount, 1);
  EXPECT_EQ(form->PhotoList().Name(1), "b.jpg");
}

}  // namespace
}  // namespace kasumori::ui
