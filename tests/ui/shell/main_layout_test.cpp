// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_form.h"

#include "config/text_file.h"
#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "support/modal_dialog.h"
#include "ui/display/main_display.h"
#include "ui/shell/main_panels.h"
#include "ui/common/view_image.h"

#include <QAction>
#include <QMenuBar>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace kasumori::ui {
namespace {

using LayoutTest = testkit::MainFormFixture<TMainForm, MainFormServices>;

QRect Bounds(TMainForm& form, const char* name) {
  QWidget* widget = form.findChild<QWidget*>(name);
  return widget ? widget->geometry() : QRect();
}

struct Expected {
  config::WindowSizeMode mode;
  QSize client;
  QRect view, folder, henshu, gashitsu, histgram, exif;
  bool gashitsuShown;
};

TEST_F(LayoutTest, StandardSizeModesFollowTheirTables) {
  const Expected cases[] = {
      {config::WindowSizeMode::Size480,
       {791, 433},
       {149, 71, 480, 360},
       {1, 72, 146, 359},
       {728, 1, 61, 68},
       {631, 72, 68, 94},
       {631, 221, 146, 94},
       {631, 314, 146, 117},
       true},
      {config::WindowSizeMode::Size640,
       {791, 553},
       {149, 71, 640, 480},
       {1, 72, 146, 270},
       {728, 1, 61, 68},
       {},
       {1, 341, 146, 94},
       {1, 434, 146, 117},
       false},
      {config::WindowSizeMode::Size1024,
       {1240, 841},
       {214, 71, 1024, 768},
       {1, 72, 211, 558},
       {728, 1, 149, 68},
       {144, 629, 68, 94},
       {1, 629, 144, 94},
       {1, 722, 211, 117},
       true},
      {config::WindowSizeMode::Size800,
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
    EXPECT_EQ(config::ReadTextLines(program + "/Kasumori2-ini.dat")->at(6),
              QString::number(int(e.mode)));
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
  form->ChooseWindowSize(config::WindowSizeMode::Size640);
  EXPECT_EQ(form->Panels().gashitsuModeSLbl->text(), "Q");
  EXPECT_EQ(form->Panels().explorerBtn->text(), "ﾏｲｺﾝ");
  EXPECT_EQ(form->findChild<QAction*>("Size640Menu")->isChecked(), true);
}

// Fills the custom-size dialog and presses 決定, then closes whatever is still open.
void ChooseCustom(TMainForm& form, const QString& width, const QString& height,
                  const char* layoutButton) {
  const testkit::WhenModalShown sizeDialog([&](QDialog& dialog) {
    ASSERT_EQ(dialog.objectName(), "TSizeInputForm");
    dialog.findChild<QLineEdit*>("WidthEdit")->setText(width);
    dialog.findChild<QLineEdit*>("HeightEdit")->setText(height);
    dialog.findChild<QRadioButton*>(layoutButton)->click();
    dialog.findChild<QPushButton*>("KetteiBtn")->click();
    if (dialog.isVisible()) dialog.findChild<QPushButton*>("CancelBtn")->click();
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
  const QStringList lines = *config::ReadTextLines(program + "/Kasumori2-ini.dat");
  EXPECT_EQ(lines[6], "4");
  EXPECT_EQ(lines[7], "1024");
  EXPECT_EQ(lines[8], "768");
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(LayoutTest, CustomSizeDialogRefusesSizesThatDoNotFit) {
  auto form = Start();
  form->ChooseWindowSize(config::WindowSizeMode::Size800);
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
  bool keepChecked = true, keepEnabled = true;
  const testkit::WhenModalShown sizeDialog([&](QDialog& dialog) {
    auto* w = dialog.findChild<QLineEdit*>("WidthEdit");
    width = w->text();
    height = dialog.findChild<QLineEdit*>("HeightEdit")->text();
    gensun = dialog.findChild<QLabel*>("GensunLbl")->text();
    keepChecked = dialog.findChild<QCheckBox*>("KeepChk")->isChecked();
    keepEnabled = dialog.findChild<QCheckBox*>("KeepChk")->isEnabled();
    w->setText("abc");
    width += "|" + w->text();
    dialog.findChild<QPushButton*>("HClearBtn")->click();
    height += "|" + dialog.findChild<QLineEdit*>("HeightEdit")->text();
    dialog.findChild<QPushButton*>("CancelBtn")->click();
  });
  form->findChild<QAction*>("SizeNiniMenu")->trigger();
  EXPECT_EQ(width, "800|0") << "an unset width starts at 800";
  EXPECT_EQ(height, "0|0");
  EXPECT_EQ(gensun, "（未表示）");
  EXPECT_FALSE(keepChecked);
  EXPECT_FALSE(keepEnabled) << "no proportions to keep without a photo";
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
  EXPECT_TRUE(form->findChild<QAction*>("SusieMenu")->isEnabled());
  EXPECT_TRUE(form->findChild<QAction*>("PanoramicMenu")->isEnabled());
  EXPECT_TRUE(form->findChild<QAction*>("MApp1Menu")->isEnabled());
  EXPECT_EQ(form->findChild<QAction*>("MApp1Menu")->text(), "（アプリケーション１）");
  EXPECT_TRUE(form->findChild<QAction*>("ThumbnailMenu")->isEnabled());
  EXPECT_TRUE(form->findChild<QAction*>("AllKaijoMenu")->isEnabled());
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

// A 320 × 240 camera shot with a date and a fired flash, shown from the command line.
class ShownPhotoLayoutTest : public LayoutTest {
 protected:
  std::unique_ptr<TMainForm> StartWithPhoto() {
    testkit::CameraShot shot;
    shot.flash = 1;
    const QString photo = tree.Path("home/Pictures/shot.jpg");
    EXPECT_TRUE(testkit::WriteCameraJpeg(photo, 320, 240, shot));
    auto form = Start(photo);
    EXPECT_TRUE(form->Display().Driver().Shown().Shown());
    return form;
  }
};

// Opens a menu as the user does, with a click on its title in the menu bar.
QMenu* OpenMenu(TMainForm& form, const QString& title) {
  QMenuBar* bar = form.menuBar();
  for (QAction* heading : bar->actions()) {
    if (heading->text() != title) continue;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(heading).center());
    QMenu* menu = heading->menu();
    return QTest::qWaitFor([menu] { return menu->isVisible(); }) ? menu : nullptr;
  }
  return nullptr;
}

// Clicks an entry of an open menu.
void ClickEntry(TMainForm& form, QMenu* menu, const char* entry) {
  ASSERT_NE(menu, nullptr) << "the menu did not open";
  QAction* action = form.findChild<QAction*>(entry);
  ASSERT_NE(action, nullptr) << entry;
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

void PickMenuEntry(TMainForm& form, const QString& title, const char* entry) {
  ClickEntry(form, OpenMenu(form, title), entry);
}

// Picks the custom size from the menu as the user does and runs `fill` on the dialog once it
// has the keyboard.
void WithSizeDialog(TMainForm& form, const std::function<void(QDialog&)>& fill) {
  QMenu* menu = OpenMenu(form, "画面サイズ");
  const testkit::WhenModalShown sizeDialog([&](QDialog& dialog) {
    ASSERT_EQ(dialog.objectName(), "TSizeInputForm");
    // The window system hands the keyboard over after the dialog shows.
    ASSERT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
    fill(dialog);
  });
  ClickEntry(form, menu, "SizeNiniMenu");
}

// Replaces the text of the field that has the keyboard focus, key by key.
QString TypeIntoFocus(const QString& text) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) return "no focus";
  QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(focus, text);
  return focus->objectName();
}

TEST_F(ShownPhotoLayoutTest, CustomSizeDialogKeepsTheShownPhotosProportions) {
  auto form = StartWithPhoto();
  QString gensun, midashi, typedInto, heightAfterWidth, widthAfterHeight, heightUnkept;
  bool keepChecked = false, keepEnabled = false, closedByEscape = false;
  WithSizeDialog(*form, [&](QDialog& dialog) {
    gensun = dialog.findChild<QLabel*>("GensunLbl")->text();
    midashi = dialog.findChild<QLabel*>("GensunMidashiLbl")->text();
    keepChecked = dialog.findChild<QCheckBox*>("KeepChk")->isChecked();
    keepEnabled = dialog.findChild<QCheckBox*>("KeepChk")->isEnabled();
    auto* widthEdit = dialog.findChild<QLineEdit*>("WidthEdit");
    auto* heightEdit = dialog.findChild<QLineEdit*>("HeightEdit");
    // 240 × 322 ÷ 320 = 241.5 rounds up.
    typedInto = TypeIntoFocus("322");
    heightAfterWidth = heightEdit->text();
    QTest::mouseClick(heightEdit, Qt::LeftButton);
    typedInto += "," + TypeIntoFocus("100");
    widthAfterHeight = widthEdit->text();  // 320 × 100 ÷ 240 = 133.3
    // A click on the caption lets go of the proportions.
    QTest::mouseClick(dialog.findChild<QLabel*>("KeepLbl"), Qt::LeftButton);
    QTest::mouseClick(widthEdit, Qt::LeftButton);
    TypeIntoFocus("500");
    heightUnkept = heightEdit->text();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    closedByEscape = !dialog.isVisible();
  });
  EXPECT_EQ(midashi, "表示中写真の原寸サイズ");
  EXPECT_EQ(gensun, "320x240");
  EXPECT_TRUE(keepChecked);
  EXPECT_TRUE(keepEnabled);
  EXPECT_EQ(typedInto, "WidthEdit,HeightEdit");
  EXPECT_EQ(heightAfterWidth, "242");
  EXPECT_EQ(widthAfterHeight, "133");
  EXPECT_EQ(heightUnkept, "100");
  EXPECT_TRUE(closedByEscape);
  EXPECT_TRUE(form->findChild<QAction*>("Size800Menu")->isChecked()) << "Escape keeps the mode";
}

// A photo that failed to load leaves no size behind: the dialog must not offer the size of the
// photo shown before it.
TEST_F(ShownPhotoLayoutTest, CustomSizeDialogAfterALoadErrorOffersNoSize) {
  tree.File("home/Pictures/zz-broken.jpg", "not a jpeg");
  auto form = StartWithPhoto();
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_EQ(form->Display().Driver().Shown().Name, "zz-broken.jpg");
  QString gensun;
  bool keepEnabled = true;
  WithSizeDialog(*form, [&](QDialog& dialog) {
    gensun = dialog.findChild<QLabel*>("GensunLbl")->text();
    keepEnabled = dialog.findChild<QCheckBox*>("KeepChk")->isEnabled();
  });
  EXPECT_EQ(gensun, "（未表示）");
  EXPECT_FALSE(keepEnabled);
}

// After each change of size mode the information labels sit where the new panel puts them,
// as the shown photo's texts need: a date narrows the name, the file size keeps to the right
// edge, the size stays clear of the time, the flash star follows the exposure.
TEST_F(ShownPhotoLayoutTest, InformationLabelsFollowEverySizeMode) {
  auto form = StartWithPhoto();
  MainPanels& p = form->Panels();
  const auto textWidth = [](QLabel* label) {
    return label->fontMetrics().horizontalAdvance(label->text());
  };
  struct Step {
    const char* entry;
    int panelWidth;
  } steps[] = {{"Size480Menu", 146},
               {"Size1024Menu", 211},
               {"Size640Menu", 146},
               {"SizeNiniMenu", 146},
               {"Size800Menu", 211}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.entry);
    if (std::string(step.entry) == "SizeNiniMenu") {
      // 400 × 300 in the 480 layout; the height follows the photo's 4:3.
      WithSizeDialog(*form, [](QDialog& dialog) {
        TypeIntoFocus("400");
        QTest::mouseClick(dialog.findChild<QRadioButton*>("Win480Btn"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      });
      EXPECT_EQ(Bounds(*form, "ViewImg"), QRect(149, 71, 400, 300));
    } else {
      PickMenuEntry(*form, "画面サイズ", step.entry);
    }
    ASSERT_TRUE(form->findChild<QAction*>(step.entry)->isChecked());
    const int w = p.exifPnl->width();
    ASSERT_EQ(w, step.panelWidth);
    EXPECT_EQ(p.sizeLbl->text(), "320x240");
    EXPECT_EQ(p.hidukeLbl->text(), "26/05/14");
    EXPECT_EQ(p.fileNameLbl->width(), w - 68);
    EXPECT_EQ(p.hidukeLbl->x(), w - 59);
    EXPECT_EQ(p.timeLbl->x(), w - 52);
    EXPECT_GT(textWidth(p.fileSizeLbl), 0);
    EXPECT_EQ(p.fileSizeLbl->width(), textWidth(p.fileSizeLbl));
    EXPECT_EQ(p.fileSizeLbl->x(), w - p.fileSizeLbl->width() - 1);
    EXPECT_FALSE(p.sizeLbl->geometry().intersects(p.timeLbl->geometry()));
    EXPECT_LE(textWidth(p.sizeLbl), p.sizeLbl->width()) << "the photo size is read whole";
    EXPECT_FALSE(p.fileNameLbl->geometry().intersects(p.hidukeLbl->geometry()));
    EXPECT_EQ(p.strobeLbl->text(), "★");
    EXPECT_EQ(p.satsueiLbl->width(), textWidth(p.satsueiLbl) - 1);
    EXPECT_EQ(p.strobeLbl->x(), p.satsueiLbl->x() + p.satsueiLbl->width());
    EXPECT_LE(p.strobeLbl->x() + p.strobeLbl->width(), w);
  }
}

}  // namespace
}  // namespace kasumori::ui
