// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exif/exif_reader.h"

#include "imaging/errors.h"
#include "imaging/exif/exif_text.h"
#include "imaging/io/byte_source.h"
#include "support/camera_jpeg.h"
#include "support/qt_printers.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::imaging {
namespace {

using namespace testkit;

QByteArray Jpeg(const ExifFields& shot, const JpegOptions& options = {}) {
  return EncodeJpeg(MakeTestPicture(16, 16, 1), BuildExifPayload(shot), options);
}

PhotoInfo Read(const QByteArray& file, const QString& name, ExifLayout& layout) {
  MemorySource source(file.constData(), std::size_t(file.size()));
  return ReadPhotoInfo(source, name, layout);
}

ExifFields ExampleShot(bool bigEndian) {
  ExifFields shot;
  shot.bigEndian = bigEndian;
  shot.ifd0 = {Ascii(271, "NIKON CORPORATION"), Ascii(272, "DC-4800 Zoom"), Short(274, 1),
               Ascii(305, "Ver1.00")};
  shot.exif = {Rational(33434, 1, 250), Rational(33437, 28, 10),
               Short(34855, 100),       Ascii(36867, "2026:05:14 10:23:45"),
               SRational(37380, 3, 10), Short(37385, 1),
               Rational(37386, 56, 10), Long(40962, 640),
               Long(40963, 480),        Short(41994, 1)};
  return shot;
}

TEST(ExifReader, TheExampleShotInBothByteOrders) {
  for (bool big : {false, true}) {
    const QByteArray file = Jpeg(ExampleShot(big));
    ExifLayout layout;
    const PhotoInfo info = Read(file, "DSC0001.JPG", layout);
    EXPECT_EQ(info.SatsueiLbl, "F2.8 1/250 ISO100");
    EXPECT_EQ(info.StrobeLbl, "★");
    EXPECT_TRUE(info.StrobeShown);
    EXPECT_EQ(info.SatsueiLbl2, "(+0.3EV) 5.6mm Soft");
    EXPECT_EQ(info.HidukeLbl, "26/05/14");
    EXPECT_EQ(info.TimeLbl, "10:23:45");
    EXPECT_TRUE(info.NarrowFileName);
    EXPECT_EQ(info.CameraLbl, "DC-4800 Z [v1.00]");
    EXPECT_EQ(info.CameraHint, info.CameraLbl);
    EXPECT_EQ(info.MakerLbl, "(NIKON)");
    EXPECT_EQ(layout.TiffLittleEndian, !big);
    // The segment length is the APP1 length field, and the offsets point at type fields.
    ASSERT_GT(layout.ExifLength, 0u);
    EXPECT_EQ(std::uint8_t(file[4]) * 256 + std::uint8_t(file[5]), int(layout.ExifLength));
    for (std::uint64_t at : {layout.ExifOrientationEntryOffset, layout.ExifWidthEntryOffset,
                             layout.ExifHeightEntryOffset}) {
      ASSERT_GT(at, 12u);
      ASSERT_LE(at + 10, layout.ExifLength + 4u);
      const int type = big ? std::uint8_t(file[int(at) + 1]) : std::uint8_t(file[int(at)]);
      EXPECT_TRUE(type == 3 || type == 4) << at;
    }
  }
}

TEST(ExifReader, WithoutAnExifSegmentOnlyTheSizeIsShown) {
  ExifLayout layout;
  layout.ExifLength = 99;
  layout.ExifWidthEntryOffset = 1234;
  JpegOptions jfif;
  jfif.jfifFirst = true;
  const QByteArray file = Jpeg(ExampleShot(false), jfif);
  const PhotoInfo info = Read(file, "a.jpeg", layout);
  EXPECT_EQ(layout.ExifLength, 0u);
  EXPECT_EQ(layout.ExifWidthEntryOffset, 1234u);  // kept: only an Exif JPEG resets them
  EXPECT_FALSE(info.FileSizeLbl.isEmpty());
  EXPECT_TRUE(info.CameraLbl.isEmpty());
  EXPECT_TRUE(info.SatsueiLbl.isEmpty());
  EXPECT_TRUE(Read(BuildTiffExif(ExampleShot(false)), "a.png", layout).CameraLbl.isEmpty());
}

TEST(ExifReader, TiffFilesAreParsedFromOffsetZero) {
  ExifLayout layout;
  const PhotoInfo info = Read(BuildTiffExif(ExampleShot(true)), "scan.tiff", layout);
  EXPECT_EQ(info.SatsueiLbl, "F2.8 1/250 ISO100");
  EXPECT_EQ(layout.ExifLength, 0u);
  EXPECT_EQ(layout.ExifOrientationEntryOffset, 0u);  // nothing for the save command to fix
}

TEST(ExifReader, ShutterSpeedValueStandsInForAMissingExposureTime) {
  for (auto [value, text] : {std::pair{6, "1/64 "}, std::pair{-1, "2 "}}) {
    ExifFields shot;
    shot.exif = {SRational(37377, value, 1), Rational(33437, 0, 0)};
    ExifLayout layout;
    EXPECT_EQ(Read(Jpeg(shot), "x.jpg", layout).SatsueiLbl, QString("F0.0 ") + text);
  }
  ExifFields both;  // an exposure time, read first, wins
  both.exif = {Rational(33434, 1, 60), SRational(37377, 6, 1)};
  ExifLayout layout;
  EXPECT_EQ(Read(Jpeg(both), "x.jpg", layout).SatsueiLbl, "1/60 ");
}

TEST(ExifReaderHostile, OffsetsPastTheEndFailAndLeaveTheLayoutWithoutExif) {
  ExifFields shot;
  shot.exif = {Rational(33437, 28, 10)};
  QByteArray file = Jpeg(shot);
  // The F-number's value offset sits in the last 4 bytes of the Exif directory's only entry.
  const qsizetype entry = file.indexOf(QByteArray("\x9D\x82\x05\x00", 4));
  ASSERT_GT(entry, 0);
  file[entry + 8] = '\xF0';
  file[entry + 11] = '\x7F';
  ExifLayout layout;
  EXPECT_THROW(Read(file, "x.jpg", layout), EExifReadError);
  EXPECT_THROW(Read(file.left(8), "x.jpg", layout), EExifReadError);  // truncated lead

  TempTree tree;
  const QString path = tree.File("broken.jpg", file);
  for (const QString& unreadable : {path, tree.Path("missing.jpg")}) {
    layout.ExifLength = 99;
    EXPECT_THROW(ReadPhotoInfo(unreadable, layout), ImagingError) << unreadable.toStdString();
    EXPECT_EQ(layout.ExifLength, 0u) << unreadable.toStdString();
  }
  EXPECT_THROW(ReadPhotoInfo(path, layout), EExifReadError);
}

int Orientation(const QByteArray& file, const QString& name) {
  MemorySource source(file.constData(), std::size_t(file.size()));
  return ReadExifOrientation(source, name);
}

ExifFields OrientedShot(const ExifEntry& orientation, bool bigEndian = false) {
  ExifFields shot = ExampleShot(bigEndian);
  shot.ifd0[2] = orientation;
  return shot;
}

TEST(ExifOrientation, TheCamerasValueOrNothing) {
  struct Case {
    const char* what;
    ExifEntry entry;
    int expected;
  };
  const Case cases[] = {
      {"upright", Short(274, 1), 1},
      {"mirrored", Short(274, 2), 2},
      {"turn right", Short(274, 6), 6},
      {"turn left", Short(274, 8), 8},
      {"zero is no value", Short(274, 0), 0},
      {"past the last value", Short(274, 9), 0},
      {"all bits set", Short(274, 0xFFFF), 0},
      {"a LONG is not the entry", Long(274, 6), 0},
      {"two values", ExifEntry{274, 3, 2, {6, 6}, {}}, 0},
      {"no entry at all", Short(273, 6), 0},
  };
  for (const Case& c : cases) {
    for (bool big : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (big ? " MM" : " II"));
      EXPECT_EQ(Orientation(Jpeg(OrientedShot(c.entry, big)), "DSC0001.JPG"), c.expected);
      EXPECT_EQ(Orientation(BuildTiffExif(OrientedShot(c.entry, big)), "scan.tif"), c.expected);
    }
  }
}

