// SPDX-License-Identifier: GPL-3.0-or-later
// The window's file commands on the shown photo and on strip photos, over real folders: the
// Delete key, F2 with the rename window, and drops on folder-tree nodes. Each test looks for a
// way to lose a photo or one of its companions, or to leave the list, the strip or the display
// describing files that are no longer where they say.
#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "support/modal_dialog.h"
#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_panels.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

#include <unistd.h>

namespace kasumori::ui {
namespace {

class PhotoMovesWindowTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  // Photos that decode, each with its own picture, so that a mix-up shows in the bytes. They
  // are larger than a strip cell, so their thumbnails are cached.
  static QByteArray Jpeg(int seed) {
    return testkit::EncodeJpeg(testkit::MakeTestPicture(160, 120, seed), {});
  }
  QByteArray Photo(const QString& relative, int seed) {
    const QByteArray bytes = Jpeg(seed);
    tree.File("home/Pictures/" + relative, bytes);
    return bytes;
  }
  // An edit record with the eleven lines the thumbnail maker reads and no edits in them; the
  // note on its second line tells records apart.
  static QByteArray Record(const QByteArray& note) {
    return "KSM\r\n" + note + "\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n256\r\n0\r\n0\r\n";
  }
  QString Pictures(const QString& below = {}) const {
    return tree.Path("home/Pictures") + (below.isEmpty() ? QString() : '/' + below);
  }
  bool Has(const QString& below) const { return tree.Exists("home/Pictures/" + below); }
  QByteArray Bytes(const QString& below) const { return tree.Read("home/Pictures/" + below); }
  // The cached thumbnail folder of a folder under the slot root.
  QString Cache(const QString& below = {}) const {
    return program + "/Thumbnail/01/Pictures" + (below.isEmpty() ? QString() : '/' + below);
  }
  static QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

  std::unique_ptr<TMainForm> Open() {
    auto form = Start();
    QCoreApplication::processEvents();
    dialogs.Clear();  // the first-run notice
    return form;
  }
  static QString ShownName(TMainForm& form) { return form.Display().Driver().Shown().Name; }
  static bool Showing(TMainForm& form) { return form.Display().Driver().Shown().Shown(); }
  static QStringList Listed(const TMainForm& form) {
    QStringList names;
    for (int p = 1; p <= form.PhotoList().PhotoCount; ++p) names << form.PhotoList().Name(p);
    return names;
  }
  // Steps with X until the photo is shown; false when the list ends first.
  static bool ShowByKeys(TMainForm& form, const QString& name) {
    for (int i = 0; i <= form.PhotoList().PhotoCount; ++i) {
      QTest::keyClick(&form, Qt::Key_X);
      if (ShownName(form) == name) return true;
    }
    return false;
  }
  static QTreeWidgetItem* Node(TMainForm& form, const QString& text) {
    QTreeWidgetItem* root = form.Panels().folderTree->topLevelItem(0);
    if (root == nullptr || root->text(0) == text) return root;
    for (int i = 0; i < root->childCount(); ++i) {
      if (root->child(i)->text(0) == text) return root->child(i);
    }
    return nullptr;
  }
  // A plain click on a node, which makes its folder current.
  static void ClickNode(TMainForm& form, const QString& text) {
    QTreeWidget* view = form.Panels().folderTree;
    QTreeWidgetItem* item = Node(form, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
    QCoreApplication::processEvents();
  }
  void DropFromStrip(TMainForm& form, const QString& below, const QString& node) {
    QTreeWidgetItem* item = Node(form, node);
    ASSERT_NE(item, nullptr) << node.toStdString();
    form.FolderView().DropPhoto(Pictures(below), item, library::DragSource::Strip);
  }
  static void DropFromView(TMainForm& form, const QString& node) {
    QTreeWidgetItem* item = Node(form, node);
    ASSERT_NE(item, nullptr) << node.toStdString();
    const display::ShownPhoto& shown = form.Display().Driver().Shown();
    form.FolderView().DropPhoto(shown.Folder + '/' + shown.Name, item,
                                library::DragSource::PhotoView);
  }
  // F2 with the name typed into the rename window and "決定" pressed. False when no window
  // opened. A window that stays open (a refused name) is cancelled.
  static bool RenameByF2(TMainForm& form, const QString& typed) {
    const testkit::WhenModalShown window([&](QDialog& window) {
      window.findChild<QLineEdit*>("NewNameEdit")->setText(typed);
      window.findChild<QPushButton*>("KetteiBtn")->click();
    });
    QTest::keyClick(&form, Qt::Key_F2);
    QCoreApplication::processEvents();
    return window.Acted();
  }
  static bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) QTest::qWait(20);
    return done();
  }
  static bool WaitForFile(const QString& path) {
    return WaitFor([&] { return QFileInfo::exists(path); }, 2000);
  }
};

