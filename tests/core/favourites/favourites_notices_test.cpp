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

}  // namespace
}  // namespace kasumori::favourites
