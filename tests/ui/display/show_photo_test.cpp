// SPDX-License-Identifier: GPL-3.0-or-later
// Showing photos in the main window: the first one, walking the list, the pointer while keys
// act, turns, picture quality, wide mode, held keys, and the photo keys with nothing shown.
#include "ui/display/main_display.h"

#include "support/modal_dialog.h"
#include "support/wheel_turn.h"
#include "ui/display/show_photo_fixture.h"
#include "ui/shell/main_panels.h"
#include "ui/thumbs/thumb_strip.h"

#include <QAction>
#include <QMouseEvent>
#include <QCursor>
#include <QDir>
#include <QCheckBox>
#include <QPushButton>

namespace kasumori::ui {
namespace {

TEST_F(ShowPhotoTest, TheCommandLinePhotoIsShownAtTheFirstActivation) {
  auto form = Start(tree.Path("home/Pictures/P2.jpg"));
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P2.jpg");
  EXPECT_EQ(form->Folders().CurrentSlot, 1) << "the photo's folder is slot 1's root";
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  EXPECT_EQ(Label(*form, "FileNameLbl"), "P2");
  EXPECT_EQ(Label(*form, "ExtNameLbl"), ".jpg");
  EXPECT_EQ(Label(*form, "SizeLbl"), "64x48");
  EXPECT_EQ(Label(*form, "JoutaiLbl"), "【通常モード】");
  EXPECT_EQ(Label(*form, "HidukeLbl"), "26/05/14");
  const QColor centre = ViewPixel(*form, 400, 300);
  EXPECT_GT(centre.green(), 150);
  EXPECT_LT(centre.red(), 90);
}

TEST_F(ShowPhotoTest, XAndZWalkTheList) {
  tree.File("home/Pictures/P4.jpg", "not a jpeg");
  auto form = Start();
  EXPECT_FALSE(form->Display().Driver().Shown().Shown()) << "nothing is shown before a pick";
  Key(*form, Qt::Key_X);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P1.jpg") << "the cursor photo first";
  Key(*form, Qt::Key_X);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P2.jpg");
  Key(*form, Qt::Key_Z);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P1.jpg");
  EXPECT_GT(ViewPixel(*form, 400, 300).red(), 150);

  Key(*form, Qt::Key_Up);
  Key(*form, Qt::Key_X);
  dialogs.Clear();
  Key(*form, Qt::Key_X);  // the broken P4
  ASSERT_EQ(dialogs.Records().size(), 1u);
  EXPECT_EQ(dialogs.Text(0),
            "画像ファイル P4.jpg\nは壊れているか、「Kasumori２」で読み込めない形式です。");
  EXPECT_EQ(Label(*form, "SizeLbl"), "読み込みエラー");
  EXPECT_EQ(ViewPixel(*form, 400, 300), QColor(0, 0, 0));
  Key(*form, Qt::Key_X);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 4) << "X on the last photo does nothing";
  EXPECT_EQ(dialogs.Records().size(), 1u);
}

// Records where the pointer was put while a key was handled.
class PointerTrail : public QObject {
 public:
  QList<QPoint> seen;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove) {
      seen << static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    }
    return false;
  }
};

TEST_F(ShowPhotoTest, KeysParkThePointerOnTheSelectionWhileShowingAndPutItBack) {
  auto form = Start();
  const QPoint away = form->mapToGlobal(QPoint(500, 400));
  QCursor::setPos(away);
  QCoreApplication::processEvents();
  PointerTrail trail;
  qApp->installEventFilter(&trail);
  QTest::keyClick(form.get(), Qt::Key_X);
  QCoreApplication::processEvents();
  qApp->removeEventFilter(&trail);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "P1.jpg");
  EXPECT_EQ(QCursor::pos(), away);
  EXPECT_TRUE(trail.seen.contains(form->Strip().SelectionFrameCentre()))
      << "the pointer went to the selection frame meanwhile";
  EXPECT_TRUE(form->Panels().dummyBtn->hasFocus());
}