// ---- Delete ----

using DeleteShownPhotoTest = PhotoMovesWindowTest;

TEST_F(DeleteShownPhotoTest, TheOnlyPhotoGoesWholeToTheTrashAndLeavesNothingShown) {
  const QByteArray solo = Photo("solo.jpg", 1);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "solo.jpg"));
  ASSERT_TRUE(WaitForFile(Cache() + "/solo_jpg.bmp"));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(tree.Read("trash/solo.jpg"), solo);
  EXPECT_FALSE(Has("solo.jpg"));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/solo_jpg.bmp"));
  EXPECT_EQ(form->PhotoList().PhotoCount, 0);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 0);
  EXPECT_FALSE(Showing(*form));

  // A second press finds nothing to delete and only explains the key.
  dialogs.Clear();
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_TRUE(dialogs.Text(0).startsWith("『DEL』キーは")) << dialogs.Text(0).toStdString();
  EXPECT_EQ(Files(tree.Path("trash")), QStringList{"solo.jpg"});
}

TEST_F(DeleteShownPhotoTest, TheLastListedPhotoGoesAndTheNewLastOneIsShown) {
  Photo("P1.jpg", 1);
  const QByteArray p2 = Photo("P2.jpg", 2);
  const QByteArray p3 = Photo("P3.jpg", 3);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P3.jpg"));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(tree.Read("trash/P3.jpg"), p3);
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P2.jpg"}));
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  EXPECT_EQ(ShownName(*form), "P2.jpg");
  EXPECT_EQ(Bytes("P2.jpg"), p2);
}

TEST_F(DeleteShownPhotoTest, AShownRecordGoesAloneAndItsPhotoTakesItsPlace) {
  const QByteArray photo = Photo("IMG.jpg", 1);
  tree.File("home/Pictures/IMG_jpg.ksm", Record("first"));
  tree.File("home/Pictures/IMG_jpg-002.ksm", Record("second"));
  Photo("Z.jpg", 2);
  auto form = Open();
  ASSERT_EQ(Listed(*form), (QStringList{"IMG_jpg-002.ksm", "IMG_jpg.ksm", "Z.jpg"}));
  ASSERT_TRUE(ShowByKeys(*form, "IMG_jpg.ksm"));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  ASSERT_FALSE(dialogs.Records().empty());
  EXPECT_EQ(dialogs.Records()[0].lines.last(), "（元の写真ファイルは残ります）");
  EXPECT_EQ(tree.Read("trash/IMG_jpg.ksm"), Record("first"));
  EXPECT_EQ(Bytes("IMG.jpg"), photo);
  EXPECT_EQ(Bytes("IMG_jpg-002.ksm"), Record("second"));
  EXPECT_TRUE(Listed(*form).contains("IMG.jpg")) << Listed(*form).join(',').toStdString();
  EXPECT_TRUE(Showing(*form));
}

TEST_F(DeleteShownPhotoTest, ATrashThatCannotTakeThePhotoLeavesItShownAndListed) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  Photo("P2.jpg", 2);
  tree.File("trash/P1.jpg", "an older P1.jpg in the trash");  // the folder trash never replaces
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(dialogs.LastText(), "「P1.jpg」を\nごみ箱へ移動できませんでした。");
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_EQ(tree.Read("trash/P1.jpg"), QByteArray("an older P1.jpg in the trash"));
  EXPECT_EQ(ShownName(*form), "P1.jpg");
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P2.jpg"}));
  EXPECT_FALSE(form->Folders().IgnoreNextChange);
}

