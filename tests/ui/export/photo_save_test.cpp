// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/export/photo_save_form.h"

#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_decoder.h"
#include "support/edit_record_file.h"
#include "ui/library/photo_moves_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QSlider>

namespace kasumori::ui {
namespace {

using exporting::SaveFormat;
using exporting::SaveOptions;

template <typename W>
W* Child(QWidget& parent, const char* name) {
  W* child = parent.findChild<W*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST(PhotoSaveForm, StartsFromTheOptionsAndLabelsActOnTheirControls) {
  TPhotoSaveForm form(nullptr, {SaveFormat::Bmp, 3, false, true});
  form.show();
  EXPECT_EQ(form.windowTitle(), "表示されている状態で写真を保存");
  EXPECT_EQ(form.size(), QSize(340, 126));
  EXPECT_TRUE(Child<QRadioButton>(form, "BmpBtn")->isChecked());
  EXPECT_EQ(Child<QLabel>(form, "GashitsuLbl")->text(), "画質３→");
  // A click beside the handle steps the bar once and leaves the focus on "決定".
  auto* bar = Child<QSlider>(form, "JpegQBar");
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
  EXPECT_EQ(bar->value(), 4);
  EXPECT_EQ(form.focusWidget(), Child<QWidget>(form, "KetteiBtn"));
  bar->setValue(10);
  EXPECT_EQ(Child<QLabel>(form, "GashitsuLbl")->text(), "画質10→");
  QTest::mousePress(Child<QLabel>(form, "JpegLbl"), Qt::LeftButton);
  QTest::mousePress(Child<QLabel>(form, "ExifLbl"), Qt::LeftButton);
  QTest::mousePress(Child<QLabel>(form, "DaimojiLbl"), Qt::LeftButton);
  EXPECT_EQ(form.Options(), (SaveOptions{SaveFormat::Jpeg, 10, true, false}));
  QTest::mousePress(Child<QLabel>(form, "BmpLbl2"), Qt::LeftButton);
  EXPECT_EQ(form.Options().format, SaveFormat::Bmp);
  EXPECT_EQ(form.focusWidget(), Child<QWidget>(form, "KetteiBtn"));
  Child<QPushButton>(form, "SuishouBtn")->click();
  EXPECT_EQ(form.Options(), exporting::kRecommendedOptions);
  EXPECT_EQ(Child<QLabel>(form, "GashitsuLbl")->text(), "画質８→");
}

class PhotoSaveWindowTest : public PhotoMovesWindowTest {
 protected:
  // A portrait stored on its side, 1600 × 1200 with Orientation 6: it stands in the
  // 800 × 600 area between black bars.
  std::unique_ptr<TMainForm> OpenOnPortrait() {
    testkit::CameraShot shot;
    shot.orientation = 6;
    testkit::ExifFields fields = testkit::CameraExif(shot);
    fields.exif.push_back(testkit::Long(40962, 1600));
    fields.exif.push_back(testkit::Long(40963, 1200));
    tree.File("home/Pictures/IMG_0012.JPG",
              testkit::EncodeJpeg(testkit::MakeTestPicture(1600, 1200, 4),
                                  testkit::BuildExifPayload(fields)));
    auto form = Open();
    EXPECT_TRUE(ShowByKeys(*form, "IMG_0012.JPG"));
    return form;
  }
};

TEST_F(PhotoSaveWindowTest, F6SavesTheStandingPictureWithoutItsBarsAndAnUprightExif) {
  auto form = OpenOnPortrait();
  const int barX = form->Display().Driver().LastComposition().scale.MarginX;
  ASSERT_GT(barX, 0);
  dialogs.Answer(1);  // cut the bars
  tree.Folder("home/Desktop");
  picker.answers << tree.Path("home/Desktop/IMG_0012_s.jpg");
  const testkit::WhenModalShown options([](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "TPhotoSaveForm");
    QTest::mouseClick(Child<QPushButton>(dialog, "KetteiBtn"), Qt::LeftButton);
  });
  QTest::keyClick(form.get(), Qt::Key_F6);
  ASSERT_EQ(picker.saveRequests.size(), 1u);
  EXPECT_EQ(picker.saveRequests[0].start, tree.Path("home/Desktop/IMG_0012_s.jpg"));
  EXPECT_EQ(picker.saveRequests[0].title,
            "表示中のサイズ・状態で写真を保存（ファイル名の「.jpg」は省略できます）");
  QProcess exiftool;
  exiftool.start("exiftool",
                 {"-n", "-s3", "-Orientation", "-ExifImageWidth", "-ExifImageHeight", "-ImageWidth",
                  "-ImageHeight", "-Make", tree.Path("home/Desktop/IMG_0012_s.jpg")});
  ASSERT_TRUE(exiftool.waitForFinished());
  const QString width = QString::number(800 - 2 * barX);
  EXPECT_EQ(QString::fromUtf8(exiftool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QStringList({"1", width, "600", width, "600", "KASUMORI"}));
}

TEST_F(PhotoSaveWindowTest, TheWholeZoomIsSavedAtItsZoomedSize) {
  testkit::RecordLines l;
  l.ZoomFlag = "1";
  l.Magnification = "3";  // 1600 wide over an 800 view at three times: 150 %
  tree.File("home/Pictures/IMG_0012_jpg-001.ksm", testkit::EditRecordFile(l));
  auto form = OpenOnPortrait();
  form->Model().settings().SaveZoomWhole = 1;
  ASSERT_TRUE(ShowByKeys(*form, "IMG_0012_jpg-001.ksm"));
  const display::ZoomGeometry& zoom = form->Display().Driver().Zoom().Geometry();
  ASSERT_GT(zoom.ZoomedWidth, 800);
  tree.Folder("home/Desktop");
  picker.answers << tree.Path("home/Desktop/whole.jpg");
  const testkit::WhenModalShown options([](QDialog& dialog) {
    QTest::mouseClick(Child<QPushButton>(dialog, "KetteiBtn"), Qt::LeftButton);
  });
  QTest::keyClick(form.get(), Qt::Key_F6);
  ASSERT_EQ(picker.saveRequests.size(), 1u);
  EXPECT_EQ(picker.saveRequests[0].title,
            "表示中の状態（表示倍率）で写真全体を保存（ファイル名の「.jpg」は省略できます）");
  const QImage saved(tree.Path("home/Desktop/whole.jpg"));
  EXPECT_EQ(saved.size(), QSize(zoom.ZoomedWidth, zoom.ZoomedHeight));
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(PhotoSaveWindowTest, TheButtonAndTheMenuEntryOpenTheOptionsOrExplainThemselves) {
  auto form = Open();
  form->Panels().saveBtn->click();
  EXPECT_EQ(dialogs.LastText(),
            "このメニューは、現在表示されている写真を\n"
            "表示されているままのサイズ・状態で別保存したいとき\nに使います。");
  form.reset();
  form = OpenOnPortrait();
  for (const std::function<void()>& open : std::initializer_list<std::function<void()>>{
           [&] { form->Panels().saveBtn->click(); },
           [&] { form->findChild<QAction*>("HenshuSaveMenu")->trigger(); }}) {
    const testkit::WhenModalShown options(
        [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    open();
  }
  EXPECT_TRUE(picker.saveRequests.empty());
}

}  // namespace
}  // namespace kasumori::ui