TEST(ExifOrientation, OnlyAnExifJpegOrATiffHasOne) {
  const ExifFields turned = OrientedShot(Short(274, 6));
  JpegOptions jfif;
  jfif.jfifFirst = true;
  EXPECT_EQ(Orientation(Jpeg(turned, jfif), "a.jpg"), 0) << "Exif is not the first segment";
  EXPECT_EQ(Orientation(Jpeg(turned), "a.bmp"), 0) << "the extension decides";
  EXPECT_EQ(Orientation(Jpeg(turned), "a.jpe"), 6);
  EXPECT_EQ(Orientation(Jpeg(turned).left(8), "a.jpg"), 0) << "truncated lead: no throw";
  EXPECT_EQ(Orientation(Jpeg(turned).left(30), "a.jpg"), 0) << "truncated directory";
  TempTree tree;
  EXPECT_EQ(ReadExifOrientation(tree.File("DSC0001.jpg", Jpeg(turned))), 6);
  EXPECT_EQ(ReadExifOrientation(tree.Path("missing.jpg")), 0);
}

TEST(ExifOrientationHostile, TheWalkEndsAtTheFirstTagPastOrientation) {
  QByteArray file = Jpeg(OrientedShot(Short(274, 6)));
  // A first directory that claims 65535 entries: the panel's full walk runs past the end,
  // the orientation's stops at Software (305), the entry after it.
  file[12 + 8] = '\xFF';
  file[12 + 9] = '\xFF';
  ExifLayout layout;
  EXPECT_THROW(Read(file, "x.jpg", layout), EExifReadError);
  EXPECT_EQ(Orientation(file, "x.jpg"), 6);
}

