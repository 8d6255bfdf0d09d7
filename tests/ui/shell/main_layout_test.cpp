// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_form.h"

#include "shell/text_file.h"
#include "support/main_form_fixture.h"
#include "ui/shell/main_panels.h"
#include "ui/shell/view_image.h"

#include <QAction>
#include <QMenuBar>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace kasumori::ui {
namespace {

using LayoutTest = testkit::MainFormFixture<TMainForm, MainFormServices>;

QRect Bounds(TMainForm& form, const char* name) {
  QWidget* widget = form.findChild<QWidget*>(name);
  return widget ? widget->geometry() : QRect();
}

struct Expected {
  std::uint8_t mode;
  QSize client;
  QRect view, folder, henshu, gashitsu, histgram, exif;
  bool gashitsuShown;
};

TEST_F(LayoutTest, StandardSizeModesFollowTheirTables) {
  const Expected cases[] = {
      {1,
       {791, 433},
       {149, 71, 480, 360},
       {1, 72, 146, 359},
       {728, 1, 61, 68},
       {631, 72, 68, 94},
       {631, 221, 146, 94},
       {631, 314, 146, 117},
       true},
      {2,
       {791, 553},
       {149, 71, 640, 480},
       {1, 72, 146, 270},
       {728, 1, 61, 68},
       {},
       {1, 341, 146, 94},
       {1, 434, 146, 117},
       false},
      {8,
       {1240, 841},
       {214, 71, 1024, 768},
       {1, 72, 211, 558},
       {728, 1, 149, 68},
       {144, 629, 68, 94},
       {1, 629, 144, 94},
       {1, 722, 211, 117},
       true},
      {3,
       {1016, 673},
       {214, 71, 800, 600},
       {1, 72, 211, 390},
       {728, 1, 149, 68},
       {144, 461, 68, 94},
       {1, 461, 144, 94},
       {1, 554, 211, 117},
       true},
  };
  auto form = Start();
  for (const Expected& e : cases) {
    form->ChooseWindowSize(e.mode);
    SCOPED_TRACE(int(e.mode));
    EXPECT_EQ(form->centralWidget()->size(), e.client);
    EXPECT_EQ(Bounds(*form, "ViewImg"), e.view);
    EXPECT_EQ(form->View()->BufferSize(), e.view.size());
    EXPECT_EQ(Bounds(*form, "FolderPnl"), e.folder);
    EXPECT_EQ(Bounds(*form, "HenshuPnl"), e.henshu);
    EXPECT_EQ(form->Panels().gashitsuPnl->isVisible(), e.gashitsuShown);
    if (e.gashitsuShown) {
      EXPECT_EQ(Bounds(*form, "GashitsuPnl"), e.gashitsu);
    }
    EXPECT_EQ(Bounds(*form, "HistgramPnl"), e.histgram);
    EXPECT_EQ(Bounds(*form, "ExifPnl"), e.exif);
    EXPECT_EQ(form->Panels().gashitsuModeSLbl->isVisible(), !e.gashitsuShown);
    EXPECT_EQ(shell::ReadTextLines(program + "/Kasumori2-ini.dat")->at(6), QString::number(e.mode));
  }
  // The derived positions of the 800 layout.
  EXPECT_EQ(Bounds(*form, "FolderTree"), QRect(3, 9, 197, 239));
  EXPECT_EQ(Bounds(*form, "HenshuMigiPnl"), QRect(148, 0, 1, 68));
  EXPECT_EQ(Bounds(*form, "FolderBtn2"), QRect(183, 57, 24, 20));
  EXPECT_EQ(Bounds(*form, "HistDaiPnl").left(), 6);
  EXPECT_EQ(Bounds(*form, "NarabikaeLbl").left(), 207 - 13);
  EXPECT_EQ(form->Panels().explorerBtn->text(), "ﾏｲｺﾝﾋﾟｭｰﾀ");
  EXPECT_EQ(form->Panels().joutaiLbl->text(), "【写真未表示】");
  EXPECT_EQ(form->Panels().koukaLbl->text(), "クローム");
  form->ChooseWindowSize(2);
  EXPECT_EQ(form->Panels().gashitsuModeSLbl->text(), "Q");
  EXPECT_EQ(form->Panels().explorerBtn->text(), "ﾏｲｺﾝ");
  EXPECT_EQ(form->findChild<QAction*>("Size640Menu")->isChecked(), true);
}

// Fills the custom-size dialog and presses 決定, then closes whatever is still open.
void ChooseCustom(TMainForm& form, const QString& width, const QString& height,
                  const char* layoutButton) {
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->objectName(), "TSizeInputForm");
    dialog->findChild<QLineEdit*>("WidthEdit")->setText(width);
    dialog->findChild<QLineEdit*>("HeightEdit")->setText(height);
    dialog->findChild<QRadioButton*>(layoutButton)->click();
    dialog->findChild<QPushButton*>("KetteiBtn")->click();
    if (dialog->isVisible()) dialog->findChild<QPushButton*>("CancelBtn")->click();
  });
  form.findChild<QAction*>("SizeNiniMenu")->trigger();
}

