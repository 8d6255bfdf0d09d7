// SPDX-License-Identifier: GPL-3.0-or-later
// The camera transfer and the date sorting from the main window's menus, through the real
// dialogs and the progress window on the event loop's timers.
#include "ui/library/photo_moves_fixture.h"
#include "ui/shell/main_menu.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>

namespace kasumori::ui {
namespace {

class TransferWindowTest : public PhotoMovesWindowTest {
 protected:
  // A photo on the card with its last-write time at noon of the day.
  void CardPhoto(const QString& name, QDate day, int seed) {
    const QString path = tree.File("card/" + name, Jpeg(seed));
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime(day, QTime(12, 0)), QFileDevice::FileModificationTime);
  }
  static void Trigger(TMainForm& form, const char* entry) {
    auto* action = form.findChild<QAction*>(entry);
    ASSERT_NE(action, nullptr) << entry;
    action->trigger();
    QCoreApplication::processEvents();
  }
};

TEST_F(TransferWindowTest, FromTheCameraIntoDateFoldersAndTheEarlierOneOpens) {
  CardPhoto("IMG_0002.JPG", {2004, 7, 1}, 2);
  CardPhoto("IMG_0001.JPG", {2004, 6, 28}, 1);
  auto form = Open();
  form->Model().settings().CameraName1 = "EOS";
  form->Model().settings().CameraFolder1 = tree.Path("card");
  const testkit::WhenModalShown options([&](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "TTensouForm");
    EXPECT_EQ(dialog.findChild<QLabel*>("TensouLbl1")->text(), "「EOS」から");
    // The slot folder is the desktop's pictures folder.
    EXPECT_EQ(dialog.findChild<QLabel*>("TensouLbl2")->text(), "「マイ ピクチャ」へ");
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("ReadOnlyChk")->isChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("MakeFolderChk")->isChecked());
    dialog.findChild<QPushButton*>("JikkouBtn")->click();
  });
  Trigger(*form, "TensouDtoPCMenu1");
  EXPECT_EQ(Files(Pictures("04-0628")), QStringList{"IMG_0001.JPG"});
  EXPECT_EQ(Files(Pictures("04-0701")), QStringList{"IMG_0002.JPG"});
  EXPECT_EQ(form->Model().Folders().CurrentFolder, Pictures("04-0628"));
  EXPECT_EQ(ShownName(*form), "IMG_0001.JPG");
  EXPECT_TRUE(form->Model().Session().UiReady);
}

TEST_F(TransferWindowTest, TheMenuMarksACameraWhoseFolderIsThere) {
  auto form = Open();
  form->Model().settings().CameraName2 = "EOS";
  form->Model().settings().CameraFolder2 = tree.Folder("card");
  form->Model().settings().CameraName3 = "gone";
  form->Model().settings().CameraFolder3 = tree.Path("nowhere");
  emit form->findChild<QMenu*>("TensouMenu")->aboutToShow();
  EXPECT_EQ(form->findChild<QAction*>("TensouDtoPCMenu2")->text(), "◎「EOS」→選択中フォルダ");
  EXPECT_EQ(form->findChild<QAction*>("TensouPCtoDMenu3")->text(), "×選択中フォルダ→「gone」");
  EXPECT_EQ(form->findChild<QAction*>("TensouDtoPCMenu1")->text(),
            "×「デジタルカメラ１」→選択中フォルダ");
}

TEST_F(TransferWindowTest, AnItemWithoutAFolderOpensTheSettingsAndAPickedFolderNamesTheCamera) {
  tree.Folder("card/DCIM");
  picker.answers << tree.Path("card/DCIM");
  auto form = Open();
  const testkit::WhenModalShown settings([&](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "TTensouSetForm");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Camera1Edit")->text(), "（カメラ名未設定）");
    dialog.findChild<QPushButton*>("Folder1Btn")->click();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Camera1Edit")->text(), "DCIM");
    // Cancelled: nothing is stored and the transfer does not go on.
    dialog.findChild<QPushButton*>("CancelBtn")->click();
  });
  Trigger(*form, "TensouDtoPCMenu1");
  EXPECT_TRUE(form->Model().settings().CameraFolder1.isEmpty());
}

TEST_F(TransferWindowTest, SortingTheSlotFolderOpensTheEarliestDateFolder) {
  for (const auto& [name, day] :
       {std::pair{"B.jpg", QDate(2026, 12, 2)}, std::pair{"A.jpg", QDate(2026, 11, 30)}}) {
    Photo(name, 1);
    QFile file(Pictures(name));
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime(day, QTime(9, 0)), QFileDevice::FileModificationTime);
  }
  auto form = Open();
  dialogs.Answer(1);
  Trigger(*form, "MakeFolderMenu");
  EXPECT_EQ(Files(Pictures()), QStringList{});
  EXPECT_EQ(form->Model().Folders().CurrentFolder, Pictures("26-1130"));
  EXPECT_EQ(ShownName(*form), "A.jpg");
  EXPECT_EQ(form->Model().settings().TransferToDateFolders, 1);
}

}  // namespace
}  // namespace kasumori::ui