TEST_F(DeleteShownPhotoTest, AfterWalkingToAnotherFolderItIsStillTheShownPhotoThatGoes) {
  const QByteArray top = Photo("top.jpg", 1);
  const QByteArray a = Photo("2025/a.jpg", 2);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "top.jpg"));
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, Pictures("2025"));
  ASSERT_EQ(ShownName(*form), "top.jpg") << "walking the folders leaves the display";
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(tree.Read("trash/top.jpg"), top);
  EXPECT_EQ(Bytes("2025/a.jpg"), a) << "not the photo at the cursor of the current folder";
  EXPECT_EQ(Listed(*form), QStringList{"a.jpg"});
}

TEST_F(DeleteShownPhotoTest, ADeletionInASubFolderDoesNotSwallowTheNextChangeOfTheSlot) {
  Photo("top.jpg", 1);
  Photo("2025/a.jpg", 2);
  Photo("2025/b.jpg", 3);
  auto form = Open();
  ClickNode(*form, "2025");
  ASSERT_TRUE(ShowByKeys(*form, "a.jpg"));
  // From here the watcher passes on a folder made in the slot root…
  tree.Folder("home/Pictures/Early");
  ASSERT_TRUE(WaitFor([&] { return Node(*form, "Early") != nullptr; }, 4000));
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  ASSERT_FALSE(Has("2025/a.jpg"));
  ASSERT_EQ(Listed(*form), QStringList{"b.jpg"});
  // …and still does: the deletion left nothing waiting to be swallowed.
  ASSERT_FALSE(form->Folders().IgnoreNextChange);
  tree.Folder("home/Pictures/Late");
  EXPECT_TRUE(WaitFor([&] { return Node(*form, "Late") != nullptr; }, 4000));
}

// ---- Rename ----

using RenameShownPhotoTest = PhotoMovesWindowTest;

TEST_F(RenameShownPhotoTest, ACaseOnlyRenameTakesRecordsThumbnailAndTurnAlong) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-002.ksm", Record("second"));
  Photo("P2.jpg", 2);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTest::keyClick(form.get(), Qt::Key_2);  // turned right: the sidecar holds it
  ASSERT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  ASSERT_TRUE(RenameByF2(*form, "p1"));
  EXPECT_TRUE(dialogs.Records().empty()) << dialogs.LastText().toStdString();
  EXPECT_EQ(Files(Pictures()), (QStringList{"P2.jpg", "p1.jpg", "p1_jpg-002.ksm"}));
  EXPECT_EQ(Bytes("p1.jpg"), p1);
  EXPECT_EQ(Bytes("p1_jpg-002.ksm"), Record("second"));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  EXPECT_TRUE(QFileInfo::exists(Cache() + "/p1_jpg.dat"));
  QStringList listed = Listed(*form);
  listed.sort();  // how the collator orders letter cases depends on the locale
  EXPECT_EQ(listed, (QStringList{"P2.jpg", "p1.jpg", "p1_jpg-002.ksm"}));
  // Back on the renamed photo, it is still turned.
  QTest::keyClick(form.get(), Qt::Key_Q);
  QTest::keyClick(form.get(), Qt::Key_X);
  QString name = ShownName(*form);
  for (int i = 0; i < 3 && name != "p1.jpg"; ++i, name = ShownName(*form)) {
    QTest::keyClick(form.get(), Qt::Key_X);
  }
  ASSERT_EQ(name, "p1.jpg");
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
}

TEST_F(RenameShownPhotoTest, AnotherPhotosNameIsRefusedAndBothStayWhole) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  const QByteArray p2 = Photo("P2.jpg", 2);
  tree.File("home/Pictures/P2_jpg-001.ksm", Record("P2's record"));
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  for (const char* typed : {"P2", "P2.jpg"}) {
    SCOPED_TRACE(typed);
    dialogs.Clear();
    ASSERT_TRUE(RenameByF2(*form, typed));
    EXPECT_EQ(dialogs.LastText(),
              "入力されたファイル名は、すでに存在して\nいますので、変更できませんでした。");
    EXPECT_EQ(Bytes("P1.jpg"), p1);
    EXPECT_EQ(Bytes("P2.jpg"), p2);
    EXPECT_EQ(Bytes("P2_jpg-001.ksm"), Record("P2's record"));
    EXPECT_EQ(ShownName(*form), "P1.jpg");
  }
}

