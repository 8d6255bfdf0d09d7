// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/photo_display.h"

#include "support/edit_record_file.h"
#include "support/display_rig.h"
#include "support/image_fixtures.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <memory>

namespace kasumori::display {
namespace {

// A uniform grey-blue BMP, w × h; its thumbnail sidecar would say a quarter turn clockwise.
QByteArray Photo(int w, int h) {
  testkit::BmpFixture fixture;
  fixture.width = w;
  fixture.height = h;
  fixture.pixels = testkit::Bmp24Pixels(std::vector<std::vector<std::uint32_t>>(
      std::size_t(h), std::vector<std::uint32_t>(std::size_t(w), 0x405060)));
  return testkit::BuildBmp(fixture);
}

class ShownRecordTest : public ::testing::Test, protected testkit::DisplayRig {
 protected:
  ShownRecordTest() { folders.CurrentFolder = tree.Path(); }

  int Add(const QString& name, const QByteArray& bytes) {
    tree.File(name, bytes);
    list->Append(name, {});
    return list->PhotoCount;
  }

  testkit::TempTree tree;
  PhotoDisplay display{Services([](int) { return 1; })};
};

TEST_F(ShownRecordTest, TheRecordsEditsReplaceTheDefaultsAndItsRotationTheSidecars) {
  tree.File("IMG.bmp", Photo(64, 48));
  testkit::RecordLines l;
  l.Comment = "夕焼け";
  l.Rotation = "-1";
  l.Brightness = "30";
  l.Contrast = "200";
  l.Sharpness = "16";
  l.Effect = "3";
  l.CommentStyle = "2";
  const int r = Add("IMG_bmp-001.ksm", testkit::EditRecordFile(l));
  display.ShowPhoto(r);
  ASSERT_TRUE(display.SourceIsShown());
  const ShownPhoto& shown = display.Shown();
  EXPECT_EQ(shown.Name, "IMG_bmp-001.ksm");
  EXPECT_EQ(shown.Rotation, -1);  // the sidecar says 1
  EXPECT_EQ(shown.Comment, QStringLiteral("夕焼け"));
  EXPECT_EQ(shown.Brightness, 30);
  EXPECT_EQ(shown.Contrast, 200);
  EXPECT_EQ(shown.Sharpness, 16);
  EXPECT_EQ(shown.Effect, 3);
  EXPECT_EQ(shown.CommentStyle, 2);
  EXPECT_EQ(display.LastComposition().RotatedWidth, 48);
  EXPECT_FALSE(display.RequestedZoom().On);
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(ShownRecordTest, APlainPhotoAfterARecordHasNoEditsLeft) {
  tree.File("IMG.bmp", Photo(64, 48));
  testkit::RecordLines l;
  l.Comment = "x";
  l.Brightness = "30";
  l.ZoomFlag = "1";
  const int r = Add("IMG_bmp.ksm", testkit::EditRecordFile(l));
  const int plain = Add("P.bmp", Photo(8, 8));
  display.ShowPhoto(r);
  display.ShowPhoto(plain);
  EXPECT_EQ(display.Shown().Comment, QString());
  EXPECT_EQ(display.Shown().Brightness, 0);
  EXPECT_EQ(display.Shown().Rotation, 1);
  EXPECT_FALSE(display.RequestedZoom().On);
}

TEST_F(ShownRecordTest, TheZoomWindowIsKeptForTheZoomCompositor) {
  tree.File("IMG.bmp", Photo(400, 300));  // turned a quarter: 300 × 400
  testkit::RecordLines l;
  l.Rotation = "1";
  l.ZoomFlag = "1";
  l.Magnification = "2";
  l.ZoomCentreX = "300";  // at the turned width: the middle
  l.ZoomCentreY = "100";
  display.ShowPhoto(Add("IMG_bmp.ksm", testkit::EditRecordFile(l)));
  const records::RecordZoom& zoom = display.RequestedZoom();
  EXPECT_TRUE(zoom.On);
  EXPECT_DOUBLE_EQ(zoom.Scale.Scale, 300.0 / (800 * 2));
  EXPECT_EQ(zoom.Scale.ViewPercent, 400);  // 533 % snaps down
  EXPECT_EQ(zoom.CentreX, 150);
  EXPECT_EQ(zoom.CentreY, 100);
  EXPECT_TRUE(display.Modes().ZoomMode);  // and the zoom compositor showed it
}

TEST_F(ShownRecordTest, ADamagedRecordIsALoadErrorAndForgetsThePreviousPhoto) {
  tree.File("IMG.bmp", Photo(64, 48));
  const int before = Add("A.bmp", Photo(32, 32));
  testkit::RecordLines damaged;
  damaged.Comment = "c";
  damaged.Brightness = "bright";
  testkit::RecordLines cut;
  cut.LineCount = 9;
  const QByteArray zeroMagnification = testkit::EditRecordWith(0, false, 0, 0, 0, 0, 256, 0);
  const int bad[] = {Add("IMG_bmp-001.ksm", testkit::EditRecordFile(damaged)),
                     Add("IMG_bmp-002.ksm", zeroMagnification),
                     Add("IMG_bmp-003.ksm", testkit::EditRecordFile(cut))};
  for (int r : bad) {
    SCOPED_TRACE(r);
    display.ShowPhoto(before);
    ASSERT_TRUE(display.SourceIsShown());
    dialogs.Clear();
    display.ShowPhoto(r);
    ASSERT_EQ(dialogs.Records().size(), 1u);
    EXPECT_EQ(dialogs.Text(0), "画像ファイル " + list->Name(r) +
                                   "\nは壊れているか、「Kasumori２」で読み込めない形式です。");
    EXPECT_TRUE(loadFailed.Get(r));
    EXPECT_FALSE(display.SourceIsShown());
    EXPECT_EQ(host.sizeText, "読み込みエラー");
    // The shown photo is the record with nothing applied, not the photo shown before.
    EXPECT_EQ(display.Shown().Name, list->Name(r));
    EXPECT_EQ(display.Shown().Index, r);
    EXPECT_EQ(display.Shown().Comment, QString());
    EXPECT_EQ(display.Shown().Rotation, 0);
    const pixels::PixelView target = host.Target();
    EXPECT_EQ(target.Row(300)[3 * 400], 0);  // the area is black
  }
}

TEST_F(ShownRecordTest, ARecordWithoutItsPhotoIsALoadErrorWithoutANotice) {
  const int before = Add("A.bmp", Photo(32, 32));
  const int orphan = Add("gone_bmp.ksm", testkit::PlainEditRecord("x"));
  display.ShowPhoto(before);
  dialogs.Clear();
  display.ShowPhoto(orphan);
  EXPECT_TRUE(dialogs.Records().empty());
  EXPECT_TRUE(loadFailed.Get(orphan));
  EXPECT_FALSE(display.SourceIsShown());
  EXPECT_EQ(display.Shown().Name, "gone_bmp.ksm");
  EXPECT_EQ(host.sizeText, "読み込みエラー");
}

}  // namespace
}  // namespace kasumori::display
