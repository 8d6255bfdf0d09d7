// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/loaded_folder.h"

#include "library/date_keys.h"
#include "library/list_order.h"

#include <vector>

namespace kasumori::favourites {

FavouriteEntry* LoadedFolder::Entry(int number) {
  return number >= 1 && number <= Count ? &Entries[std::size_t(number - 1)] : nullptr;
}

const FavouriteEntry* LoadedFolder::Entry(int number) const {
  return number >= 1 && number <= Count ? &Entries[std::size_t(number - 1)] : nullptr;
}

void LoadedFolder::Clear() {
  for (FavouriteEntry& entry : Entries) {
    entry.Name.clear();
    entry.PhotoPath.clear();
    entry.FileDateKey = library::kNoFileDate;
    entry.Rotation = 0;
    entry.Failed = false;
    entry.Loaded = false;
    entry.Selected = false;
  }
  Count = 0;
  Outcome = FolderLoadOutcome::Loaded;
}

bool LoadedFolder::Append(const QString& name, const QString& photoPath) {
  if (Count >= kMaxFolderEntries) return false;
  FavouriteEntry& entry = Entries[std::size_t(Count++)];
  entry.Name = name;
  entry.PhotoPath = photoPath;
  entry.FileDateKey = library::ReadFileDateKey(photoPath);
  return true;
}

FavouritesOrder FavouritesOrderOf(const config::Settings& settings) {
  FavouritesOrder order;
  switch (settings.FavouritesSortKey) {
    case 2:
      order.key = FavouritesOrderKey::FileDate;
      break;
    case 3:
      order.key = FavouritesOrderKey::ExifDate;
      break;
    default:
      order.key = FavouritesOrderKey::Name;
      break;
  }
  order.direction = settings.FavouritesSortOrder == 1 ? FavouritesDirection::Ascending
                                                      : FavouritesDirection::Descending;
  return order;
}

namespace {

std::vector<library::DateKey> KeysFor(const LoadedFolder& folder, FavouritesOrderKey key) {
  std::vector<library::DateKey> keys;
  keys.reserve(std::size_t(folder.Count));
  for (int i = 0; i < folder.Count; ++i) {
    const FavouriteEntry& entry = folder.Entries[std::size_t(i)];
    keys.push_back(key == FavouritesOrderKey::ExifDate ? library::ReadExifDateKey(entry.PhotoPath)
                                                       : entry.FileDateKey);
  }
  return keys;
}

}  // namespace

void OrderEntries(LoadedFolder& folder, FavouritesOrder order, const QCollator& collator) {
  if (folder.Count < 2) return;
  std::vector<QString> names;
  names.reserve(std::size_t(folder.Count));
  for (int i = 0; i < folder.Count; ++i) names.push_back(folder.Entries[std::size_t(i)].Name);
  std::vector<library::DateKey> keys;
  if (order.key != FavouritesOrderKey::Name) keys = KeysFor(folder, order.key);
  // The photo list's ordering is the same comparison: ascending it reads left to right.
  const config::ListDirection direction = order.direction == FavouritesDirection::Ascending
                                              ? config::ListDirection::LeftToRight
                                              : config::ListDirection::RightToLeft;
  const std::vector<int> sorted = library::StableListOrder(
      names.data(), keys.empty() ? nullptr : keys.data(), folder.Count, direction, collator);

  struct Moved {
    QString name;
    QString photoPath;
    library::DateKey fileDateKey;
  };
  std::vector<Moved> moved;
  moved.reserve(sorted.size());
  for (int from : sorted) {
    FavouriteEntry& entry = folder.Entries[std::size_t(from)];
    moved.push_back({std::move(entry.Name), std::move(entry.PhotoPath), entry.FileDateKey});
  }
  for (std::size_t i = 0; i < moved.size(); ++i) {
    FavouriteEntry& entry = folder.Entries[i];
    entry.Name = std::move(moved[i].name);
    entry.PhotoPath = std::move(moved[i].photoPath);
    entry.FileDateKey = moved[i].fileDateKey;
  }
}

}  // namespace kasumori::favourites