TEST_F(RenameShownPhotoTest, AnotherPhotosNameInOtherLetterCaseLeavesBothPhotosListed) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  Photo("P2.jpg", 2);
  tree.File("home/Pictures/P2_jpg.ksm", Record("P2's record"));  // P2 is listed as its record
  auto form = Open();
  ASSERT_EQ(Listed(*form), (QStringList{"P1.jpg", "P2_jpg.ksm"}));
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  ASSERT_TRUE(RenameByF2(*form, "p2"));
  // Refused or done, the photo must not vanish behind the other photo's record.
  if (Has("P1.jpg")) {
    EXPECT_EQ(Bytes("P1.jpg"), p1);
    EXPECT_TRUE(Listed(*form).contains("P1.jpg"));
  } else {
    EXPECT_EQ(Bytes("p2.jpg"), p1);
    EXPECT_TRUE(Listed(*form).contains("p2.jpg")) << Listed(*form).join(',').toStdString();
  }
  EXPECT_EQ(Bytes("P2_jpg.ksm"), Record("P2's record"));
}

TEST_F(RenameShownPhotoTest, APhotoShownFromAnotherFolderIsRenamedWhereItLies) {
  const QByteArray top = Photo("top.jpg", 1);
  const QByteArray a = Photo("2025/a.jpg", 2);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "top.jpg"));
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, Pictures("2025"));
  ASSERT_TRUE(RenameByF2(*form, "Beach"));
  EXPECT_EQ(Bytes("Beach.jpg"), top);
  EXPECT_FALSE(Has("top.jpg"));
  EXPECT_FALSE(Has("2025/Beach.jpg"));
  EXPECT_EQ(Bytes("2025/a.jpg"), a);
  EXPECT_EQ(Listed(*form), QStringList{"a.jpg"});
  EXPECT_EQ(ShownName(*form), "Beach.jpg");
  // The display knows the new name: the next command on it finds the file.
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_EQ(tree.Read("trash/Beach.jpg"), top);
  EXPECT_EQ(Bytes("2025/a.jpg"), a);
}

TEST_F(RenameShownPhotoTest, ANameTheSystemRefusesLeavesThePhotoAndItsCompanions) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-001.ksm", Record("first"));
  Photo("P2.jpg", 2);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTest::keyClick(form.get(), Qt::Key_2);
  ASSERT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  ASSERT_TRUE(RenameByF2(*form, QString(300, QChar('n'))));  // longer than a name may be
  EXPECT_TRUE(dialogs.LastText().startsWith("ファイル名の変更ができませんでした。"))
      << dialogs.LastText().toStdString();
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_EQ(Bytes("P1_jpg-001.ksm"), Record("first"));
  EXPECT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  EXPECT_EQ(ShownName(*form), "P1.jpg");
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P1_jpg-001.ksm", "P2.jpg"}));
  EXPECT_FALSE(form->Folders().IgnoreNextChange);
}

// ---- Drops on folder-tree nodes ----

using DropPhotoOnNodeTest = PhotoMovesWindowTest;

TEST_F(DropPhotoOnNodeTest, OntoItsOwnFolderNothingMovesFromTheStripOrTheView) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-001.ksm", Record("first"));
  Photo("P2.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  const QStringList before = Listed(*form);
  DropFromStrip(*form, "P1.jpg", "Pictures");
  DropFromView(*form, "Pictures");
  ASSERT_EQ(dialogs.Records().size(), 2u);
  EXPECT_EQ(dialogs.Text(0), "移動元と移動先のフォルダが同じです。");
  EXPECT_EQ(dialogs.Text(1), "移動元と移動先のフォルダが同じです。");
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_EQ(Bytes("P1_jpg-001.ksm"), Record("first"));
  EXPECT_EQ(Listed(*form), before);
  EXPECT_EQ(ShownName(*form), "P1.jpg");
  EXPECT_FALSE(form->Folders().IgnoreNextChange);
}

TEST_F(DropPhotoOnNodeTest, ADestinationHoldingTheNameKeepsBothPhotos) {
  const QByteArray mine = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-001.ksm", Record("my record"));
  const QByteArray theirs = Photo("Keep/P1.jpg", 2);
  tree.File("home/Pictures/Keep/P1_jpg-001.ksm", Record("their record"));
  Photo("P2.jpg", 3);
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  DropFromStrip(*form, "P1.jpg", "Keep");
  DropFromView(*form, "Keep");
  ASSERT_EQ(dialogs.Records().size(), 2u);
  for (std::size_t i : {0u, 1u}) {
    EXPECT_EQ(dialogs.Text(i),
              "移動先に、すでに同名のファイルが存在\nしていますので、移動できませんでした。");
  }
  EXPECT_EQ(Bytes("P1.jpg"), mine);
  EXPECT_EQ(Bytes("P1_jpg-001.ksm"), Record("my record"));
  EXPECT_EQ(Bytes("Keep/P1.jpg"), theirs);
  EXPECT_EQ(Bytes("Keep/P1_jpg-001.ksm"), Record("their record"));
  EXPECT_EQ(ShownName(*form), "P1.jpg");
}

