// SPDX-License-Identifier: GPL-3.0-or-later
// The Exif data of the plug-ins' camera formats: a HEIF or AVIF file's Exif item and a RAW
// file's own TIFF directories, read for the panel and the date without touching the pixels.
#include "imaging/exif/exif_heif.h"

#include "imaging/errors.h"
#include "imaging/exif/exif_containers.h"
#include "imaging/exif/exif_reader.h"
#include "imaging/io/byte_source.h"
#include "support/camera_jpeg.h"
#include "support/dng_fixture.h"
#include "support/encoded_pictures.h"
#include "support/qt_printers.h"
#include "support/temp_tree.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kasumori::imaging {
namespace {

using namespace testkit;

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Le32(std::uint32_t v) {
  const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  return QByteArray(b, 4);
}

QByteArray CameraTiff() { return BuildTiffExif(CameraExif({})); }

QByteArray Heif(TempTree& tree, EncodedFormat format, const QByteArray& exif) {
  const QString path = tree.Path("photo.heic");
  EXPECT_TRUE(WriteEncodedPicture(path, format, 32, 24, exif));
  return Contents(path);
}

PhotoInfo Read(const QByteArray& file, const QString& name) {
  MemorySource source(file.constData(), std::size_t(file.size()));
  ExifLayout layout;
  return ReadPhotoInfo(source, name, layout);
}

std::optional<std::string> Date(const QByteArray& file, const QString& name) {
  MemorySource source(file.constData(), std::size_t(file.size()));
  const auto date = ReadExifDateTimeOriginal(source, name);
  return date ? std::optional(std::string(date->data(), date->size())) : std::nullopt;
}

void ExpectCameraShot(const PhotoInfo& info, const char* what) {
  EXPECT_EQ(info.HidukeLbl, "26/05/14") << what;
  EXPECT_EQ(info.TimeLbl, "10:23:45") << what;
  EXPECT_EQ(info.CameraLbl, "KS-100") << what;
  EXPECT_EQ(info.MakerLbl, "(KASUMORI)") << what;
  EXPECT_EQ(info.SatsueiLbl, "F2.8 1/250 ISO100") << what;
}

TEST(HeifExif, HeicAndAvifShowTheirExifItemLikeAJpegsSegment) {
  TempTree tree;
  for (const auto& [format, name] :
       {std::pair{EncodedFormat::Heic, "a.heic"}, std::pair{EncodedFormat::Avif, "a.avif"}}) {
    const QByteArray file = Heif(tree, format, CameraTiff());
    ExpectCameraShot(Read(file, name), name);
    EXPECT_EQ(Date(file, name), "2026:05:14 10:23:45") << name;
    // The HEIF container turns the picture itself; its Exif Orientation must not turn it again.
    MemorySource source(file.constData(), std::size_t(file.size()));
    EXPECT_EQ(ReadExifOrientation(source, name), 0) << name;
  }
}

// Byte positions are found in the written file: libheif decides where the item lies.
TEST(HeifExif, ADamagedOrMissingItemShowsOnlyTheSize) {
  TempTree tree;
  const QByteArray intact = Heif(tree, EncodedFormat::Heic, CameraTiff());
  const qsizetype tiffAt = intact.indexOf(QByteArray("II*\0", 4));
  ASSERT_GT(tiffAt, 4);
  QByteArray wildOffset = intact;
  wildOffset.replace(tiffAt - 4, 4, QByteArray("\x7f\xff\xff\xf0", 4));
  const struct {
    const char* what;
    QByteArray file;
  } cases[] = {
      {"no Exif item", Heif(tree, EncodedFormat::Heic, {})},
      {"offset to the TIFF header past the item", wildOffset},
      {"cut inside the item", intact.left(tiffAt + 10)},
      {"only the file type box", intact.left(32)},
      {"a file type box and nothing else of the format", QByteArray("\0\0\0\x10"
                                                                    "ftypheic",
                                                                    12)},
  };
  for (const auto& c : cases) {
    MemorySource source(c.file.constData(), std::size_t(c.file.size()));
    EXPECT_FALSE(ReadHeifExif(source).has_value()) << c.what;
    const PhotoInfo info = Read(c.file, "photo.heic");
    EXPECT_TRUE(info.HidukeLbl.isEmpty() && info.CameraLbl.isEmpty()) << c.what;
    EXPECT_FALSE(info.FileSizeLbl.isEmpty()) << c.what;
  }
}

TEST(RawExif, ADngShowsItsCameraAndShootingData) {
  TempTree tree;
  const QString dated = tree.Path("dated.dng"), undated = tree.Path("undated.dng");
  ASSERT_TRUE(WriteDng(dated, 8, 6, 1, 2, 3, {.dateTimeOriginal = "2025:12:24 18:30:00"}));
  ASSERT_TRUE(WriteDng(undated, 8, 6, 1, 2, 3));
  const PhotoInfo info = Read(Contents(dated), "dated.dng");
  EXPECT_EQ(info.HidukeLbl, "25/12/24");
  EXPECT_EQ(info.TimeLbl, "18:30:00");
  EXPECT_EQ(info.CameraLbl, "Kasumori Test DNG");
  EXPECT_EQ(info.MakerLbl, "(Kasumori)");
  EXPECT_EQ(info.SatsueiLbl, "F4.0 1/125 ISO200");
  EXPECT_EQ(Date(Contents(dated), "dated.dng"), "2025:12:24 18:30:00");
  const PhotoInfo bare = Read(Contents(undated), "undated.dng");
  EXPECT_TRUE(bare.HidukeLbl.isEmpty());
  EXPECT_EQ(bare.CameraLbl, "Kasumori Test DNG");
  EXPECT_EQ(Date(Contents(undated), "undated.dng"), std::nullopt);
}

// RAW writers put the main directory where they like (a CR2's lies at 16): the header's offset
// is followed, while a camera TIFF's panel still reads the directory at 8.
TEST(RawExif, TheFirstDirectoryIsWhereTheHeaderSays) {
  const QByteArray tiff = CameraTiff();
  const int count = tiff[8] | tiff[9] << 8;
  const QByteArray directory = tiff.mid(8, 2 + 12 * count + 4);
  QByteArray moved = tiff + directory;
  moved.replace(4, 4, Le32(std::uint32_t(tiff.size())));
  moved[8] = moved[9] = 0;  // the directory at 8 is now empty
  ExpectCameraShot(Read(moved, "moved.cr2"), "RAW");
  ExpectCameraShot(Read(moved, "MOVED.CR2"), "RAW in capitals");
  EXPECT_EQ(Date(moved, "moved.cr2"), "2026:05:14 10:23:45");
  EXPECT_TRUE(Read(moved, "moved.tif").HidukeLbl.isEmpty());
}

// Olympus and Panasonic write TIFF directories behind a header mark of their own; a camera
// TIFF behind any other mark, or under a name that is no RAW format's, is not read.
TEST(RawExif, TheMakersHeaderMarksAreReadUnderRawNamesOnly) {
  const struct {
    QByteArray mark;
    const char* name;
    bool read;
  } cases[] = {
      {QByteArray("II*\0", 4), "a.dng", true},  {QByteArray("IIRO", 4), "a.orf", true},
      {QByteArray("IIRS", 4), "a.orf", true},   {QByteArray("IIU\0", 4), "a.rw2", true},
      {QByteArray("IIU\0", 4), "a.raw", true},  {QByteArray("IIXX", 4), "a.orf", false},
      {QByteArray("II*\0", 4), "a.png", false}, {QByteArray("II*\0", 4), "a.heic", false},
  };
  for (const auto& c : cases) {
    QByteArray file = CameraTiff();
    file.replace(0, 4, c.mark);
    EXPECT_EQ(Read(file, c.name).HidukeLbl == "26/05/14", c.read) << c.mark.constData() << c.name;
    EXPECT_EQ(Date(file, c.name).has_value(), c.read) << c.mark.constData() << c.name;
  }
  QByteArray bigEndian = BuildTiffExif([] {
    ExifFields fields = CameraExif({});
    fields.bigEndian = true;
    return fields;
  }());
  bigEndian.replace(0, 4, QByteArray("MMOR", 4));
  ExpectCameraShot(Read(bigEndian, "b.orf"), "big-endian Olympus");
}

TEST(RawExif, AHeaderOffsetOutOfTheFileFailsTheRead) {
  QByteArray tiff = CameraTiff();
  tiff.replace(4, 4, QByteArray("\xff\xff\xff\x7f", 4));
  EXPECT_THROW(Read(tiff, "wild.nef"), EExifReadError);
  EXPECT_EQ(Date(tiff, "wild.nef"), std::nullopt);
}

}  // namespace
}  // namespace kasumori::imaging
