// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/saved_photo.h"

#include "export/exif_head.h"
#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_decoder.h"
#include "pixels/dib_views.h"
#include "support/camera_jpeg.h"
#include "support/file_size_limit.h"
#include "support/qt_printers.h"
#include "support/temp_tree.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>

namespace kasumori::exporting {
namespace {

using namespace testkit;

constexpr SaveOptions kJpeg{SaveFormat::Jpeg, 10, true, false};
constexpr SaveOptions kBmp{SaveFormat::Bmp, 8, true, false};

imaging::TQxDIB Picture(int width, int height) {
  imaging::TQxDIB picture;
  picture.Assign(MakeTestPicture(width, height, 3));
  return picture;
}

// A portrait camera shot stored on its side, as cameras write one: Orientation 6 and the
// sensor's 640 × 480 in the Exif directory.
QString WriteCameraShot(TempTree& tree, bool bigEndian) {
  ExifFields shot;
  shot.bigEndian = bigEndian;
  shot.ifd0 = {Ascii(271, "KASUMORI"), Short(274, 6)};
  shot.exif = {Rational(33437, 28, 10), Long(40962, 640), Long(40963, 480)};
  return tree.File("IMG_0012.JPG", EncodeJpeg(MakeTestPicture(64, 48, 1), BuildExifPayload(shot)));
}

// exiftool as the independent reader: numeric values, one a line, in the order asked.
QStringList ExifToolValues(const QString& path, const QStringList& tags) {
  QProcess tool;
  QStringList arguments{"-n", "-s3"};
  for (const QString& tag : tags) arguments << '-' + tag;
  tool.start("exiftool", arguments << path);
  if (!tool.waitForFinished() || tool.exitCode() != 0) {
    ADD_FAILURE() << "exiftool (Debian libimage-exiftool-perl) did not run";
    return {};
  }
  return QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

imaging::TQxDIB Decode(const QString& path) {
  imaging::FileSource source(path);
  imaging::JpegDecoder decoder(source);
  imaging::TQxDIB decoded;
  decoder.Decode(imaging::JpegScale::Full, imaging::JpegMethod::Accurate, decoded);
  return decoded;
}

TEST(SavedPhoto, CarriesTheExifWithAnUprightOrientationAndTheSavedSize) {
  for (const bool bigEndian : {false, true}) {
    TempTree tree;
    const QString photo = WriteCameraShot(tree, bigEndian);
    const imaging::TQxDIB picture = Picture(300, 400);
    const QString target = tree.Path("IMG_0012_s.jpg");
    ASSERT_EQ(WriteSavedPhoto({picture, kJpeg, photo, target}), std::nullopt);
    EXPECT_EQ(ExifToolValues(target, {"Orientation", "ExifImageWidth", "ExifImageHeight", "Make",
                                      "FNumber", "ImageWidth", "ImageHeight"}),
              QStringList({"1", "300", "400", "KASUMORI", "2.8", "300", "400"}))
        << (bigEndian ? "Motorola" : "Intel");
  }
}

TEST(SavedPhoto, WithoutAnExifSegmentStartsWithTheEncodersOwnSegments) {
  TempTree tree;
  const std::vector<std::uint8_t> bmp = Picture(8, 8).SaveToBytes();
  const QString sources[] = {
      tree.File("photo.bmp", QByteArray(reinterpret_cast<const char*>(bmp.data()), bmp.size())),
      tree.File("plain.jpg", EncodeJpeg(MakeTestPicture(8, 8, 1), {})),
      WriteCameraShot(tree, false)};
  const SaveOptions withoutExif{SaveFormat::Jpeg, 8, false, false};
  const imaging::TQxDIB picture = Picture(32, 24);
  for (const auto& [source, options] : {std::pair{sources[0], kJpeg}, std::pair{sources[1], kJpeg},
                                        std::pair{sources[2], withoutExif}}) {
    const QString target = tree.Path("out.jpg");
    ASSERT_EQ(WriteSavedPhoto({picture, options, source, target}), std::nullopt);
    // FF D8 and then libjpeg's JFIF header, with no second start-of-image.
    EXPECT_TRUE(tree.Read("out.jpg").startsWith(QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10)))
        << source.toStdString();
  }
}

TEST(SavedPhoto, BmpIsTheCapturedPictureExactly) {
  TempTree tree;
  imaging::TQxDIB screen = Picture(80, 60);
  const imaging::TQxDIB picture = CapturePicture(pixels::ConstViewOf(screen), QRect(10, 5, 61, 50));
  ASSERT_EQ(WriteSavedPhoto({picture, kBmp, {}, tree.Path("a_s.bmp")}), std::nullopt);
  imaging::TQxDIB saved;
  saved.LoadFromFile(tree.Path("a_s.bmp"));
  ASSERT_EQ(saved.Width(), 61);
  ASSERT_EQ(saved.Height(), 50);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 61; ++x) ASSERT_EQ(saved.Pixels(x, y), screen.Pixels(x + 10, y + 5));
}

int Luma(std::uint32_t bgr) {  // 0x00BBGGRR, weighted as JPEG's Y
  return (77 * int(bgr & 0xFF) + 150 * int((bgr >> 8) & 0xFF) + 29 * int(bgr >> 16)) >> 8;
}

// At quality 100 what is left is JPEG's own error: the rounding of the DCT and the halved
// colour resolution (4:2:0), which smears colour across the test picture's hard edges. The
// smear leaves brightness alone except where a saturated colour is clipped back into range:
// every pixel's brightness stays within 16 (12 measured), each channel within 2 on average.
TEST(SavedPhoto, JpegDecodesToThePictureWithinJpegsOwnError) {
  TempTree tree;
  const imaging::TQxDIB picture = Picture(120, 90);
  ASSERT_EQ(WriteSavedPhoto({picture, kJpeg, {}, tree.Path("a_s.jpg")}), std::nullopt);
  const imaging::TQxDIB decoded = Decode(tree.Path("a_s.jpg"));
  ASSERT_EQ(decoded.Width(), 120);
  ASSERT_EQ(decoded.Height(), 90);
  long total = 0;
  int worst = 0;
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 120; ++x) {
      const std::uint32_t a = picture.Pixels(x, y), b = decoded.Pixels(x, y);
      worst = std::max(worst, std::abs(Luma(a) - Luma(b)));
      for (int shift : {0, 8, 16})
        total += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    }
  }
  EXPECT_LE(worst, 16);
  EXPECT_LT(double(total) / (120 * 90 * 3), 2.0);
}