TEST_F(DropPhotoOnNodeTest, ADestinationHoldingTheNameInOtherCaseKeepsItsPhotoListed) {
  const QByteArray mine = Photo("IMG.jpg", 1);
  tree.File("home/Pictures/IMG_jpg.ksm", Record("my record"));  // listed in place of IMG.jpg
  const QByteArray theirs = Photo("Keep/img.JPG", 2);
  auto form = Open();
  ASSERT_EQ(Listed(*form), QStringList{"IMG_jpg.ksm"});
  dialogs.Answer(1);  // the record goes with its photo
  DropFromStrip(*form, "IMG_jpg.ksm", "Keep");
  EXPECT_EQ(Bytes("Keep/img.JPG"), theirs);
  ClickNode(*form, "Keep");
  // Moved or refused, the photo already there must not end up behind the other one's record.
  EXPECT_TRUE(Listed(*form).contains("img.JPG")) << Listed(*form).join(',').toStdString();
  EXPECT_EQ(Bytes(Has("IMG.jpg") ? "IMG.jpg" : "Keep/IMG.jpg"), mine);
}

TEST_F(DropPhotoOnNodeTest, AReadOnlyDestinationKeepsThePhotoWithEverythingItHas) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.File("home/Pictures/P1_jpg-001.ksm", Record("first"));
  Photo("P2.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTest::keyClick(form.get(), Qt::Key_2);
  ASSERT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  QFile keep(Pictures("Keep"));
  const QFileDevice::Permissions writable = keep.permissions();
  ASSERT_TRUE(keep.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  DropFromView(*form, "Keep");
  dialogs.Answer(1);  // the record is to go with its photo
  DropFromStrip(*form, "P1_jpg-001.ksm", "Keep");
  keep.setPermissions(writable);
  ASSERT_EQ(dialogs.Records().size(), 3u);
  for (std::size_t i : {0u, 2u}) {
    EXPECT_TRUE(dialogs.Text(i).startsWith("ファイルを移動できませんでした。"))
        << dialogs.Text(i).toStdString();
  }
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_EQ(Bytes("P1_jpg-001.ksm"), Record("first"));
  EXPECT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  EXPECT_TRUE(Files(Pictures("Keep")).isEmpty()) << Files(Pictures("Keep")).join(',').toStdString();
  EXPECT_EQ(ShownName(*form), "P1.jpg");
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P1_jpg-001.ksm", "P2.jpg"}));
  EXPECT_FALSE(form->Folders().IgnoreNextChange);
}

TEST_F(DropPhotoOnNodeTest, ANodeWhoseFolderHasGoneKeepsThePhoto) {
  const QByteArray p1 = Photo("P1.jpg", 1);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTreeWidgetItem* keep = Node(*form, "Keep");
  ASSERT_NE(keep, nullptr);
  // Removed outside the program, before the watcher had its turn to rebuild the tree.
  ASSERT_TRUE(QDir().rmdir(Pictures("Keep")));
  form->FolderView().DropPhoto(Pictures("P1.jpg"), keep, library::DragSource::PhotoView);
  EXPECT_EQ(dialogs.LastText(), "書庫ファイル内へは移動することができません。");
  EXPECT_EQ(Bytes("P1.jpg"), p1);
  EXPECT_FALSE(Has("Keep"));
  EXPECT_EQ(ShownName(*form), "P1.jpg");
}

TEST_F(DropPhotoOnNodeTest, ARecordFromTheStripTakesItsPhotoAllRecordsAndThumbnails) {
  const QByteArray photo = Photo("IMG.jpg", 1);
  tree.File("home/Pictures/IMG_jpg.ksm", Record("first"));
  tree.File("home/Pictures/IMG_jpg-002.ksm", Record("second"));
  const QByteArray z = Photo("Z.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_EQ(Listed(*form), (QStringList{"IMG_jpg-002.ksm", "IMG_jpg.ksm", "Z.jpg"}));
  ASSERT_TRUE(WaitForFile(Cache() + "/IMG_jpg-002_ksm.bmp"));
  ASSERT_TRUE(WaitForFile(Cache() + "/IMG_jpg_ksm.bmp"));

  DropFromStrip(*form, "IMG_jpg-002.ksm", "Keep");  // the confirmation answered "no"
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Records()[0].lines[3], "元の写真ファイル「IMG.jpg」");
  EXPECT_EQ(Files(Pictures()).size(), 4);
  EXPECT_TRUE(Files(Pictures("Keep")).isEmpty());

  dialogs.Answer(1);
  DropFromStrip(*form, "IMG_jpg-002.ksm", "Keep");
  EXPECT_EQ(Files(Pictures()), QStringList{"Z.jpg"});
  EXPECT_EQ(Bytes("Keep/IMG.jpg"), photo);
  EXPECT_EQ(Bytes("Keep/IMG_jpg.ksm"), Record("first"));
  EXPECT_EQ(Bytes("Keep/IMG_jpg-002.ksm"), Record("second"));
  EXPECT_EQ(Bytes("Z.jpg"), z);
  EXPECT_EQ(Listed(*form), QStringList{"Z.jpg"});
  EXPECT_EQ(form->PhotoList().CurrentIndex, 1);
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/IMG_jpg_ksm.bmp"));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/IMG_jpg-002_ksm.bmp"));
  EXPECT_TRUE(QFileInfo::exists(Cache("Keep") + "/IMG_jpg_ksm.bmp"));
  EXPECT_TRUE(QFileInfo::exists(Cache("Keep") + "/IMG_jpg-002_ksm.bmp"));
  ClickNode(*form, "Keep");
  EXPECT_EQ(Listed(*form), (QStringList{"IMG_jpg-002.ksm", "IMG_jpg.ksm"}));
}

