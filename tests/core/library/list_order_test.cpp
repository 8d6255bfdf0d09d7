// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/list_order.h"
#include "core/library/list_fixture.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>

#include <random>

namespace kasumori::library {
namespace {

struct Entry {
  QString name;
  DateKey key;
  int scanPosition;
  bool operator==(const Entry&) const = default;
};

// The ordering exactly as first written down: passes of adjacent swaps, each swap only when
// the pair is strictly out of order, names collated one pair at a time.
void BubbleOrder(std::vector<Entry>& entries, bool withKeys, ListDirection direction,
                 const QCollator& collator) {
  auto outOfOrder = [&](const Entry& a, const Entry& b) {
    int c = 0;
    if (withKeys) c = a.key < b.key ? -1 : a.key > b.key ? 1 : 0;
    if (c == 0) c = collator.compare(a.name, b.name);
    return direction == ListDirection::LeftToRight ? c > 0 : c < 0;
  };
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
      if (outOfOrder(entries[i], entries[i + 1])) {
        std::swap(entries[i], entries[i + 1]);
        swapped = true;
      }
    }
  }
}

std::vector<Entry> RandomEntries(std::mt19937& random) {
  // Few letters, mixed case and accents, few keys: many names and keys compare equal.
  static const QStringList parts = {"a", "A", "b", "B", "é", "E", "_", "1", "10", "-", " "};
  static const char* keys[] = {"20260101000000", "20260101000001", "19991231235959",
                               "00000000000000", "99999999999999"};
  std::vector<Entry> entries(std::uniform_int_distribution<int>(0, 60)(random));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    QString name;
    const int length = std::uniform_int_distribution<int>(1, 3)(random);
    for (int k = 0; k < length; ++k) {
      name += parts[std::uniform_int_distribution<int>(0, int(parts.size()) - 1)(random)];
    }
    entries[i] = {name + (random() % 2 ? ".jpg" : ".JPG"),
                  DateKey::Of(keys[std::uniform_int_distribution<int>(0, 4)(random)]), int(i)};
  }
  return entries;
}

QCollator CaseInsensitiveCCollator() {
  QCollator collator{QLocale::c()};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator;
}

// The stable sort over keys against the adjacent swaps with pairwise collation, 300 lists.
void ExpectTheAdjacentSwapOrder(const QCollator& collator) {
  std::mt19937 random(20260509);
  for (int round = 0; round < 300; ++round) {
    const std::vector<Entry> scanned = RandomEntries(random);
    QStringList names;
    std::vector<DateKey> keys;
    for (const Entry& e : scanned) {
      names << e.name;
      keys.push_back(e.key);
    }
    for (bool withKeys : {false, true}) {
      for (ListDirection direction : {ListDirection::LeftToRight, ListDirection::RightToLeft}) {
        std::vector<Entry> expected = scanned;
        BubbleOrder(expected, withKeys, direction, collator);
        const std::vector<int> order =
            StableListOrder(names.constData(), withKeys ? keys.data() : nullptr,
                            int(scanned.size()), direction, collator);
        std::vector<Entry> actual;
        for (int from : order) actual.push_back(scanned[std::size_t(from)]);
        ASSERT_TRUE(actual == expected) << "round " << round << " keys " << withKeys;
      }
    }
  }
}

TEST(ListOrder, StableSortGivesExactlyTheAdjacentSwapOrderIncludingTies) {
  ExpectTheAdjacentSwapOrder(ListFixture::EnglishCollator());
  // The C collator compares pairs without case but builds its keys with case.
  ExpectTheAdjacentSwapOrder(CaseInsensitiveCCollator());
}

void SetModified(const QString& path, const QDateTime& time) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

TEST(ListOrder, NamesIgnoreCaseInBothDirectionsAndTheStartFollowsTheDirection) {
  ListFixture f;
  for (const char* name : {"B.jpg", "a.jpg", "c.JPG"}) f.tree.File(name);
  EXPECT_EQ(f.Scan(), (QStringList{"a.jpg", "B.jpg", "c.JPG"}));
  EXPECT_EQ(f.list->CurrentIndex, 1);
  f.settings.ListDirection = ListDirection::RightToLeft;
  EXPECT_EQ(f.Scan(), (QStringList{"c.JPG", "B.jpg", "a.jpg"}));
  EXPECT_EQ(f.list->CurrentIndex, 3);
}

// Makes `locale` the one QLocale() gives for the length of a scope: the collator the program
// makes follows QLocale(), so no locale of the machine, nor its environment, is needed.
class DefaultLocale {
 public:
  explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(saved_); }
  DefaultLocale(const DefaultLocale&) = delete;
  DefaultLocale& operator=(const DefaultLocale&) = delete;

 private:
  QLocale saved_;
};

