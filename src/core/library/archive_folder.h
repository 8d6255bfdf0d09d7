// SPDX-License-Identifier: GPL-3.0-or-later
// Folders inside ZIP archives: a folder path that runs through an archive file, such as
// /photos/trip.zip/day1, lists the archive entries of day1/.
#pragma once

#include "library/folder_listing.h"
#include "library/photo_extensions.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kasumori::library {

// What the scan needs from the archive component.
class ArchiveLister {
 public:
  virtual ~ArchiveLister() = default;
  // Every entry name of the ZIP archive in archive order ("/"-separated; folder entries end
  // in "/"); nothing when the file does not open as a ZIP archive.
  virtual std::optional<QStringList> ZipEntryNames(const QString& archivePath) = 0;
};

struct ArchiveLocation {
  QString archivePath;  // an existing file
  QString innerFolder;  // "day1/", "a/b/", or "" for the archive's top level
};

// Drops path components from the end until an existing file remains: that file is the archive
// and the dropped components, each followed by "/", are the inner folder. Nothing when an
// existing folder (or nothing) is reached first, or an empty component is met.
std::optional<ArchiveLocation> FindContainingArchive(const QString& folderPath);

// Whether the archive's extension, in lower case, is ".zip": other archive types are not listed.
bool IsZipPath(const QString& archivePath);

// The photos of one inner folder among the entry names, in archive order, without those whose
// edit record is among them. The entry's folder part must equal the inner folder exactly
// (letter case included).
std::vector<ListedPhoto> ArchiveFolderPhotos(const QStringList& entryNames,
                                             const QString& innerFolder,
                                             const PhotoExtensions& extensions);

}  // namespace kasumori::library