TEST_F(ShowPhotoTest, RotationTurnsThePhotoAndRemembersIt) {
  auto form = Start();
  dialogs.Clear();
  Key(*form, Qt::Key_2);
  EXPECT_EQ(dialogs.Text(0),
            "『２』キーは、現在表示されている写真を\n"
            "右回りに９０°回転させたいときに使います。");
  form->Panels().turnLeftBtn->click();
  EXPECT_EQ(dialogs.Text(1),
            "このボタンは、現在表示されている写真を\n"
            "左回りに９０°回転させたいときに使います。");

  Key(*form, Qt::Key_X);
  EXPECT_EQ(Label(*form, "SizeLbl"), "64x48");
  Key(*form, Qt::Key_2);
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
  EXPECT_EQ(Label(*form, "SizeLbl"), "48x64");
  EXPECT_EQ(tree.Read("program/Thumbnail/01/Pictures/P1_jpg.dat"), QByteArray("100\r\n1\r\n"));
  Key(*form, Qt::Key_1);
  EXPECT_FALSE(tree.Exists("program/Thumbnail/01/Pictures/P1_jpg.dat"));
  EXPECT_EQ(Label(*form, "SizeLbl"), "64x48");
}

TEST_F(ShowPhotoTest, QualityCommandsChangeTheSettingsAndLabels) {
  auto form = Start();
  Key(*form, Qt::Key_X);
  form->findChild<QAction*>("KousokuMenu")->trigger();
  EXPECT_EQ(form->Session().settings().QualityMode, config::QualityMode::Fast);
  EXPECT_EQ(Label(*form, "GashitsuModeLbl"), "【高速】");
  form->findChild<QAction*>("KougashitsuMenu")->trigger();
  EXPECT_EQ(Label(*form, "GashitsuModeLbl"), "【高画質】");

  Key(*form, Qt::Key_F12);  // chrome → sepia
  EXPECT_EQ(form->Session().settings().PictureEffect, config::PictureEffect::Sepia);
  EXPECT_EQ(Label(*form, "KoukaLbl"), "セピア");
  EXPECT_TRUE(form->findChild<QAction*>("GSepiaMenu")->isChecked());

  form->findChild<QAction*>("SPNashiMenu")->trigger();
  EXPECT_EQ(form->Session().settings().Sharpness, 0);
  EXPECT_EQ(Label(*form, "SharpLbl"), " なし");

  const QImage strip = form->Panels().histgramImg2->grab().toImage();
  EXPECT_EQ(QColor(strip.pixel(0, 0)), QColor(128, 128, 128)) << "the grey line above";
  EXPECT_EQ(QColor(strip.pixel(0, 2)), QColor(0, 0, 0));
  EXPECT_EQ(QColor(strip.pixel(100, 2)), QColor(201, 201, 201)) << "grey level 2i + 1";
  const QImage before = form->Panels().histgramImg->grab().toImage();
  QTest::mouseClick(form->Panels().histgramImg, Qt::LeftButton);
  const QImage after = form->Panels().histgramImg->grab().toImage();
  EXPECT_NE(before, after) << "a click on the panel draws the histogram";
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

class EditMenuTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {};

TEST_F(EditMenuTest, WideModeFillsTheAreaAndAllEditsGo) {
  // A wide 2:1 photo: fitted it leaves black bands above and below; wide it fills the area.
  QImage picture(1600, 800, QImage::Format_RGB888);
  picture.fill(QColor(230, 230, 230));
  tree.File("home/Pictures/wide.jpg", testkit::EncodeJpeg(picture, {}, {95}));
  auto form = Start();
  QTest::keyClick(form.get(), Qt::Key_X);
  auto pixel = [&](int x, int y) { return form->View()->Buffer().ConstScanLine(y)[3 * x]; };
  EXPECT_EQ(pixel(400, 10), 0) << "fitted: a black band at the top";
  QTest::mouseClick(form->Panels().wideChk, Qt::LeftButton);
  EXPECT_TRUE(form->Panels().wideChk->isChecked());
  EXPECT_GT(pixel(400, 10), 150) << "wide: the photo fills the area";
  QTest::keyClick(form.get(), Qt::Key_M);
  EXPECT_FALSE(form->Panels().wideChk->isChecked());
  EXPECT_EQ(pixel(400, 10), 0);

  QTest::keyClick(form.get(), Qt::Key_2);
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
  form->findChild<QAction*>("AllKaijoMenu")->trigger();
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 0);
  EXPECT_EQ(form->findChild<QLabel*>("SizeLbl")->text(), "1600x800");
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

class HeldKeyTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {};

TEST_F(HeldKeyTest, RepeatsThatPiledUpDuringAStepAreDropped) {
  for (int i = 1; i <= 5; ++i) tree.File(QStringLiteral("home/Pictures/P%1.jpg").arg(i));
  auto form = Start();
  auto press = [&](bool repeat) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, QString(), repeat);
    QCoreApplication::sendEvent(form.get(), &key);
  };
  press(false);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  press(true);  // queued while the step ran
  press(true);
  EXPECT_EQ(form->PhotoList().CurrentIndex, 2);
  QCoreApplication::processEvents();
  press(true);  // a repeat after the loop caught up is a new step
  EXPECT_EQ(form->PhotoList().CurrentIndex, 3);

  // Wheel turns over the strip likewise.
  QCoreApplication::processEvents();
  auto turn = [&] { testkit::TurnWheel(form.get(), form->Panels().thumbPnl, -120); };
  turn();
  turn();
  EXPECT_EQ(form->PhotoList().CurrentIndex, 4);
  QCoreApplication::processEvents();
  turn();
  EXPECT_EQ(form->PhotoList().CurrentIndex, 5);
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