TEST_F(DropPhotoOnNodeTest, ARecordOfACameraPhotoFromTheStripTakesThePhotoAsSpelled) {
  // Cameras name their files in capitals; the record's name has the extension in lower case.
  const QByteArray photo = Photo("DSC_0001.JPG", 1);
  tree.File("home/Pictures/DSC_0001_jpg.ksm", Record("first"));
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_EQ(Listed(*form), QStringList{"DSC_0001_jpg.ksm"});
  dialogs.Answer(1);
  DropFromStrip(*form, "DSC_0001_jpg.ksm", "Keep");
  EXPECT_EQ(Files(Pictures("Keep")), (QStringList{"DSC_0001.JPG", "DSC_0001_jpg.ksm"}));
  EXPECT_EQ(Bytes("Keep/DSC_0001.JPG"), photo);
  EXPECT_TRUE(Files(Pictures()).isEmpty());
  EXPECT_EQ(form->PhotoList().PhotoCount, 0);
}

TEST_F(DropPhotoOnNodeTest, ARecordOfACameraPhotoCanBeShownAndMovedFromTheView) {
  const QByteArray photo = Photo("DSC_0001.JPG", 1);
  tree.File("home/Pictures/DSC_0001_jpg.ksm", Record("first"));
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_EQ(ShownName(*form), "DSC_0001_jpg.ksm");
  dialogs.Answer(1);
  DropFromView(*form, "Keep");
  EXPECT_EQ(Bytes("Keep/DSC_0001.JPG"), photo);
  EXPECT_EQ(Bytes("Keep/DSC_0001_jpg.ksm"), Record("first"));
}

TEST_F(DropPhotoOnNodeTest, TheShownPhotoMovedFromTheStripLeavesNothingShown) {
  Photo("P1.jpg", 1);
  const QByteArray p2 = Photo("P2.jpg", 2);
  Photo("P3.jpg", 3);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P2.jpg"));
  DropFromStrip(*form, "P2.jpg", "Keep");
  EXPECT_EQ(Bytes("Keep/P2.jpg"), p2);
  EXPECT_EQ(Listed(*form), (QStringList{"P1.jpg", "P3.jpg"}));
  EXPECT_FALSE(Showing(*form));
  // With nothing shown, Delete only explains itself: neither the moved photo nor the one now
  // at the cursor goes.
  dialogs.Clear();
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_TRUE(dialogs.LastText().startsWith("『DEL』キーは")) << dialogs.LastText().toStdString();
  EXPECT_FALSE(QDir(tree.Path("trash")).exists());
  EXPECT_EQ(Files(Pictures()), (QStringList{"P1.jpg", "P3.jpg"}));
}

