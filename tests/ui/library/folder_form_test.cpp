// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/folder_form.h"

#include "config/text_file.h"
#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "support/modal_dialog.h"
#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_panels.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <optional>

namespace kasumori::ui {
namespace {

// The folder window answers a right click in the tree; each test acts in it while it is open.
class FolderFormTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  void SetUp() override {
    tree.File("home/Pictures/top.jpg");
    tree.File("home/Pictures/Trip/t.jpg",
              testkit::EncodeJpeg(testkit::MakeTestPicture(320, 240, 1), {}));
    tree.Folder("home/Pictures/Empty");
    tree.Folder("home/Pictures/Other");
    form = Start();
    QCoreApplication::processEvents();
    dialogs.Clear();  // the first-run notice
  }

  QTreeWidgetItem* Item(const QString& text) {
    QTreeWidget* view = form->Panels().folderTree;
    QTreeWidgetItem* root = view->topLevelItem(0);
    if (root->text(0) == text) return root;
    for (int i = 0; i < root->childCount(); ++i) {
      if (root->child(i)->text(0) == text) return root->child(i);
    }
    return nullptr;
  }

  // Right-clicks the node and runs `act` in the window that opens. False when none opened.
  bool InFolderWindow(const QString& node, const std::function<void(QDialog&)>& act) {
    QTreeWidgetItem* item = Item(node);
    if (!item) return false;
    const testkit::WhenModalShown window(act);
    QTreeWidget* view = form->Panels().folderTree;
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->visualItemRect(item).center());
    QCoreApplication::processEvents();
    return window.Acted();
  }

  static void Type(QDialog& window, const QString& name) {
    window.findChild<QLineEdit*>("NameEdit")->setText(name);
    window.findChild<QPushButton*>("HenkouBtn")->click();
  }

  QString Pictures(const QString& below = {}) {
    return tree.Path("home/Pictures") + (below.isEmpty() ? QString() : "/" + below);
  }

  std::unique_ptr<TMainForm> form;
};

TEST_F(FolderFormTest, OpensForTheNodeBelowThePointerWithItsNameSelected) {
  QString caption, name, selected, line;
  QSize size;
  ASSERT_TRUE(InFolderWindow("Trip", [&](QDialog& window) {
    caption = window.windowTitle();
    size = window.size();
    auto* edit = window.findChild<QLineEdit*>("NameEdit");
    name = edit->text();
    selected = edit->selectedText();
    line = window.findChild<QLabel*>("FolderLbl")->text();
    EXPECT_NE(window.findChild<QPushButton*>("DelBtn"), nullptr);
  }));
  EXPECT_EQ(caption, "Kasumori２");
  EXPECT_EQ(size, QSize(237, 154));
  EXPECT_EQ(name, "Trip");
  EXPECT_EQ(selected, "Trip");
  EXPECT_TRUE(line.endsWith("Trip")) << line.toStdString();
  // The right button selects the node like the left one does.
  EXPECT_EQ(form->Folders().CurrentFolder, Pictures("Trip"));
}

TEST_F(FolderFormTest, RenameRefusesBadAndTakenNamesAndKeepsTheWindowOpen) {
  bool openAfterBadName = false, openAfterTakenName = false;
  ASSERT_TRUE(InFolderWindow("Trip", [&](QDialog& window) {
    Type(window, "a/b");
    openAfterBadName = window.isVisible();
    EXPECT_EQ(window.focusWidget(), window.findChild<QLineEdit*>("NameEdit"))
        << "the name field has the focus back";
    Type(window, "other");  // any letter case clashes
    openAfterTakenName = window.isVisible();
  }));
  ASSERT_EQ(dialogs.Records().size(), 2u);
  EXPECT_EQ(dialogs.Text(0), "フォルダ名に「\\/:*?\"<>|」の文字は使用できません。");
  EXPECT_EQ(dialogs.Text(1),
            "フォルダ名「other」は\nすでに存在していますので、フォルダ名を変更できません。");
  EXPECT_TRUE(openAfterBadName);
  EXPECT_TRUE(openAfterTakenName);
  EXPECT_TRUE(tree.Exists("home/Pictures/Trip/t.jpg")) << "nothing was renamed";
}

