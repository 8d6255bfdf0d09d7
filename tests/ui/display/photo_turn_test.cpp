// SPDX-License-Identifier: GPL-3.0-or-later
// Turns of a photo: whose turn a command stores when two folders hold the same name, and how a
// camera's own turn gives way to the user's.
#include "ui/display/main_display.h"

#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "ui/common/view_image.h"
#include "ui/shell/main_form.h"
#include "ui/thumbs/thumb_strip.h"

#include <QLabel>

#include <cstdint>

namespace kasumori::ui {
namespace {

// One photo name in two folders of the first slot: X/A.jpg red, Y/A.jpg blue.
class NamesakeRotationTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  void SetUp() override {
    for (const char* folder : {"X", "Y"}) {
      QImage picture(160, 120, QImage::Format_RGB888);
      picture.fill(folder[0] == 'X' ? QColor(200, 20, 20) : QColor(20, 20, 200));
      tree.File(QStringLiteral("home/Pictures/%1/A.jpg").arg(folder),
                testkit::EncodeJpeg(picture, {}, {95}));
    }
  }
  // The strip's centre cell shows the cursor photo; a turned landscape photo leaves black
  // bands left and right in it.
  bool CentreCellTurned(TMainForm& form) {
    const std::uint8_t* left = form.Strip().Cell(4)->Buffer().ConstScanLine(30);
    return left[0] + left[1] + left[2] == 0;
  }
};

TEST_F(NamesakeRotationTest, TurningTheShownPhotoLeavesItsNamesakeInTheListedFolderAlone) {
  auto form = Start();
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/X"));
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_EQ(form->Display().Driver().Shown().Name, "A.jpg");
  QTest::keyClick(form.get(), Qt::Key_D);
  ASSERT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/Y"));
  ASSERT_FALSE(CentreCellTurned(*form));

  QTest::keyClick(form.get(), Qt::Key_2);
  EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
  EXPECT_EQ(tree.Read("program/Thumbnail/01/Pictures/X/A_jpg.dat"), QByteArray("100\r\n1\r\n"));
  EXPECT_FALSE(tree.Exists("program/Thumbnail/01/Pictures/Y/A_jpg.dat"));
  EXPECT_FALSE(CentreCellTurned(*form)) << "Y's A.jpg is another photo";

  QTest::keyClick(form.get(), Qt::Key_E);
  ASSERT_EQ(form->Folders().CurrentFolder, tree.Path("home/Pictures/X"));
  EXPECT_TRUE(CentreCellTurned(*form)) << "X's A.jpg is the one that turned";
}

}  // namespace
}  // namespace kasumori::ui

namespace kasumori::ui {
namespace {

class CameraTurnTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  // A portrait taken with the camera held upright: stored 160 × 120, Orientation 6.
  void SetUp() override {
    QImage picture(160, 120, QImage::Format_RGB888);
    picture.fill(QColor(200, 200, 200));
    testkit::CameraShot shot;
    shot.orientation = 6;
    tree.File("home/Pictures/portrait.jpg",
              testkit::EncodeJpeg(picture, testkit::BuildExifPayload(testkit::CameraExif(shot))));
  }
  QString SizeLbl(TMainForm& form) { return form.findChild<QLabel*>("SizeLbl")->text(); }
  // The strip's centre cell: a standing picture leaves black columns at its left.
  bool CellStandsUp(TMainForm& form) {
    const std::uint8_t* left = form.Strip().Cell(4)->Buffer().ConstScanLine(30);
    return left[0] + left[1] + left[2] == 0;
  }
};

TEST_F(CameraTurnTest, APortraitStandsUpUntilTurnedAndStaysAsTurned) {
  {
    auto form = Start();
    EXPECT_TRUE(CellStandsUp(*form));
    QTest::keyClick(form.get(), Qt::Key_X);
    EXPECT_EQ(form->Display().Driver().Shown().Rotation, 1);
    EXPECT_EQ(SizeLbl(*form), "120x160");
    EXPECT_FALSE(tree.Exists("program/Thumbnail/01/Pictures/portrait_jpg.dat"));

    QTest::keyClick(form.get(), Qt::Key_1);  // the user wants it lying down
    EXPECT_EQ(SizeLbl(*form), "160x120");
    EXPECT_FALSE(CellStandsUp(*form));
    EXPECT_EQ(tree.Read("program/Thumbnail/01/Pictures/portrait_jpg.dat"),
              QByteArray("100\r\n0\r\n"));
  }
  auto again = Start();
  EXPECT_FALSE(CellStandsUp(*again)) << "the stored turn wins over the camera's";
  QTest::keyClick(again.get(), Qt::Key_X);
  EXPECT_EQ(again->Display().Driver().Shown().Rotation, 0);
  QTest::keyClick(again.get(), Qt::Key_2);
  EXPECT_FALSE(tree.Exists("program/Thumbnail/01/Pictures/portrait_jpg.dat"))
      << "back at the camera's turn, nothing needs storing";
}

}  // namespace
}  // namespace kasumori::ui