TEST_F(DropPhotoOnNodeTest, AShownRecordGoesDarkWhenAnotherRecordTakesItsPhotoAway) {
  Photo("IMG.jpg", 1);
  tree.File("home/Pictures/IMG_jpg.ksm", Record("first"));
  tree.File("home/Pictures/IMG_jpg-002.ksm", Record("second"));
  Photo("Z.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "IMG_jpg.ksm"));
  dialogs.Answer(1);
  DropFromStrip(*form, "IMG_jpg-002.ksm", "Keep");
  EXPECT_TRUE(Has("Keep/IMG_jpg.ksm"));
  EXPECT_FALSE(Showing(*form)) << ShownName(*form).toStdString();
}

TEST_F(DropPhotoOnNodeTest, AnotherPhotoMovedFromTheStripLeavesTheShownOneRight) {
  for (int i = 1; i <= 4; ++i) Photo(QStringLiteral("P%1.jpg").arg(i), i);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P3.jpg"));
  DropFromStrip(*form, "P1.jpg", "Keep");
  ASSERT_EQ(Listed(*form), (QStringList{"P2.jpg", "P3.jpg", "P4.jpg"}));
  ASSERT_EQ(ShownName(*form), "P3.jpg");
  // Turning the shown photo turns it, and no other.
  QTest::keyClick(form.get(), Qt::Key_2);
  EXPECT_TRUE(QFileInfo::exists(Cache() + "/P3_jpg.dat"));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/P4_jpg.dat"));
  ASSERT_TRUE(ShowByKeys(*form, "P4.jpg"));
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 0) << "P4 was never turned";
  QTest::keyClick(form.get(), Qt::Key_Z);
  ASSERT_EQ(ShownName(*form), "P3.jpg");
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
}

TEST_F(DropPhotoOnNodeTest, TheLastPhotoMovedFromTheViewTakesItsThumbnailAlong) {
  const QByteArray solo = Photo("solo.jpg", 1);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "solo.jpg"));
  ASSERT_TRUE(WaitForFile(Cache() + "/solo_jpg.bmp"));
  DropFromView(*form, "Keep");
  EXPECT_EQ(Bytes("Keep/solo.jpg"), solo);
  EXPECT_EQ(form->PhotoList().PhotoCount, 0);
  EXPECT_FALSE(Showing(*form));
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/solo_jpg.bmp"));
  EXPECT_TRUE(QFileInfo::exists(Cache("Keep") + "/solo_jpg.bmp"));
}

TEST_F(DropPhotoOnNodeTest, TheViewMovesTheShownPhotoEvenFromAnotherFolder) {
  const QByteArray top = Photo("top.jpg", 1);
  const QByteArray a = Photo("2025/a.jpg", 2);
  Photo("2025/b.jpg", 3);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "top.jpg"));
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, Pictures("2025"));
  DropFromView(*form, "Keep");
  EXPECT_EQ(Bytes("Keep/top.jpg"), top);
  EXPECT_FALSE(Has("top.jpg"));
  EXPECT_EQ(Bytes("2025/a.jpg"), a);
  EXPECT_EQ(Listed(*form), (QStringList{"a.jpg", "b.jpg"}));
  EXPECT_EQ(ShownName(*form), "a.jpg") << "the photo at the cursor of the current folder";
}

TEST_F(DropPhotoOnNodeTest, AMovedPhotoKeepsItsTurn) {
  Photo("P1.jpg", 1);
  Photo("P2.jpg", 2);
  tree.Folder("home/Pictures/Keep");
  auto form = Open();
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  QTest::keyClick(form.get(), Qt::Key_2);
  ASSERT_TRUE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  DropFromView(*form, "Keep");
  EXPECT_FALSE(QFileInfo::exists(Cache() + "/P1_jpg.dat"));
  EXPECT_TRUE(QFileInfo::exists(Cache("Keep") + "/P1_jpg.dat"));
  ClickNode(*form, "Keep");
  ASSERT_TRUE(ShowByKeys(*form, "P1.jpg"));
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
}

}  // namespace
}  // namespace kasumori::ui
