// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/folder_panel_view.h"

#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "support/wheel_turn.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_panels.h"
#include "ui/common/view_image.h"
#include "ui/thumbs/thumb_strip.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QScrollBar>
#include <QWheelEvent>

#include <functional>

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
  form->FolderView().DropPhoto(tree.Path("home/Pictures/a.jpg"), target,
                               library::DragSource::Strip);
  EXPECT_EQ(tree.Read("home/Pictures/2025/a.jpg"), QByteArray("photo a"));
  EXPECT_FALSE(tree.Exists("home/Pictures/a.jpg"));
  ASSERT_EQ(form->PhotoList().PhotoCount, 1);
  EXPECT_EQ(form->PhotoList().Name(1), "b.jpg");
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

QTreeWidgetItem* ChildNamed(QTreeWidgetItem* parent, const QString& text) {
  for (int i = 0; i < parent->childCount(); ++i) {
    if (parent->child(i)->text(0) == text) return parent->child(i);
  }
  return nullptr;
}

TEST_F(FolderPanelViewTest, ExpandingByTheButtonListsWithoutReloadingAndTheNextClickCounts) {
  tree.File("home/Pictures/2025/a.jpg");
  tree.File("home/Pictures/2026/c.jpg");
  tree.File("home/Pictures/2026/d.jpg");
  tree.Folder("home/Pictures/2026/Deep");
  auto form = Start();
  QCoreApplication::processEvents();
  tree.Folder("home/Pictures/2026/Late");  // made after the tree was loaded

  QTreeWidget* view = form->Panels().folderTree;
  QTreeWidgetItem* year = ChildNamed(view->topLevelItem(0), "2026");
  ASSERT_NE(year, nullptr);
  ASSERT_FALSE(year->isExpanded());
  const QRect row = view->visualItemRect(year);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    QPoint(row.left() - view->indentation() / 2, row.center().y()));
  QCoreApplication::processEvents();
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/2026"));
  EXPECT_EQ(form->PhotoList().PhotoCount, 2);
  year = ChildNamed(view->topLevelItem(0), "2026");
  ASSERT_NE(year, nullptr);
  EXPECT_TRUE(year->isExpanded());
  EXPECT_EQ(year->childCount(), 1) << "the children were not reloaded";
  EXPECT_EQ(view->currentItem(), year) << "the highlight follows the listed folder";
  EXPECT_TRUE(year->isSelected());

  // A plain click on a node right after is not swallowed.
  QTreeWidgetItem* other = ChildNamed(view->topLevelItem(0), "2025");
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(other).center());
  QCoreApplication::processEvents();
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/2025"));
}

// The slot's root went away behind the program's back: a click in the stale tree lists nothing,
// and the strip must not go on showing the vanished photos.
TEST_F(FolderPanelViewTest, AMissingSlotRootGreysTheStrip) {
  QImage picture(64, 48, QImage::Format_RGB888);
  picture.fill(Qt::red);
  tree.File("home/Pictures/a.jpg", testkit::EncodeJpeg(picture, {}, {90}));
  tree.Folder("home/Pictures/2025");
  auto form = Start();
  QCoreApplication::processEvents();
  auto cellPixel = [&] {
    const std::uint8_t* p = form->Strip().Cell(4)->Buffer().ConstScanLine(30) + 3 * 40;
    return QColor(p[2], p[1], p[0]);
  };
  ASSERT_GT(cellPixel().red(), 150) << "the photo's thumbnail";
  ASSERT_TRUE(QDir(tree.Path("home/Pictures")).removeRecursively());
  QTreeWidget* view = form->Panels().folderTree;
  QTreeWidgetItem* year = ChildNamed(view->topLevelItem(0), "2025");
  ASSERT_NE(year, nullptr);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(year).center());
  QCoreApplication::processEvents();
  EXPECT_EQ(cellPixel(), QColor(128, 128, 128));
}

TEST_F(FolderPanelViewTest, TheWheelOverTheTreeWalksTheFolders) {
  tree.File("home/Pictures/2025/a.jpg");
  tree.File("home/Pictures/2026/c.jpg");
  auto form = Start();
  QCoreApplication::processEvents();
  auto turn = [&](int delta) {
    testkit::TurnWheel(form.get(), form->Panels().subFolderPnl, delta);
    QCoreApplication::processEvents();  // turns that come while one is handled are dropped
  };
  turn(-120);
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/2025"));
  turn(-120);
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/2026"));
  turn(-120);
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures")) << "back to the root";
  turn(120);
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures"));
}

