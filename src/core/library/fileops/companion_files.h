// SPDX-License-Identifier: GPL-3.0-or-later
// The files that belong to a photo and go where it goes: its edit records beside it, and its
// cached thumbnail with the rotation sidecar.
#pragma once

#include "library/fileops/file_system.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kasumori::library {

// The edit records of photo `photoName` among the names of its folder: B_x.ksm and
// B_x-001.ksm … B_x-999.ksm, matched without regard to letter case. Every numbered record is
// found, also past a gap in the numbering. Unnumbered first, then by number.
QStringList EditRecordsOf(const QStringList& folderNames, const QString& photoName);

// The name a record of a photo takes when the photo is renamed to `newPhotoName`: the new
// name's stem, "_", its extension in lower case, and the record's own tail (".ksm" or
// "-NNN.ksm"). IMG_0001_jpg-002.ksm with holiday.jpg → holiday_jpg-002.ksm.
QString RenamedRecordName(const QString& recordName, const QString& oldPhotoName,
                          const QString& newPhotoName);

// The extension of a file name with its dot ("" when it has none).
QString ExtensionOf(const QString& fileName);

// Where a folder's thumbnails are cached: slot 1..3 with its root, or no slot at all (a photo
// outside the slots has no cached thumbnail).
struct CachePlace {
  QString thumbnailFolder;  // the program's Thumbnail folder
  int slot = 0;
  QString slotRoot;

  bool InSlot() const { return slot >= 1 && slot <= 3 && !thumbnailFolder.isEmpty(); }
};

// The cached thumbnail of photo `name` in `folder`; nothing outside the slots.
std::optional<QString> CachedThumbnail(const CachePlace& place, const QString& folder,
                                       const QString& name);

// Removes a cached thumbnail and its sidecar, and their folder when that is left empty.
void RemoveCacheFiles(FileSystem& fs, const QString& thumbnailPath);

// Moves (or, with `keepSource`, copies) a thumbnail and its sidecar to a new cache path. A
// stale file at the new path is replaced, since the cache describes the file now there. A
// cache file that cannot follow is removed, so that no thumbnail is left describing a photo
// that is no longer at its place.
void CarryCacheFiles(FileSystem& fs, const QString& fromThumbnail, const QString& toThumbnail,
                     bool keepSource);

}  // namespace kasumori::library