TEST_F(FolderFormTest, RenameToItsOwnNameJustCloses) {
  bool closed = false;
  ASSERT_TRUE(InFolderWindow("Trip", [&](QDialog& window) {
    Type(window, "Trip");
    closed = !window.isVisible();
  }));
  EXPECT_TRUE(closed);
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_FALSE(form->Folders().IgnoreNextChange) << "nothing changed on disk";
}

TEST_F(FolderFormTest, RenameMovesTheFolderItsThumbnailsAndTheCurrentFolder) {
  // Showing Trip's photos in the strip caches their thumbnails.
  QCoreApplication::processEvents();
  ASSERT_TRUE(InFolderWindow("Trip", [](QDialog&) {}));
  const QString cache = program + "/Thumbnail/01/Pictures";
  ASSERT_TRUE(QFileInfo::exists(cache + "/Trip/t_jpg.bmp"));

  // Favourites inside the folder follow it; one in a folder that only begins alike stays.
  config::WriteTextLines(program + "/Okini.dat", {"t.jpg", "x.jpg"});
  config::WriteTextLines(program + "/Okini2.dat",
                         {Pictures("Trip/t.jpg"), Pictures("TripX/x.jpg")});

  ASSERT_TRUE(InFolderWindow("Trip", [&](QDialog& window) { Type(window, "旅行"); }));
  EXPECT_TRUE(dialogs.Records().empty()) << dialogs.LastText().toStdString();
  EXPECT_EQ(config::ReadTextLines(program + "/Okini2.dat"),
            (QStringList{Pictures("旅行/t.jpg"), Pictures("TripX/x.jpg")}));
  EXPECT_TRUE(tree.Exists("home/Pictures/旅行/t.jpg"));
  EXPECT_FALSE(tree.Exists("home/Pictures/Trip"));
  EXPECT_EQ(form->Folders().CurrentFolder, Pictures("旅行"));
  EXPECT_TRUE(QFileInfo::exists(cache + "/旅行/t_jpg.bmp"));
  EXPECT_FALSE(QFileInfo::exists(cache + "/Trip"));
  EXPECT_NE(Item("旅行"), nullptr) << "the tree shows the new name";
  EXPECT_EQ(Item("Trip"), nullptr);
  EXPECT_TRUE(form->Folders().IgnoreNextChange) << "the system's own change is not a refresh";
}

TEST_F(FolderFormTest, RenamingTheSlotRootMovesTheSlotWithIt) {
  ASSERT_TRUE(InFolderWindow("Trip", [](QDialog&) {}));  // caches Trip's thumbnail
  ASSERT_TRUE(InFolderWindow("Pictures", [&](QDialog& window) { Type(window, "Photos"); }));
  const QString photos = tree.Path("home/Photos");
  EXPECT_TRUE(tree.Exists("home/Photos/Trip/t.jpg"));
  EXPECT_EQ(form->Session().settings().PhotoFolder1, photos);
  EXPECT_TRUE(config::ReadTextLines(program + "/Kasumori2-ini.dat")->contains(photos))
      << "the settings were saved";
  EXPECT_EQ(form->Folders().CurrentFolder, photos);
  EXPECT_EQ(form->Panels().folderLbl[0]->toolTip(), photos);
  EXPECT_EQ(form->Panels().folderTree->topLevelItem(0)->text(0), "Photos");
  EXPECT_TRUE(QFileInfo::exists(program + "/Thumbnail/01/Photos/Trip/t_jpg.bmp"));
}

