// SPDX-License-Identifier: GPL-3.0-or-later
// The order is computed with one stable sort over precomputed collation keys, O(n log n);
// collating each pair afresh would cost a locale comparison per step.
#include "library/list_order.h"

#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace kasumori::library {

QCollator MakeNameCollator() {
  QCollator collator{QLocale()};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator;
}

namespace {

// Sorts `order` stably by the date keys (when given), then by `compareNames` (-1, 0, 1 as the
// name of a sorts before, with or after that of b in ascending order).
template <typename CompareNames>
void StableSort(std::vector<int>& order, const DateKey* keys, ListDirection direction,
                const CompareNames& compareNames) {
  auto compare = [&](int a, int b) {
    if (keys != nullptr && keys[a] != keys[b]) return keys[a] < keys[b] ? -1 : 1;
    const int byName = compareNames(a, b);
    return (byName > 0) - (byName < 0);
  };
  const int wanted = direction == ListDirection::LeftToRight ? -1 : 1;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return compare(a, b) == wanted; });
}

}  // namespace

std::vector<int> StableListOrder(const QString* names, const DateKey* keys, int count,
                                 ListDirection direction, const QCollator& collator) {
  std::vector<int> order(std::size_t(std::max(count, 0)));
  std::iota(order.begin(), order.end(), 0);
  if (count < 2) return order;
  if (collator.locale().language() == QLocale::C) {
    // Qt's C collator (C.UTF-8 and POSIX come out as C) compares code units, with case folded
    // when it ignores case, but its sort keys are the name's bytes whatever the case setting
    // says. The C locale names no language, so code-unit order is its locale-aware order: the
    // keys here are the names as its compare() sees them, folded when case is ignored.
    const bool fold = collator.caseSensitivity() == Qt::CaseInsensitive;
    std::vector<QString> nameKeys;
    nameKeys.reserve(order.size());
    for (int i = 0; i < count; ++i) nameKeys.push_back(fold ? names[i].toCaseFolded() : names[i]);
    StableSort(order, keys, direction, [&](int a, int b) {
      return nameKeys[std::size_t(a)].compare(nameKeys[std::size_t(b)]);
    });
    return order;
  }
  // ICU's keys follow the case setting.
  std::vector<QCollatorSortKey> nameKeys;
  nameKeys.reserve(order.size());
  for (int i = 0; i < count; ++i) nameKeys.push_back(collator.sortKey(names[i]));
  StableSort(order, keys, direction, [&](int a, int b) {
    return nameKeys[std::size_t(a)].compare(nameKeys[std::size_t(b)]);
  });
  return order;
}

namespace {

template <typename T, std::size_t N>
void Permute(std::array<T, N>& values, const std::vector<int>& order) {
  std::vector<T> moved;
  moved.reserve(order.size());
  for (int from : order) moved.push_back(std::move(values[std::size_t(from)]));
  std::move(moved.begin(), moved.end(), values.begin());
}

}  // namespace

void OrderList(PhotoList& list, SortOrder order, ListDirection direction, const QString& folder,
               const QCollator& collator, const SourceNameLookup& lookup) {
  if (list.PhotoCount < 2) return;
  const DateKey* keys = nullptr;
  switch (order) {
    case SortOrder::FileName:
      break;
    case SortOrder::FileDate:
      keys = list.FileDateKeys.data();
      break;
    case SortOrder::ExifDate:
      for (int i = 0; i < list.PhotoCount; ++i) {
        const QString path = folder + u'/' + list.PhotoNames[std::size_t(i)];
        list.ExifDateKeys[std::size_t(i)] = ReadExifDateKey(path, lookup);
      }
      keys = list.ExifDateKeys.data();
      break;
  }
  const std::vector<int> newOrder =
      StableListOrder(list.PhotoNames.data(), keys, list.PhotoCount, direction, collator);
  Permute(list.PhotoNames, newOrder);
  Permute(list.FileDateKeys, newOrder);
  Permute(list.ExifDateKeys, newOrder);
}

}  // namespace kasumori::library
