// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/edit_record.h"

#include <gtest/gtest.h>

#include "support/edit_record_file.h"
#include "support/temp_tree.h"

namespace kasumori::records {
namespace {

using testkit::EditRecordFile;
using testkit::RecordLines;

TEST(EditRecordTest, ReadsEveryFieldOfTheFourteenLines) {
  RecordLines l;
  l.Comment = "海辺にて";
  l.Rotation = "-1";
  l.ZoomFlag = "1";
  l.Magnification = "2.5";
  l.ZoomCentreX = "640";
  l.ZoomCentreY = "-3";
  l.Brightness = "+20";
  l.Contrast = "300";
  l.Sharpness = "12";
  l.Effect = "2";
  l.CommentStyle = "5";
  const EditRecord r = ParseEditRecord(EditRecordFile(l));
  EXPECT_EQ(r.Comment, QStringLiteral("海辺にて"));
  EXPECT_EQ(r.Rotation, -1);
  EXPECT_TRUE(r.ZoomOn);
  EXPECT_DOUBLE_EQ(r.Magnification, 2.5);
  EXPECT_EQ(r.ZoomCentreX, 640);
  EXPECT_EQ(r.ZoomCentreY, -3);
  EXPECT_EQ(r.Brightness, 20);
  EXPECT_EQ(r.Contrast, 300);
  EXPECT_EQ(r.Sharpness, 12);
  EXPECT_EQ(r.Effect, 2);
  EXPECT_EQ(r.CommentStyle, 5);
}

TEST(EditRecordTest, ACp932RecordFromTheReferencePlatformIsDecoded) {
  RecordLines l;
  l.Comment = "\x93\xfa\x96\x7b\x82\xcc\x8a\x43";  // 日本の海 in Shift-JIS
  EXPECT_EQ(ParseEditRecord(EditRecordFile(l)).Comment, QStringLiteral("日本の海"));
}

TEST(EditRecordTest, TheCommentKeepsItsFirst255CodePoints) {
  RecordLines l;
  l.Comment = QString(300, u'字').toUtf8();
  EXPECT_EQ(ParseEditRecord(EditRecordFile(l)).Comment, QString(255, u'字'));
  l.Comment = QString(254, u'a').append(QStringLiteral("😀b")).toUtf8();  // no half pair kept
  EXPECT_EQ(ParseEditRecord(EditRecordFile(l)).Comment.size(), 256);
}

TEST(EditRecordTest, ZoomIsOnlyForAnExactOne) {
  for (const char* flag : {"0", "2", " 1", "1.0", "", "yes"}) {
    RecordLines l;
    l.ZoomFlag = flag;
    EXPECT_FALSE(ParseEditRecord(EditRecordFile(l)).ZoomOn) << flag;
  }
}

struct LenientCase {
  const char* rotation;
  const char* magnification;
  int expectedRotation;
  double expectedMagnification;
};

TEST(EditRecordTest, RotationAndMagnificationAreReadWithoutComplaint) {
  const LenientCase cases[] = {
      {"2", "0.5", 2, 0.5}, {"abc", "3", 0, 3},    {"", "1e1", 0, 10},
      {"255", "1", -1, 1},  {"-129", "1", 127, 1}, {" 1 ", " 2 ", 1, 2},
  };
  for (const LenientCase& c : cases) {
    RecordLines l;
    l.Rotation = c.rotation;
    l.Magnification = c.magnification;
    const EditRecord r = ParseEditRecord(EditRecordFile(l));
    EXPECT_EQ(r.Rotation, c.expectedRotation) << c.rotation;
    EXPECT_DOUBLE_EQ(r.Magnification, c.expectedMagnification) << c.magnification;
  }
}

TEST(EditRecordTest, AMagnificationThatIsNotPositiveCannotBeShownEvenWithZoomOff) {
  for (const char* magnification : {"0", "-1", "x", "", "nan", "inf"}) {
    RecordLines l;
    l.Magnification = magnification;
    EXPECT_THROW(ParseEditRecord(EditRecordFile(l)), RecordError) << magnification;
  }
}

TEST(EditRecordTest, LinesSixToTwelveMustBeDecimalIntegers) {
  const char* bad[] = {"x", "", "1.5", "0x10", "1e3", "+", "99999999999"};
  QByteArray RecordLines::*fields[] = {&RecordLines::ZoomCentreX, &RecordLines::ZoomCentreY,
                                       &RecordLines::Brightness,  &RecordLines::Contrast,
                                       &RecordLines::Sharpness,   &RecordLines::Effect,
                                       &RecordLines::CommentStyle};
  for (auto field : fields) {
    for (const char* text : bad) {
      RecordLines l;
      l.*field = text;
      EXPECT_THROW(ParseEditRecord(EditRecordFile(l)), RecordError) << text;
    }
  }
}

TEST(EditRecordTest, ARecordMayEndAfterLineTwelveButNotBefore) {
  for (int count = 0; count <= 14; ++count) {
    RecordLines l;
    l.LineCount = count;
    if (count >= 12) {
      EXPECT_NO_THROW(ParseEditRecord(EditRecordFile(l))) << count;
    } else {
      EXPECT_THROW(ParseEditRecord(EditRecordFile(l)), RecordError) << count;
    }
  }
}

TEST(EditRecordTest, AMissingOrOversizedFileIsAnErrorNotARead) {
  testkit::TempTree tree;
  EXPECT_THROW(ReadEditRecord(tree.Path("absent_jpg.ksm")), RecordError);
  QByteArray big = EditRecordFile({});
  big.append(QByteArray(kMaxRecordBytes, ' '));
  EXPECT_THROW(ReadEditRecord(tree.File("big_jpg.ksm", big)), RecordError);
  EXPECT_EQ(ReadEditRecord(tree.File("ok_jpg.ksm", testkit::PlainEditRecord("hi"))).Comment,
            QStringLiteral("hi"));
}

}  // namespace
}  // namespace kasumori::records