TEST_F(FolderFormTest, TheShownPhotoFollowsItsRenamedFolder) {
  ASSERT_TRUE(InFolderWindow("Trip", [](QDialog&) {}));
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_EQ(form->Display().Driver().Shown().Folder, Pictures("Trip"));
  ASSERT_TRUE(InFolderWindow("Trip", [&](QDialog& window) { Type(window, "Tour"); }));
  EXPECT_EQ(form->Display().Driver().Shown().Folder, Pictures("Tour"));
  // A folder taking the old name later holds other photos: they are not the shown one.
  tree.File("home/Pictures/Trip/t.jpg", "somebody else's photo");
  dialogs.Answer(1);
  QTest::keyClick(form.get(), Qt::Key_Delete);
  EXPECT_FALSE(tree.Exists("home/Pictures/Tour/t.jpg")) << "the shown photo went to the trash";
  EXPECT_EQ(tree.Read("home/Pictures/Trip/t.jpg"), QByteArray("somebody else's photo"));
}

TEST_F(FolderFormTest, DeleteRefusesTheRootAndAFolderWithFiles) {
  ASSERT_TRUE(InFolderWindow(
      "Pictures", [](QDialog& window) { window.findChild<QPushButton*>("DelBtn")->click(); }));
  ASSERT_TRUE(InFolderWindow(
      "Trip", [](QDialog& window) { window.findChild<QPushButton*>("DelBtn")->click(); }));
  ASSERT_EQ(dialogs.Records().size(), 2u);
  EXPECT_EQ(dialogs.Text(0), "ルートフォルダは削除できません。");
  EXPECT_EQ(
      dialogs.Text(1),
      "フォルダが空でないか\nもしくはハード的なエラーのため\nフォルダを削除できませんでした。");
  EXPECT_TRUE(tree.Exists("home/Pictures/Trip/t.jpg"));
}

TEST_F(FolderFormTest, DeletingAnEmptyFolderListsItsParent) {
  bool closed = false;
  ASSERT_TRUE(InFolderWindow("Empty", [&](QDialog& window) {
    window.findChild<QPushButton*>("DelBtn")->click();
    closed = !window.isVisible();
  }));
  EXPECT_TRUE(closed);
  EXPECT_FALSE(tree.Exists("home/Pictures/Empty"));
  EXPECT_EQ(form->Folders().CurrentFolder, Pictures());
  EXPECT_EQ(form->PhotoList().PhotoCount, 1) << "top.jpg of the root";
  EXPECT_EQ(Item("Empty"), nullptr);
}

TEST_F(FolderFormTest, ANewFolderIsNamedAtOnceInTheShortWindow) {
  QString shortName;
  QSize shortSize;
  bool shortHasDelete = true;
  std::optional<testkit::WhenModalShown> shortWindow;
  ASSERT_TRUE(InFolderWindow("Other", [&](QDialog& window) {
    // The short window opens once this one has closed.
    shortWindow.emplace([&](QDialog& second) {
      shortName = second.objectName();
      shortSize = second.size();
      shortHasDelete = second.findChild<QPushButton*>("DelBtn") != nullptr;
      EXPECT_EQ(second.findChild<QLineEdit*>("NameEdit")->text(), "新しいフォルダ");
      Type(second, "Tokyo");
    });
    window.findChild<QPushButton*>("MakeBtn")->click();
  }));
  EXPECT_EQ(shortName, "TFolderFormShort");
  EXPECT_EQ(shortSize, QSize(237, 93));
  EXPECT_FALSE(shortHasDelete);
  EXPECT_TRUE(QFileInfo(tree.Path("home/Pictures/Other/Tokyo")).isDir());
  EXPECT_FALSE(tree.Exists("home/Pictures/Other/新しいフォルダ"));
  EXPECT_TRUE(dialogs.Records().empty()) << dialogs.LastText().toStdString();
}

TEST_F(FolderFormTest, ANewFolderIsNotMadeOverOneOfTheSameName) {
  tree.Folder("home/Pictures/Other/新しいフォルダ");
  ASSERT_TRUE(InFolderWindow(
      "Other", [](QDialog& window) { window.findChild<QPushButton*>("MakeBtn")->click(); }));
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(
      dialogs.Text(0),
      "フォルダ名「新しいフォルダ」が\nすでに存在していますので\n新しいフォルダは作成できません。");
}

}  // namespace
}  // namespace kasumori::ui
