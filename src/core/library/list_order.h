// SPDX-License-Identifier: GPL-3.0-or-later
// Ordering the photo list: by name, file date-time or Exif date-time, in either direction.
#pragma once

#include "config/modes.h"
#include "library/date_keys.h"
#include "library/photo_list.h"

#include <QCollator>
#include <QString>

#include <vector>

namespace kasumori::library {

using config::ListDirection;
using config::SortOrder;

// The collator names are ordered with: the user's locale, letter case ignored. Under the C
// locale (C.UTF-8, POSIX), which names no language, that is code-point order.
QCollator MakeNameCollator();

// The new order of `count` entries as indices into the old order. Ascending compares the key,
// then the name; descending compares both the other way round. Entries that compare equal keep
// their old order (the order repeated adjacent swaps of strictly out-of-order entries give).
// `keys` may be null: then only names are compared. A collator that ignores case orders names
// without case even when its own keys keep it (Qt's C collator does).
std::vector<int> StableListOrder(const QString* names, const DateKey* keys, int count,
                                 ListDirection direction, const QCollator& collator);

// Orders the list in place; names, file date keys and Exif keys move together. For the Exif
// order every photo's key is read first (from `folder` + "/" + name; a photo that cannot be
// read, such as one inside an archive, gets the "no date" key).
void OrderList(PhotoList& list, SortOrder order, ListDirection direction, const QString& folder,
               const QCollator& collator, const SourceNameLookup& lookup = nullptr);

}  // namespace kasumori::library
