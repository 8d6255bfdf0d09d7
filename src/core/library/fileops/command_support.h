// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers the photo commands share.
#pragma once

#include "library/fileops/photo_commands.h"

namespace kasumori::library::fileops_detail {

// "Archive" means the current folder is not a real folder (a folder inside a ZIP file).
inline bool InArchive(const FileOpsContext& c) {
  return !c.files.IsFolder(c.folders.CurrentFolder);
}

inline CachePlace CacheOf(const FileOpsContext& c, int slot, const QString& slotRoot) {
  return {c.thumbnailFolder, slot, slotRoot};
}

// Whether a file in the folder other than `except` has the name in any letter case. Two photos
// whose names differ in case only would share one edit record and one cached thumbnail, and
// the list would hide one behind the other's record.
bool HoldsNameInAnyCase(const FileSystem& fs, const QString& folder, const QString& name,
                        const QString& except = QString());

// Moves each edit record of `oldName` in `fromFolder` to `toFolder` under the name it takes
// for `newName`, with its cached thumbnail. Nothing is reported: a record that cannot follow
// stays where it is, whole.
void CarryEditRecords(const FileOpsContext& c, const QString& fromFolder,
                      const CachePlace& fromCache, const QString& oldName, const QString& toFolder,
                      const CachePlace& toCache, const QString& newName);
// The same for records already found (EditRecordsOf), for callers that listed the folder once
// for many photos.
void CarryEditRecords(const FileOpsContext& c, const QStringList& records,
                      const QString& fromFolder, const CachePlace& fromCache,
                      const QString& oldName, const QString& toFolder, const CachePlace& toCache,
                      const QString& newName);

}  // namespace kasumori::library::fileops_detail
