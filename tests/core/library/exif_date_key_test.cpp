// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/list_fixture.h"
#include "library/date_keys.h"
#include "support/camera_jpeg.h"
#include "support/dng_fixture.h"
#include "support/encoded_pictures.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>

namespace kasumori::library {
namespace {

using testkit::CameraShot;

const QString kNone = "99999999999999";

QByteArray CameraJpeg(const QByteArray& date, bool bigEndian = false, bool jfifFirst = false) {
  CameraShot shot;
  shot.dateTimeOriginal = date;
  shot.bigEndian = bigEndian;
  testkit::JpegOptions options;
  options.jfifFirst = jfifFirst;
  return testkit::EncodeJpeg(testkit::MakeTestPicture(16, 12, 1),
                             testkit::BuildExifPayload(testkit::CameraExif(shot)), options);
}

// A minimal TIFF laid out by hand: IFD0 with the Exif pointer, the Exif IFD with
// DateTimeOriginal, and the date text, each at the offset the test chooses.
struct HandTiff {
  std::uint32_t ifd0At = 8;
  std::uint32_t exifAt = 26;
  std::uint32_t textAt = 44;
  std::uint32_t pointerCount = 1;
  QByteArray text = "2001:02:03 04:05:06";
  bool bigEndian = false;

  QByteArray Bytes() const {
    QByteArray b(int(std::max({ifd0At + 18, exifAt + 18, textAt + 20})), '\0');
    b.replace(0, 2, bigEndian ? "MM" : "II");
    Put16(b, 2, 42);
    Put32(b, 4, ifd0At);
    PutIfd(b, ifd0At, 34665, 4, pointerCount, exifAt);
    PutIfd(b, exifAt, 36867, 2, 20, textAt);
    b.replace(int(textAt), int(text.size()), text);
    return b;
  }
  void PutIfd(QByteArray& b, std::uint32_t at, std::uint16_t tag, std::uint16_t type,
              std::uint32_t count, std::uint32_t value) const {
    Put16(b, at, 1);
    Put16(b, at + 2, tag);
    Put16(b, at + 4, type);
    Put32(b, at + 6, count);
    Put32(b, at + 10, value);
  }
  void Put16(QByteArray& b, std::uint32_t at, std::uint16_t v) const {
    b[at] = char(bigEndian ? v >> 8 : v);
    b[at + 1] = char(bigEndian ? v : v >> 8);
  }
  void Put32(QByteArray& b, std::uint32_t at, std::uint32_t v) const {
    Put16(b, at + (bigEndian ? 2 : 0), std::uint16_t(v));
    Put16(b, at + (bigEndian ? 0 : 2), std::uint16_t(v >> 16));
  }
};

TEST(ExifDateKey, ReadsCameraJpegsInBothByteOrders) {
  testkit::TempTree tree;
  EXPECT_EQ(ExifDateKey(tree.File("le.jpg", CameraJpeg("2026:05:14 10:23:45"))), "20260514102345");
  EXPECT_EQ(ExifDateKey(tree.File("be.JPEG", CameraJpeg("1999:12:31 23:59:59", true))),
            "19991231235959");
}

TEST(ExifDateKey, OnlyAnExifFirstSegmentCounts) {
  testkit::TempTree tree;
  EXPECT_EQ(ExifDateKey(tree.File("jfif.jpg", CameraJpeg("2026:05:14 10:23:45", false, true))),
            kNone);
  const QByteArray plain = testkit::EncodeJpeg(testkit::MakeTestPicture(8, 8, 0), QByteArray());
  EXPECT_EQ(ExifDateKey(tree.File("plain.jpg", plain)), kNone);
  // Right bytes, wrong extension: only JPEG and TIFF names are looked into.
  EXPECT_EQ(ExifDateKey(tree.File("photo.png", CameraJpeg("2026:05:14 10:23:45"))), kNone);
}

TEST(ExifDateKey, TiffFollowsTheHeadersOffsetsWhereverTheyPoint) {
  testkit::TempTree tree;
  HandTiff tiff;
  EXPECT_EQ(ExifDateKey(tree.File("a.tif", tiff.Bytes())), "20010203040506");
  tiff.bigEndian = true;
  tiff.ifd0At = 300;  // IFD0 after the rest, as many TIFF writers place it
  tiff.exifAt = 100;
  tiff.textAt = 10;
  EXPECT_EQ(ExifDateKey(tree.File("b.tiff", tiff.Bytes())), "20010203040506");
}

TEST(ExifDateKey, DamagedStructuresGiveNoDate) {
  testkit::TempTree tree;
  auto keyOf = [&](const HandTiff& tiff, qsizetype cut = -1) {
    QByteArray bytes = tiff.Bytes();
    if (cut >= 0) bytes.truncate(cut);
    return ExifDateKey(tree.File("t.tif", bytes));
  };
  HandTiff tiff;
  tiff.pointerCount = 2;
  EXPECT_EQ(keyOf(tiff), kNone);
  tiff = HandTiff();
  tiff.text = "    :  :     :  :  ";  // cameras write this for an unknown date
  EXPECT_EQ(keyOf(tiff), kNone);
  tiff = HandTiff();
  EXPECT_EQ(keyOf(tiff, 44 + 18), kNone);  // the text's last digit is missing
  EXPECT_EQ(keyOf(tiff, 20), kNone);       // inside IFD0
  EXPECT_EQ(keyOf(tiff, 0), kNone);
  QByteArray wild = tiff.Bytes();
  wild[18] = wild[19] = wild[20] = wild[21] = char(0xFF);  // Exif IFD at 4 GiB - 1
  EXPECT_EQ(ExifDateKey(tree.File("w.tif", wild)), kNone);
}

TEST(ExifDateKey, TruncatedJpegsNeverReadPastTheirEnd) {
  testkit::TempTree tree;
  const QByteArray whole = CameraJpeg("2026:05:14 10:23:45");
  const qsizetype textEnd = whole.indexOf("2026:05:14") + 19;
  ASSERT_GT(textEnd, 19);
  for (qsizetype length = 0; length <= textEnd + 64; ++length) {
    const QString key = ExifDateKey(tree.File("cut.jpg", whole.left(length)));
    if (length < textEnd) {
      ASSERT_EQ(key, kNone) << length;
    } else {
      ASSERT_TRUE(key == kNone || key == "20260514102345") << length;
    }
  }
  EXPECT_EQ(ExifDateKey(tree.File("cut.jpg", whole)), "20260514102345");
}

TEST(ExifDateKey, OffsetsBeyondTheExifSegmentAreNotFollowed) {
  testkit::TempTree tree;
  QByteArray bytes = CameraJpeg("2026:05:14 10:23:45");
  const qsizetype textAt = bytes.indexOf("2026:05:14");
  // Shorten the segment so that the date text lies just outside it.
  const int length = int(textAt) - 4;
  bytes[4] = char(length >> 8);
  bytes[5] = char(length & 0xFF);
  EXPECT_EQ(ExifDateKey(tree.File("short.jpg", bytes)), kNone);
}

TEST(ExifDateKey, FilesThatCannotBeReadGiveNoDate) {
  testkit::TempTree tree;
  EXPECT_EQ(ExifDateKey(tree.Path("missing.jpg")), kNone);
  EXPECT_EQ(ExifDateKey(tree.Folder("folder.jpg")), kNone);
  const QString pipe = tree.Path("pipe.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  EXPECT_EQ(ExifDateKey(pipe), kNone);  // and does not wait for a writer
  EXPECT_EQ(FileDateKey(tree.Path("missing.jpg")), "00000000000000");
}

TEST(ExifDateKey, ARecordGivesTheDateOfItsPhotoWhateverItsCase) {
  testkit::TempTree tree;
  tree.File("IMG_1.JPG", CameraJpeg("2020:01:02 03:04:05"));
  EXPECT_EQ(ExifDateKey(tree.File("IMG_1_jpg-001.ksm", "record")), "20200102030405");
  EXPECT_EQ(ExifDateKey(tree.File("other_jpg.ksm", "record")), kNone);
}

TEST(ExifOrder, UndatedPhotosComeLastAscendingAndFirstDescending) {
  ListFixture f;
  f.tree.File("late.jpg", CameraJpeg("2026:01:01 00:00:00"));
  f.tree.File("early.jpg", CameraJpeg("2025:01:01 00:00:00"));
  f.tree.File("jfif.jpg", CameraJpeg("2000:01:01 00:00:00", false, true));
  f.tree.File("Plain.jpg", "not a jpeg at all");
  f.tree.File("SRC.jpg", "the record's photo, hidden behind it");
  f.tree.File("edit_x.jpg", CameraJpeg("2025:06:01 00:00:00"));
  f.tree.File("src_jpg.ksm", "record of SRC.jpg");
  f.tree.File("edit_x_jpg.ksm", "record of edit_x.jpg");
  f.settings.SortOrder = SortOrder::ExifDate;
  EXPECT_EQ(f.Scan(), (QStringList{"early.jpg", "edit_x_jpg.ksm", "late.jpg", "jfif.jpg",
                                   "Plain.jpg", "src_jpg.ksm"}));
  EXPECT_EQ(f.list->ExifDateKeys[1].Text(), "20250601000000");
  f.settings.ListDirection = ListDirection::RightToLeft;
  EXPECT_EQ(f.Scan(), (QStringList{"src_jpg.ksm", "Plain.jpg", "jfif.jpg", "late.jpg",
                                   "edit_x_jpg.ksm", "early.jpg"}));
}

QByteArray CameraTiff(const QByteArray& date) {
  CameraShot shot;
  shot.dateTimeOriginal = date;
  return testkit::BuildTiffExif(testkit::CameraExif(shot));
}

// The plug-ins' camera formats are ordered by the date inside them, not by the file's date.
TEST(ExifOrder, HeifAvifAndRawPhotosAreOrderedByTheirShootingDates) {
  using testkit::EncodedFormat;
  ListFixture f;
  f.extensions.AddPluginFilter("*.heic;*.avif");
  f.extensions.AddPluginFilter("*.dng");
  const auto write = [&](const char* name, EncodedFormat format, const QByteArray& exif) {
    ASSERT_TRUE(testkit::WriteEncodedPicture(f.tree.Path(name), format, 16, 16, exif)) << name;
  };
  write("a.heic", EncodedFormat::Heic, CameraTiff("2024:03:01 08:00:00"));
  write("b.avif", EncodedFormat::Avif, CameraTiff("2022:07:15 12:00:00"));
  write("c.heic", EncodedFormat::Heic, {});
  ASSERT_TRUE(testkit::WriteDng(f.tree.Path("d.dng"), 4, 4, 1, 2, 3,
                                {.dateTimeOriginal = "2023:01:01 00:00:00"}));
  f.tree.File("e.jpg", CameraJpeg("2023:06:30 23:59:59"));
  f.settings.SortOrder = SortOrder::ExifDate;
  EXPECT_EQ(f.Scan(), (QStringList{"b.avif", "d.dng", "e.jpg", "a.heic", "c.heic"}));
  EXPECT_EQ(ExifDateKey(f.tree.Path("b.avif")), "20220715120000");
  EXPECT_EQ(ExifDateKey(f.tree.Path("d.dng")), "20230101000000");
  EXPECT_EQ(ExifDateKey(f.tree.Path("c.heic")), kNone);
}

}  // namespace
}  // namespace kasumori::library
