// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"
#include "config/text_file.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::config {
namespace {

QStringList DefaultLines() {
  Settings defaults;
  defaults.WindowLeft = 132;
  defaults.WindowTop = -10;
  defaults.PhotoFolder1 = "/home/u/Pictures";
  return FormatSettings(defaults);
}

TEST(SettingsFile, DefaultsMakeTheFiftyFourLines) {
  const QStringList lines = DefaultLines();
  ASSERT_EQ(lines.size(), 54);
  EXPECT_EQ(lines[0], "132");
  EXPECT_EQ(lines[1], "-10");
  EXPECT_EQ(lines[2], "/home/u/Pictures");
  EXPECT_EQ(lines[5], "1");  // sort by name
  EXPECT_EQ(lines[6], "3");  // 800 × 600
  EXPECT_EQ(lines[9], "");
  for (int line = 14; line <= 18; ++line) EXPECT_EQ(lines[line - 1], "") << line;
  EXPECT_EQ(lines[31], "000000");
  EXPECT_EQ(lines[32], "12");
  EXPECT_EQ(lines[37], "0");
  EXPECT_EQ(lines[39], "1");
  EXPECT_EQ(lines[44], "2");
  EXPECT_EQ(lines[51], "1");  // chrome
  EXPECT_EQ(lines[53], "1");
}

TEST(SettingsFile, RewritingAnUnchangedFileKeepsAllButLinesOneTwoAndTen) {
  QStringList file = DefaultLines();
  file[2] = "/photos/家族";
  file[9] = "left over";
  file[22] = "カメラ";
  file[37] = "77";  // reserved, but read and written back
  file[39] = "-1";
  const Settings read = ParseSettings(file, Settings{});
  Settings moved = read;
  moved.WindowLeft = 5;
  moved.WindowTop = 6;
  const QStringList rewritten = FormatSettings(moved);
  for (int i = 0; i < 54; ++i) {
    if (i == 0 || i == 1 || i == 9) continue;
    EXPECT_EQ(rewritten[i], file[i]) << "line " << i + 1;
  }
  EXPECT_EQ(rewritten[9], "");
  EXPECT_EQ(read.ListDirection, ListDirection::RightToLeft);
  EXPECT_EQ(read.Reserved38, 77);
}

TEST(SettingsFile, LimitsOnReading) {
  QStringList file = DefaultLines();
  file[22] = QString(29, u'あ') + "xyz";  // 32 characters
  file[31] = "2026121";                   // seven characters
  file[6] = "300";                        // one byte keeps its low bits
  file[5] = "258";                        // the low byte is 2
  file[39] = "5";                         // not -1: left to right
  file[23] = QString::fromUcs4(std::u32string(40, U'\U00020BB7').c_str(), 40);  // beyond the BMP
  const Settings read = ParseSettings(file, Settings{});
  EXPECT_EQ(read.CameraName1, QString(29, u'あ') + "x");
  EXPECT_EQ(read.LastCacheCleanMonth, "202612");
  EXPECT_EQ(read.WindowSizeMode, WindowSizeMode(300 & 0xFF));
  EXPECT_EQ(read.SortOrder, SortOrder::FileDate);
  EXPECT_EQ(read.ListDirection, ListDirection::LeftToRight);
  // Numbers that name no mode read as the first one, and are written back as it.
  file[5] = "7";
  file[33] = "7";
  file[34] = "1";
  file[51] = "9";
  const Settings modes = ParseSettings(file, Settings{});
  EXPECT_EQ(modes.SortOrder, SortOrder::FileName);
  EXPECT_EQ(modes.QualityMode, QualityMode::High);
  EXPECT_EQ(modes.HistogramMode, HistogramMode::Automatic);
  EXPECT_EQ(modes.PictureEffect, PictureEffect::Normal);
  EXPECT_EQ(FormatSettings(modes)[51], "0");
  EXPECT_EQ(read.CameraName2.size(), 60);  // 30 code points, two UTF-16 units each
}

TEST(SettingsFile, DamagedOrShortFilesTakeDefaults) {
  Settings defaults;
  defaults.PhotoFolder1 = "/default";
  const Settings shortFile = ParseSettings({"10", "20", "/mine"}, defaults);
  EXPECT_EQ(shortFile.WindowLeft, 10);
  EXPECT_EQ(shortFile.PhotoFolder1, "/mine");
  EXPECT_EQ(shortFile.WindowSizeMode, WindowSizeMode::Size800);
  EXPECT_EQ(shortFile.PictureEffect, PictureEffect::Chrome);

  QStringList letters = DefaultLines();
  letters[6] = "abc";
  letters[32] = "12x";
  letters[39] = "";
  letters[40] = "99999999999999";
  letters[0] = "+5";
  const Settings damaged = ParseSettings(letters, defaults);
  EXPECT_EQ(damaged.WindowSizeMode, WindowSizeMode::Size800);
  EXPECT_EQ(damaged.Sharpness, 12);
  EXPECT_EQ(damaged.ListDirection, ListDirection::LeftToRight);
  EXPECT_EQ(damaged.SlideInterval, 5);
  EXPECT_EQ(damaged.WindowLeft, 0);
  EXPECT_EQ(ParseSettings({}, defaults).PhotoFolder1, "/default");
}

TEST(TextFile, ReadsAnyLineEndAndCp932) {
  testkit::TempTree tree;
  tree.File("mixed.txt", "a\r\nb\rc\nd");
  EXPECT_EQ(*ReadTextLines(tree.Path("mixed.txt")), QStringList({"a", "b", "c", "d"}));
  tree.File("bom.txt", "\xEF\xBB\xBF写真\r\n\r\n");
  EXPECT_EQ(*ReadTextLines(tree.Path("bom.txt")), QStringList({"写真", ""}));
  // "写真～" in CP932; "～" is the character SHIFT_JIS decoders get wrong.
  tree.File("sjis.txt", "\x8E\xCA\x90\x5E\x81\x60\r\n");
  EXPECT_EQ(*ReadTextLines(tree.Path("sjis.txt")), QStringList({"写真～"}));
  EXPECT_FALSE(ReadTextLines(tree.Path("missing.txt")).has_value());
}

TEST(TextFile, WritesCrLfUtf8AndReportsFailure) {
  testkit::TempTree tree;
  WriteTextLines(tree.Path("out.txt"), {"写真", "", "x"});
  EXPECT_EQ(tree.Read("out.txt"), QByteArray("写真\r\n\r\nx\r\n"));
  EXPECT_THROW(WriteTextLines(tree.Path("no/such/folder/out.txt"), {"x"}), TextFileError);
  tree.Folder("a-folder");
  EXPECT_THROW(WriteTextLines(tree.Path("a-folder"), {"x"}), TextFileError);
}

TEST(SettingsDefaults, WindowPositionAndFirstFolder) {
  EXPECT_EQ(DefaultWindowLeft(1280, 1024), 640 - 512);
  EXPECT_EQ(DefaultWindowLeft(1280, 1025), 640 - 513);
  EXPECT_EQ(DefaultWindowTop(1024, 700), 500 - 350);
  testkit::TempTree tree;
  tree.Folder("Documents");
  EXPECT_EQ(DefaultPhotoFolder1(tree.Path("Pictures"), tree.Path("Documents"), "/desk"),
            tree.Path("Documents"));
  tree.Folder("Pictures");
  EXPECT_EQ(DefaultPhotoFolder1(tree.Path("Pictures"), tree.Path("Documents"), "/desk"),
            tree.Path("Pictures"));
  EXPECT_EQ(DefaultPhotoFolder1(tree.Path("x"), tree.Path("y"), "/desk"), "/desk");
}

}  // namespace
}  // namespace kasumori::config
