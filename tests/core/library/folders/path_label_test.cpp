// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/path_label.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kasumori::library {
namespace {

// Every character is 10 pixels wide, the ellipsis included.
int TenPerCharacter(const QString& text) { return int(text.toUcs4().size()) * 10; }

const FriendlyFolders kHome{"/home/u/Pictures", "/home/u/Documents", "/home/u/Desktop"};

LabelLines Shorten(const QString& path, int width = 100) {
  return ShortenPath(path, width, TenPerCharacter, kHome);
}

TEST(ShortenPath, AShortPathIsLineOneAndLineTwoIsASpace) {
  const LabelLines lines = Shorten("/data/pics");
  EXPECT_EQ(lines.line1, "/data/pics");
  EXPECT_EQ(lines.line2, " ");
}

TEST(ShortenPath, TheRestGoesToLineTwoWholeOrAsEllipsisAndTail) {
  // Width 100: line 1 holds 10 characters; line 2 holds "…" and 8 characters (≤ 92 pixels),
  // and the ellipsis counts even when all of the rest fits.
  EXPECT_EQ(Shorten("/abcdefghijklmn").line1, "/abcdefghi");
  EXPECT_EQ(Shorten("/abcdefghijklmn").line2, "jklmn");
  EXPECT_EQ(Shorten("/abcdefghi12345678").line2, "12345678");
  EXPECT_EQ(Shorten("/abcdefghi123456789").line2, "…23456789");
  const LabelLines cut = Shorten("/abcdefghi/0123456789/ABCDEFGH");
  EXPECT_EQ(cut.line1, "/abcdefghi");
  EXPECT_EQ(cut.line2, "…ABCDEFGH");
}

TEST(ShortenPath, FriendlyPrefixesReplaceTheUsersFolders) {
  const FriendlyFolders insideDocuments{"/home/u/Documents/My Pictures", "/home/u/Documents",
                                        "/home/u/Desktop"};
  EXPECT_EQ(
      ShortenPath("/home/u/Documents/My Pictures/a", 500, TenPerCharacter, insideDocuments).line1,
      "マイ ピクチャ/a");
  EXPECT_EQ(Shorten("/home/u/documents/trip", 500).line1, "マイ ドキュメント/trip");
  EXPECT_EQ(Shorten("/home/u/Desktop/x", 500).line1, "デスクトップ/x");
  EXPECT_EQ(Shorten("/home/u/Pictures", 500).line1, "マイ ピクチャ");
  // A folder the desktop does not have matches nothing.
  EXPECT_EQ(ShortenPath("/srv/a", 500, TenPerCharacter, {}).line1, "/srv/a");
}

TEST(ShortenPath, AnUnsetFolderReadsNotSet) {
  const LabelLines lines = Shorten("");
  EXPECT_EQ(lines.line1, "（未設定）");
  EXPECT_EQ(lines.line2, " ");
}

TEST(ShortenPath, CharactersOutsideTheBasicPlaneAreNeverSplit) {
  const QString wide = QString::fromUtf8("/𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋");
  const LabelLines lines = ShortenPath(wide, 50, TenPerCharacter, {});
  EXPECT_EQ(lines.line1, QString::fromUtf8("/𠀋𠀋𠀋𠀋"));
  EXPECT_EQ(lines.line2, QString::fromUtf8("…𠀋𠀋𠀋"));
}

TEST(OneLinePath, LineOneAtHalfWidthThenEighteenCharactersOfLineTwo) {
  // Width 200 halved: line 1 has 10 characters, line 2 "…" and the last 8.
  EXPECT_EQ(OneLinePath("/abcdefghi/0123456789/ABCDEFGH", 200, TenPerCharacter, kHome),
            "/abcdefghi…ABCDEFGH");
  // Width 400 halved: line 1 has 20 characters, line 2 "…" and 19 more, cut to 18.
  const QString longTail = QStringLiteral("/abcdefghijklmnopqrs") + QString(100, 'x');
  EXPECT_EQ(OneLinePath(longTail, 400, TenPerCharacter, kHome),
            QStringLiteral("/abcdefghijklmnopqrs…") + QString(17, 'x'));
}

TEST(SlotOfFolder, FirstSlotWhoseRootHoldsThePath) {
  config::Settings settings;
  settings.PhotoFolder1 = "";
  settings.PhotoFolder2 = "/photos";
  settings.PhotoFolder3 = "/photos/trip";
  EXPECT_EQ(SlotOfFolder("/photos/trip/day1", settings), 2);
  EXPECT_EQ(SlotOfFolder("/PHOTOS", settings), 2);
  EXPECT_EQ(SlotOfFolder("/photos2/x", settings), 0);
  EXPECT_EQ(SlotOfFolder("/other", settings), 0);
  EXPECT_EQ(SlotOfFolder("", settings), 0);
  settings.PhotoFolder1 = "/";
  EXPECT_EQ(SlotOfFolder("/other", settings), 1);
}

TEST(FolderLabels, EachSlotGetsItsLinesAtThePanelWidthLess47) {
  config::Settings settings;
  settings.PhotoFolder1 = "/abcdefghi/0123456789/ABCDEFGH";
  settings.PhotoFolder2 = "/short";
  const auto labels = FolderLabels(settings, 147, TenPerCharacter, kHome);
  EXPECT_EQ(labels[0].line1, "/abcdefghi");
  EXPECT_EQ(labels[0].line2, "…ABCDEFGH");
  EXPECT_FALSE(labels[0].lowered);
  EXPECT_EQ(labels[0].toolTip, settings.PhotoFolder1);
  EXPECT_EQ(labels[1].line1, "/short");
  EXPECT_TRUE(labels[1].lowered);
  EXPECT_EQ(labels[2].line1, "（未設定）");
  EXPECT_EQ(labels[2].toolTip, "");
}

}  // namespace
}  // namespace kasumori::library