TEST_F(FolderPanelViewTest, TheWheelOverATallTreeWalksInsteadOfScrolling) {
  for (int i = 0; i < 40; ++i)
    tree.Folder(QStringLiteral("home/Pictures/F%1").arg(i, 2, 10, QChar('0')));
  auto form = Start();
  QCoreApplication::processEvents();
  QWidget* viewport = form->Panels().folderTree->viewport();
  testkit::TurnWheel(viewport, viewport, -120);
  EXPECT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/F00"));
  EXPECT_EQ(form->Panels().folderTree->verticalScrollBar()->value(), 0);
}

TEST_F(FolderPanelViewTest, LabelsShortenALongRootInsideTheDocuments) {
  const QString root = tree.Folder(
      "home/Documents/a very long folder name for the label/another long folder name/photos");
  auto form = Start();
  form->Session().settings().PhotoFolder2 = root;
  form->FolderView().UpdateFolderLabels();
  const QString line1 = form->Panels().folderLbl[1]->text();
  const QString line2 = form->Panels().folderLblB[1]->text();
  EXPECT_TRUE(line1.startsWith("マイ ドキュメント")) << line1.toStdString();
  EXPECT_TRUE(line2.startsWith("…")) << line2.toStdString();
  EXPECT_TRUE(line2.endsWith("/photos")) << line2.toStdString();
  EXPECT_EQ(form->Panels().folderLbl[1]->toolTip(), root);
  // A root that fits one line leaves its first label a pixel lower.
  EXPECT_EQ(form->Panels().folderLbl[2]->y(), form->Panels().kFolderLineTops[2] + 1);
  EXPECT_EQ(form->Panels().folderLbl[1]->y(), form->Panels().kFolderLineTops[1]);
}

// The watcher merges a burst of changes after a quiet time; these tests wait for it.
class FolderWatchTest : public FolderPanelViewTest {
 protected:
  // A photo that decodes: a broken one turns the watcher off until the next scan.
  void Photo(const QString& relative) {
    static const QByteArray jpeg = testkit::EncodeJpeg(testkit::MakeTestPicture(64, 48, 2), {});
    tree.File(relative, jpeg);
  }
  static bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) QTest::qWait(20);
    return done();
  }
};

TEST_F(FolderWatchTest, SeveralChangesWithinTheQuietTimeGiveOneRefresh) {
  Photo("home/Pictures/a.jpg");
  auto form = Start();
  QCoreApplication::processEvents();
  ASSERT_EQ(form->PhotoList().PhotoCount, 1);
  library::TDirectoryWatcher& watcher = form->FolderView().Watcher();
  // A long quiet time keeps the three writes inside one burst on a slow machine.
  watcher.DelayTime = 2000;
  QSignalSpy changes(&watcher, &library::TDirectoryWatcher::OnChange);
  for (const char* name : {"b.jpg", "c.jpg", "d.jpg"})
    Photo(QStringLiteral("home/Pictures/") + name);
  EXPECT_TRUE(WaitFor([&] { return changes.count() > 0; }, 6000));
  // Reports still on their way would start the timer again.
  QCoreApplication::processEvents();
  EXPECT_FALSE(watcher.Pending());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(form->PhotoList().PhotoCount, 4);
}

TEST_F(FolderWatchTest, AFolderMadeOutsideTheProgramAppearsInTheTree) {
  Photo("home/Pictures/a.jpg");
  auto form = Start();
  QCoreApplication::processEvents();
  QTreeWidget* view = form->Panels().folderTree;
  ASSERT_EQ(view->topLevelItem(0)->childCount(), 0);
  tree.Folder("home/Pictures/New");
  EXPECT_TRUE(WaitFor([&] { return view->topLevelItem(0)->childCount() == 1; }, 4000));
  EXPECT_EQ(view->topLevelItem(0)->child(0)->text(0), "New");
}

TEST_F(FolderWatchTest, ADeletedCurrentFolderFallsBackToTheSlotRoot) {
  Photo("home/Pictures/root.jpg");
  Photo("home/Pictures/2025/a.jpg");
  Photo("home/Pictures/2025/b.jpg");
  auto form = Start();
  QCoreApplication::processEvents();
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/2025"));
  ASSERT_EQ(form->PhotoList().PhotoCount, 2);
  ASSERT_TRUE(QDir(tree.Path("home/Pictures/2025")).removeRecursively());
  EXPECT_TRUE(
      WaitFor([&] { return form->Folders().CurrentFolder == tree.Path("home/Pictures"); }, 4000));
  EXPECT_EQ(form->PhotoList().PhotoCount, 1);
  EXPECT_EQ(form->PhotoList().Name(1), "root.jpg");
}

}  // namespace
}  // namespace kasumori::ui