QStringList Ordered(const QStringList& names, const QCollator& collator) {
  QStringList ordered;
  for (int from : StableListOrder(names.constData(), nullptr, int(names.size()),
                                  ListDirection::LeftToRight, collator))
    ordered << names[from];
  return ordered;
}

TEST(ListOrder, NamesIgnoreCaseUnderTheCLocaleAsUnderEveryOther) {
  // The locales a user may start the program in: C.UTF-8 and POSIX come out as Qt's C locale.
  for (const char* name : {"C", "C.UTF-8", "POSIX", "en_US", "ja_JP"}) {
    const DefaultLocale locale{QLocale(QString::fromLatin1(name))};
    ListFixture f;
    f.controller.SetCollator(MakeNameCollator());
    for (const char* file : {"e.jpe", "D.JPG", "c.jpg", "B.jpeg", "a.jpg"}) f.tree.File(file);
    EXPECT_EQ(f.Scan(), (QStringList{"a.jpg", "B.jpeg", "c.jpg", "D.JPG", "e.jpe"})) << name;
  }
}

TEST(ListOrder, ACollatorThatKeepsCaseInItsKeysStillOrdersWithoutCase) {
  // Qt's C collator builds its keys from the bytes whatever its case setting says.
  QCollator c = CaseInsensitiveCCollator();
  EXPECT_EQ(Ordered({"B.jpg", "a.jpg", "D.jpg", "c.jpg"}, c),
            (QStringList{"a.jpg", "B.jpg", "c.jpg", "D.jpg"}));
  // Names equal but for case keep their scan order, as with any other collator.
  EXPECT_EQ(Ordered({"IMG.jpg", "img.JPG", "Img.jpg"}, c),
            (QStringList{"IMG.jpg", "img.JPG", "Img.jpg"}));
  // A collator asked to keep case apart is left alone.
  c.setCaseSensitivity(Qt::CaseSensitive);
  EXPECT_EQ(Ordered({"a.jpg", "B.jpg"}, c), (QStringList{"B.jpg", "a.jpg"}));
}

TEST(ListOrder, TheCLocaleNamesNoLanguageSoItsOrderIsCodePointsWithCaseFolded) {
  const DefaultLocale locale{QLocale::c()};
  EXPECT_EQ(
      Ordered({QString::fromUtf8("É.jpg"), "f.jpg", "Z.jpg", "e.jpg", "_.jpg", "9.jpg", "10.jpg"},
              MakeNameCollator()),
      (QStringList{"10.jpg", "9.jpg", "_.jpg", "e.jpg", "f.jpg", "Z.jpg",
                   QString::fromUtf8("É.jpg")}));
}

TEST(ListOrder, EqualFileDatesFallBackToNamesInTheKeysDirection) {
  ListFixture f;
  const QDateTime early(QDate(2024, 3, 1), QTime(8, 0, 0));
  const QDateTime late(QDate(2025, 12, 31), QTime(23, 59, 58));
  SetModified(f.tree.File("b.jpg"), early);
  SetModified(f.tree.File("A.jpg"), late);
  SetModified(f.tree.File("c.jpg"), early);
  SetModified(f.tree.File("a2.jpg"), late);
  f.settings.SortOrder = SortOrder::FileDate;
  EXPECT_EQ(f.Scan(), (QStringList{"b.jpg", "c.jpg", "A.jpg", "a2.jpg"}));
  EXPECT_EQ(f.list->FileDateKeys[0].Text(), "20240301080000");
  EXPECT_EQ(f.list->FileDateKeys[3].Text(), "20251231235958");
  f.settings.ListDirection = ListDirection::RightToLeft;
  EXPECT_EQ(f.Scan(), (QStringList{"a2.jpg", "A.jpg", "c.jpg", "b.jpg"}));
  EXPECT_EQ(f.list->FileDateKeys[0].Text(), "20251231235958");
}

TEST(ListOrder, TheDisplayedPhotoIsFoundAgainOnlyInItsOwnFolder) {
  ListFixture f;
  for (const char* name : {"b.jpg", "a.jpg", "c.jpg"}) f.tree.File(name);
  f.shown = ShownPhoto{f.tree.Path(), "C.JPG"};
  f.Scan();
  EXPECT_EQ(f.list->ShownPhotoIndex, 3);
  f.shown = ShownPhoto{f.tree.Path(), "gone.jpg"};
  f.Scan();
  EXPECT_EQ(f.list->ShownPhotoIndex, 0);
  f.list->ShownPhotoIndex = 2;
  f.shown = ShownPhoto{f.tree.Path() + "/other", "a.jpg"};
  f.Scan();
  EXPECT_EQ(f.list->ShownPhotoIndex, 2);
}

}  // namespace
}  // namespace kasumori::library