using NoPhotoKeyTest = HeldKeyTest;

TEST_F(NoPhotoKeyTest, PhotoKeysExplainThemselvesWithoutAPhoto) {
  auto form = Start();
  dialogs.Clear();
  QTest::keyClick(form.get(), Qt::Key_Delete);
  QTest::keyClick(form.get(), Qt::Key_F11);
  QTest::keyClick(form.get(), Qt::Key_F12);
  ASSERT_EQ(dialogs.Records().size(), 3u);
  EXPECT_EQ(dialogs.Text(0),
            "『DEL』キーは、現在表示されている写真を\nごみ箱へ移動するときに使います。");
  EXPECT_EQ(dialogs.Records()[1].lines.size(), 4);
  EXPECT_TRUE(dialogs.Records()[1].lines[3].startsWith(QChar(0x3000))) << "ideographic space";
  EXPECT_EQ(form->Session().settings().PictureEffect, config::PictureEffect::Chrome)
      << "nothing changes without a photo";

  // Ctrl changes nothing for these keys, and the pop-up entries explain themselves the same way.
  dialogs.Clear();
  QTest::keyClick(form.get(), Qt::Key_Delete, Qt::ControlModifier);
  QTest::keyClick(form.get(), Qt::Key_F2, Qt::ControlModifier);
  form->findChild<QAction*>("DeleteMenu")->trigger();
  form->findChild<QAction*>("RenameMenu")->trigger();
  ASSERT_EQ(dialogs.Records().size(), 4u);
  for (std::size_t i : {0u, 2u}) {
    EXPECT_TRUE(dialogs.Text(i).startsWith("『DEL』キーは")) << dialogs.Text(i).toStdString();
  }
  for (std::size_t i : {1u, 3u}) {
    EXPECT_TRUE(dialogs.Text(i).startsWith("『Ｆ２』キーは")) << dialogs.Text(i).toStdString();
  }
  EXPECT_FALSE(QDir(tree.Path("trash")).exists()) << "nothing went to the trash";
}

}  // namespace
}  // namespace kasumori::ui
