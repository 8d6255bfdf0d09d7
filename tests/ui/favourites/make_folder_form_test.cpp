// SPDX-License-Identifier: GPL-3.0-or-later
// The make-folder dialog, on its own and from the add dialog's "フォルダ作成".
#include "favourites/add_favourite.h"
#include "library/folders/folder_window_rules.h"
#include "ui/favourites/favourite_add_fixture.h"
#include "ui/favourites/make_folder_form.h"

#include <QScreen>

namespace kasumori::ui {
namespace {

using MakeFolderFormTest = FavouriteAddWindowTest;

TEST_F(MakeFolderFormTest, HasItsSizeControlsAndInitialNameAndStaysOnTheScreen) {
  auto form = Open();
  TMakeFolderForm dialog(form.get(), dialogs);
  const testkit::WhenModalShown shown([&](QDialog& open) {
    EXPECT_EQ(&open, &dialog);
    EXPECT_EQ(open.windowTitle(), "フォルダを作成");
    EXPECT_EQ(open.size(), QSize(232, 60));
    auto* name = open.findChild<QLineEdit*>("NameEdit");
    EXPECT_EQ(name->geometry(), QRect(7, 6, 218, 20));
    EXPECT_EQ(name->text(), "新しいフォルダ");
    EXPECT_EQ(name->maxLength(), 64);
    EXPECT_EQ(Focus(), name);
    auto* make = open.findChild<QPushButton*>("MakeBtn");
    EXPECT_EQ(make->geometry(), QRect(152, 29, 75, 25));
    EXPECT_TRUE(make->isDefault());
    const QRect screen = open.screen()->geometry();
    EXPECT_GE(open.frameGeometry().left(), 0);
    EXPECT_GE(open.frameGeometry().top(), 0);
    EXPECT_LE(open.frameGeometry().right(), screen.right());
    EXPECT_LE(open.frameGeometry().bottom(), screen.bottom());
    open.reject();  // the close box
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

TEST_F(MakeFolderFormTest, EachForbiddenCharacterIsRefusedWithTheFolderNameNotice) {
  auto form = Open();
  for (const QChar bad : QString::fromUtf8(library::kForbiddenNameCharacters)) {
    dialogs.Clear();
    TMakeFolderForm dialog(form.get(), dialogs);
    const testkit::WhenModalShown shown([&](QDialog& open) {
      auto* name = open.findChild<QLineEdit*>("NameEdit");
      name->setText(QStringLiteral("a") + bad + QStringLiteral("b"));
      Press(Qt::Key_Return);
      EXPECT_TRUE(open.isVisible()) << QString(bad).toStdString();
      EXPECT_EQ(Focus(), name);
      EXPECT_EQ(dialogs.LastText(), library::ForbiddenCharactersLine());
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  }
}

TEST_F(MakeFolderFormTest, FromTheAddDialogABadNameIsRefusedAndAGoodOneMakesTheFolder) {
  WriteFolders({"旅行"});
  auto form = OpenOnPhoto();
  const testkit::WhenModalShown add([&](QDialog& addDialog) {
    ClickFolder(addDialog, "旅行");
    const testkit::WhenModalShown make([&](QDialog&) {
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("夏:海");
      Press(Qt::Key_Return);
      EXPECT_EQ(dialogs.LastText(), library::ForbiddenCharactersLine());
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("夏");
      Press(Qt::Key_Return);
    });
    QTest::mouseClick(addDialog.findChild<QPushButton*>("MakeBtn"), Qt::LeftButton);
    EXPECT_TRUE(make.Acted());
    EXPECT_EQ(CurrentFolderText(addDialog), "夏");
    Press(Qt::Key_Escape);
  });
  QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(FolderLines(), (QStringList{"旅行", "旅行\\夏"}));
  EXPECT_TRUE(Keys().isEmpty()) << "closing the add dialog adds nothing";
}

TEST_F(MakeFolderFormTest, AFolderThatExistsIsAnsweredAndTheDialogAsksAgainAfresh) {
  WriteFolders({"旅行"});
  auto form = OpenOnPhoto();
  const testkit::WhenModalShown add([&](QDialog& addDialog) {
    std::unique_ptr<testkit::WhenModalShown> again;
    const testkit::WhenModalShown make([&](QDialog&) {
      // Set up from inside this dialog, the watch waits for the next one.
      again = std::make_unique<testkit::WhenModalShown>([&](QDialog& fresh) {
        EXPECT_EQ(fresh.findChild<QLineEdit*>("NameEdit")->text(), "新しいフォルダ");
        Press(Qt::Key_Return);
      });
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("旅行");
      Press(Qt::Key_Return);
    });
    QTest::mouseClick(addDialog.findChild<QPushButton*>("MakeBtn"), Qt::LeftButton);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->Acted());
    again.reset();
    ASSERT_GE(dialogs.Records().size(), 1u);
    EXPECT_EQ(dialogs.Records().back().lines, favourites::FolderExistsNotice());
    // The photo goes into the folder just made.
    QTest::mouseClick(addDialog.findChild<QPushButton*>("KetteiBtn"), Qt::LeftButton);
  });
  QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
  // Folder lines keep depth order: a new line goes before the first one as deep as it.
  EXPECT_EQ(FolderLines(), (QStringList{"新しいフォルダ", "旅行"}));
  EXPECT_EQ(Keys(), QStringList{"新しいフォルダ\\P1.jpg"});
}

}  // namespace
}  // namespace kasumori::ui
