// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_notices.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kasumori::favourites {
namespace {

QStringList Names(int n) {
  QStringList names;
  for (int k = 1; k <= n; ++k) names << QStringLiteral("p%1.jpg").arg(k);
  return names;
}

TEST(FavouritesNotices, RemoveAsksByNameOrByCount) {
  struct Case {
    int selected;
    QStringList lines;
  };
  const Case cases[] = {
      {0, {}},
      {1, {"選択した写真「p1.jpg」", "をお気に入りから外します。"}},
      {2, {"選択した２枚の写真をお気に入りから外します。"}},
      {9, {"選択した９枚の写真をお気に入りから外します。"}},
      {10, {"選択した10枚の写真をお気に入りから外します。"}},
      {79, {"選択した79枚の写真をお気に入りから外します。"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RemoveConfirmationLines(Names(c.selected)), c.lines) << c.selected;
  }
}

TEST(FavouritesNotices, CountsBelowTenAreFullWidth) {
  struct Case {
    int n;
    QString text;
  };
  const Case cases[] = {{0, "０"}, {1, "１"}, {9, "９"}, {10, "10"}, {300, "300"}};
  for (const Case& c : cases) EXPECT_EQ(CountText(c.n), c.text) << c.n;
}

TEST(FavouritesNotices, HintsShareTheirOpeningAndDifferInLength) {
  struct Case {
    SelectionOperation operation;
    qsizetype lines;
  };
  const Case cases[] = {{SelectionOperation::Remove, 3},
                        {SelectionOperation::Rename, 4},
                        {SelectionOperation::RenewThumbnails, 5}};
  for (const Case& c : cases) {
    const QStringList hint = NothingSelectedHint(c.operation);
    ASSERT_EQ(hint.size(), c.lines);
    EXPECT_EQ(hint.front(), "お気に入りのサムネイルの上で「右クリック」すると");
  }
}

TEST(FavouritesNotices, MissingPhotoIsNamedByItsFileName) {
  struct Case {
    QString path, nameLine;
  };
  const Case cases[] = {
      {"/home/u/photos/2004/IMG_0012.JPG", "「IMG_0012.JPG」"},
      {"IMG_0012.JPG", "「IMG_0012.JPG」"},
      {"", "「」"},  // a favourite whose path line was lost
  };
  for (const Case& c : cases) {
    const QStringList lines = MissingPhotoLines(c.path);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], c.nameLine);
  }
}

TEST(FavouritesNotices, OnlyRefusalsAreTold) {
  EXPECT_TRUE(MoveRefusalLines(MoveOutcome::Moved).isEmpty());
  EXPECT_EQ(MoveRefusalLines(MoveOutcome::SameFolder).size(), 1);
  EXPECT_EQ(MoveRefusalLines(MoveOutcome::NameExists).size(), 2);
  EXPECT_TRUE(RenameRefusalLines(RenameOutcome::Renamed).isEmpty());
  EXPECT_TRUE(RenameRefusalLines(RenameOutcome::Unchanged).isEmpty());
  EXPECT_EQ(RenameRefusalLines(RenameOutcome::NameExists).size(), 2);
}

}  // namespace
}  // namespace kasumori::favourites
