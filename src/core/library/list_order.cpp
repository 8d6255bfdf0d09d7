// SPDX-License-Identifier: GPL-3.0-or-later
// The order is computed with one stable sort over precomputed collation keys, O(n log n);
// collating each pair afresh would cost a locale comparison per step.
#include "library/list_order.h"

#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace kasumori::library {

SortOrder SortOrderOf(int setting) {
  switch (setting) {
    case 2:
      return SortOrder::FileDate;
    case 3:
      return SortOrder::ExifDate;
    default:
      return SortOrder::FileName;
  }
}

ListDirection ListDirectionOf(int setting) {
  return setting == -1 ? ListDirection::RightToLeft : ListDirection::LeftToRight;
}

int SettingOf(SortOrder order) {
  switch (order) {
    case SortOrder::FileName:
      return 1;
    case SortOrder::FileDate:
      return 2;
    case SortOrder::ExifDate:
      return 3;
  }
  return 1;
}

int SettingOf(ListDirection direction) {
  switch (direction) {
    case ListDirection::LeftToRight:
      return 1;
    case ListDirection::RightToLeft:
      return -1;
  }
  return 1;
}

QCollator MakeNameCollator() {
  QCollator collator{QLocale()};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator;
}

std::vector<int> StableListOrder(const QString* names, const DateKey* keys, int count,
                                 ListDirection direction, const QCollator& collator) {
  std::vector<int> order(std::size_t(std::max(count, 0)));
  std::iota(order.begin(), order.end(), 0);
  if (count < 2) return order;
  std::vector<QCollatorSortKey> nameKeys;
  nameKeys.reserve(order.size());
  for (int i = 0; i < count; ++i) nameKeys.push_back(collator.sortKey(names[i]));
  // -1, 0, 1 as a compares to b in ascending order.
  auto compare = [&](int a, int b) {
    if (keys != nullptr && keys[a] != keys[b]) return keys[a] < keys[b] ? -1 : 1;
    const int byName = nameKeys[std::size_t(a)].compare(nameKeys[std::size_t(b)]);
    return (byName > 0) - (byName < 0);
  };
  const int wanted = direction == ListDirection::LeftToRight ? -1 : 1;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return compare(a, b) == wanted; });
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