TEST_F(LayoutTest, CustomSizesPickTheirLayout) {
  auto form = Start();
  dialogs.Clear();
  ChooseCustom(*form, "500", "400", "WinAutoBtn");
  EXPECT_EQ(form->centralWidget()->size(), QSize(791, 553));
  EXPECT_EQ(Bounds(*form, "ViewImg"), QRect(149, 71, 500, 400));
  EXPECT_EQ(form->findChild<QAction*>("SizeNiniMenu")->text(), "任意（500x400）");
  EXPECT_TRUE(form->findChild<QAction*>("SizeNiniMenu")->isChecked());

  ChooseCustom(*form, "481", "300", "WinAutoBtn");
  EXPECT_EQ(form->centralWidget()->size(), QSize(791, 553));
  ChooseCustom(*form, "480", "360", "WinAutoBtn");
  EXPECT_EQ(form->centralWidget()->size(), QSize(791, 433));
  ChooseCustom(*form, "100", "100", "Win1024Btn");
  EXPECT_EQ(form->centralWidget()->size(), QSize(1240, 841));
  EXPECT_EQ(Bounds(*form, "ViewImg"), QRect(214, 71, 100, 100));
  ChooseCustom(*form, "1024", "768", "WinAutoBtn");
  EXPECT_EQ(Bounds(*form, "ViewImg"), QRect(214, 71, 1024, 768));
  const QStringList lines = *shell::ReadTextLines(program + "/Kasumori2-ini.dat");
  EXPECT_EQ(lines[6], "4");
  EXPECT_EQ(lines[7], "1024");
  EXPECT_EQ(lines[8], "768");
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(LayoutTest, CustomSizeDialogRefusesSizesThatDoNotFit) {
  auto form = Start();
  form->ChooseWindowSize(3);
  dialogs.Clear();
  ChooseCustom(*form, "1025", "100", "WinAutoBtn");
  ChooseCustom(*form, "100", "31", "WinAutoBtn");
  ChooseCustom(*form, "1024", "768", "Win800Btn");
  ASSERT_EQ(dialogs.Records().size(), 3u);
  EXPECT_EQ(dialogs.Text(0), "入力されたサイズは、範囲を超えています。");
  EXPECT_EQ(dialogs.Text(1), "入力されたサイズは、範囲を超えています。");
  EXPECT_EQ(dialogs.Text(2),
            "Kasumori２本体のWindowの大きさが\n写真表示サイズよりも小さく指定されています。");
  EXPECT_EQ(form->centralWidget()->size(), QSize(1016, 673)) << "nothing changed";
  EXPECT_TRUE(form->findChild<QAction*>("Size800Menu")->isChecked());
}

TEST_F(LayoutTest, CustomSizeFieldsBecomeZeroWhenNotANumber) {
  auto form = Start();
  QString width, height, gensun;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    auto* w = dialog->findChild<QLineEdit*>("WidthEdit");
    width = w->text();
    height = dialog->findChild<QLineEdit*>("HeightEdit")->text();
    gensun = dialog->findChild<QLabel*>("GensunLbl")->text();
    w->setText("abc");
    width += "|" + w->text();
    dialog->findChild<QPushButton*>("HClearBtn")->click();
    height += "|" + dialog->findChild<QLineEdit*>("HeightEdit")->text();
    dialog->findChild<QPushButton*>("CancelBtn")->click();
  });
  form->findChild<QAction*>("SizeNiniMenu")->trigger();
  EXPECT_EQ(width, "800|0") << "an unset width starts at 800";
  EXPECT_EQ(height, "0|0");
  EXPECT_EQ(gensun, "（未表示）");
  EXPECT_TRUE(form->findChild<QAction*>("Size800Menu")->isChecked()) << "cancel keeps the mode";
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

TEST_F(LayoutTest, MenuBarInOrderWithPendingEntriesDisabled) {
  auto form = Start();
  QStringList titles;
  for (QAction* action : form->menuBar()->actions()) titles << action->text();
  EXPECT_EQ(titles, QStringList({"初めて使う方へ", "ヘルプ", "画面サイズ", "並び換え", "画質モード",
                                 "シャープネス", "お気に入り", "編集", "コマンド", "デジカメ転送",
                                 "設定", "お知らせ"}));
  EXPECT_EQ(form->findChild<QAction*>("SPSetsumeiMenu")->text(), "（説明）");
  EXPECT_EQ(form->findChild<QAction*>("ExifMenu")->text(), "Exif日時順（速度遅）");
  EXPECT_FALSE(form->findChild<QAction*>("SusieMenu")->isEnabled());
  EXPECT_FALSE(form->findChild<QAction*>("PanoramicMenu")->isEnabled());
  EXPECT_TRUE(form->findChild<QAction*>("ThumbnailMenu")->isEnabled());
  EXPECT_TRUE(form->findChild<QAction*>("AllKaijoMenu")->isEnabled());
}

}  // namespace
}  // namespace kasumori::ui
