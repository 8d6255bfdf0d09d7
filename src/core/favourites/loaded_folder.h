// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites of one favourites folder as the favourites window shows them: at most 300
// entries in display order, each with its thumbnail buffer.
#pragma once

#include "config/settings.h"
#include "imaging/dib/qx_dib.h"
#include "library/photo_list.h"

#include <QCollator>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

namespace kasumori::favourites {

inline constexpr int kMaxFolderEntries = 300;

enum class FolderLoadOutcome { Loaded, MoreThan300 };

struct FavouriteEntry {
  QString Name;       // the name part of the key
  QString PhotoPath;  // "" for a favourite whose path line was lost
  library::DateKey FileDateKey = library::kNoFileDate;
  std::int8_t Rotation = 0;  // the thumbnail sidecar's code: 0, 1, 2 or -1
  bool Failed = false;       // the thumbnail could not be made; not tried again
  bool Loaded = false;       // Thumbnail holds the entry's thumbnail
  bool Selected = false;
  // Belongs to the entry number, not to the favourite: made on first use and reused by whatever
  // favourite that number shows next, so it never moves when the entries are ordered.
  std::unique_ptr<imaging::TQxDIB> Thumbnail;
};

struct LoadedFolder {
  QString Path;
  int Count = 0;
  FolderLoadOutcome Outcome = FolderLoadOutcome::Loaded;
  std::array<FavouriteEntry, kMaxFolderEntries> Entries;

  // Entries are numbered from 1 as everywhere in the window; nothing outside 1..Count.
  FavouriteEntry* Entry(int number);
  const FavouriteEntry* Entry(int number) const;
  // Forgets the entries held so far; the thumbnail buffers are kept for reuse.
  void Clear();
  // Adds an entry at the end; false when 300 are held.
  bool Append(const QString& name, const QString& photoPath);
};

enum class FavouritesOrderKey { Name, FileDate, ExifDate };
enum class FavouritesDirection { Ascending, Descending };

struct FavouritesOrder {
  FavouritesOrderKey key = FavouritesOrderKey::Name;
  FavouritesDirection direction = FavouritesDirection::Ascending;
};

// FavouritesSortKey 2 and 3 are the date orders, every other value the name order;
// FavouritesSortOrder 1 is ascending, every other value descending.
FavouritesOrder FavouritesOrderOf(const config::Settings& settings);

// Orders the entries stably: by name alone, or by the date key with the name breaking ties;
// descending turns both round. Names, photo paths and file date keys move together. The Exif
// keys are read from the photos here, as the order needs them.
void OrderEntries(LoadedFolder& folder, FavouritesOrder order, const QCollator& collator);

}  // namespace kasumori::favourites