TEST(ExifText, FileSizeTakesFourPlaces) {
  EXPECT_EQ(exif::FileSizeText(999'499), " [999KB]");
  EXPECT_EQ(exif::FileSizeText(999'500), "[1000KB]");
  EXPECT_EQ(exif::FileSizeText(4'000), "   [4KB]");
  EXPECT_EQ(exif::FileSizeText(12'345'678), "[12346KB]");
}

TEST(ExifText, ModelSoftwareAndMakerNormalisations) {
  EXPECT_EQ(exif::ModelText("DC-4800 Zoom"), "DC-4800 Z");
  EXPECT_EQ(exif::ModelText("KODAK DC290 ZOOM DIGITAL CAMERA"), "DC290 Z");
  EXPECT_EQ(exif::ModelText("Canon PowerShot S30  \x01"), "PowerShot S30");
  EXPECT_EQ(exif::ModelText("Konica Digital Camera KD-400Z"), "KD-400Z");
  EXPECT_EQ(exif::VersionText("Ver1.00"), " [v1.00]");
  EXPECT_EQ(exif::VersionText("V2"), " [v2]");
  EXPECT_EQ(exif::VersionText("Firmware Ver.2 "), " [v.2]");
  EXPECT_EQ(exif::VersionText(" \t"), "");
  EXPECT_EQ(exif::MakerText("EASTMAN KODAK COMPANY"), "KODAK");
  EXPECT_EQ(exif::MakerText("NIKON CORPORATION"), "NIKON");
  EXPECT_EQ(exif::MakerText("OLYMPUS OPTICAL CO.,LTD"), "OLYMPUS");
  EXPECT_EQ(exif::MakerText("FUJIFILM   "), "FUJIFILM");
}

TEST(ExifText, ExposureBiasAndRationals) {
  EXPECT_EQ(exif::ExposureTimeText(10, 1), "10 ");
  EXPECT_EQ(exif::ExposureTimeText(1, 60), "1/60 ");
  EXPECT_EQ(exif::ExposureTimeText(10, 600), "1/60 ");
  EXPECT_EQ(exif::ExposureTimeText(5, 2), "3 ");  // 2.5 rounds half up
  EXPECT_EQ(exif::ExposureTimeText(0, 60), "");
  EXPECT_EQ(exif::BiasText(-3, 10), "(-0.3EV) ");
  EXPECT_EQ(exif::BiasText(0, 3), "(0.0EV) ");
  EXPECT_EQ(exif::BiasText(1, 0), "(0.0EV) ");
  EXPECT_EQ(exif::ApertureText(28, 0), "F0.0 ");
  EXPECT_EQ(exif::FocalLengthText(1000, 10), "100.0mm ");
  EXPECT_EQ(exif::ShutterSpeedText(999, 1).left(3), "1/5");  // 2^999 written in full
  EXPECT_EQ(exif::ShutterSpeedText(1000, 1), "");
  EXPECT_EQ(exif::ShutterSpeedText(6, 0), "");
}

}  // namespace
}  // namespace kasumori::imaging