TEST(ExifHead, ASegmentTooLargeToCarryOrCutShortIsLeftOut) {
  QByteArray file(1'000'010, '\0');
  file.replace(0, 4, QByteArray("\xFF\xD8\xFF\xE1", 4));
  imaging::MemorySource source(file.constData(), std::size_t(file.size()));
  const std::vector<std::uint8_t> plain{0xFF, 0xD8};
  imaging::ExifLayout layout;
  layout.ExifLength = kMaxHeadBytes - 4 + 1;  // one byte over what is carried
  EXPECT_EQ(ExifHead(source, layout, 10, 10), plain);
  imaging::MemorySource shortFile(file.constData(), 100);
  layout.ExifLength = 200;  // the segment runs past the end of the file
  EXPECT_EQ(ExifHead(shortFile, layout, 10, 10), plain);
}

// A file-size limit stands in for a full disk: the write fails part way.
TEST(SavedPhoto, AFailedWriteLeavesTheEarlierFileAsItWasAndNoTemporaryFile) {
  TempTree tree;
  tree.File("out/old_s.bmp", "the earlier save");
  const imaging::TQxDIB picture = Picture(200, 200);  // 120 KB as BMP
  {
    const FileSizeLimit full(16 * 1024);
    EXPECT_NE(WriteSavedPhoto({picture, kBmp, {}, tree.Path("out/old_s.bmp")}), std::nullopt);
  }
  EXPECT_EQ(tree.Read("out/old_s.bmp"), "the earlier save");
  EXPECT_EQ(QDir(tree.Path("out")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"old_s.bmp"}));
}

}  // namespace
}  // namespace kasumori::exporting
