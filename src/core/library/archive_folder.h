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

// Whether the archive's extension, in lower case, is ".zip".
bool IsZipPath(const QString& archivePath);

// What the scan and the folder tree need from the archive component.
class ArchiveLister {
 public:
  virtual ~ArchiveLister() = default;
  // Whether the file is of a kind whose folders are browsed: ZIP by its ".zip" extension, and
  // whatever other kinds the component reads.
  virtual bool IsBrowsable(const QString& archivePath) const { return IsZipPath(archivePath); }
  // Every entry name of the archive in archive order ("/"-separated; folder entries end in
  // "/"); nothing when the file does not open as an archive of its kind.
  virtual std::optional<QStringList> EntryNames(const QString& archivePath) = 0;
  // The message lines for an archive that did not open.
  virtual QStringList UnreadableMessage(const QString& archivePath) const;
};

// A photo path that is not on disk may name a member of an archive: the member (for an edit
// record also the photo it stands for) is put into the temporary folder, and every file put
// there is deleted again when the work on it ends.
struct ExtractedPhoto {
  QString path;
  QStringList temporaryFiles;
};

// Deletes the extracted files it holds when it goes, on every way out of the work.
class ExtractedFiles {
 public:
  ExtractedFiles() = default;
  ExtractedFiles(const ExtractedFiles&) = delete;
  ExtractedFiles& operator=(const ExtractedFiles&) = delete;
  ~ExtractedFiles();
  void Add(const QStringList& files) { files_ << files; }

 private:
  QStringList files_;
};

struct ArchiveLocation {
  QString archivePath;  // an existing file
  QString innerFolder;  // "day1/", "a/b/", or "" for the archive's top level
};

// Drops path components from the end until an existing file remains: that file is the archive
// and the dropped components, each followed by "/", are the inner folder. Nothing when an
// existing folder (or nothing) is reached first, or an empty component is met.
std::optional<ArchiveLocation> FindContainingArchive(const QString& folderPath);

// The photos of one inner folder among the entry names, in archive order, without those whose
// edit record is among them. The entry's folder part must equal the inner folder exactly
// (letter case included).
std::vector<ListedPhoto> ArchiveFolderPhotos(const QStringList& entryNames,
                                             const QString& innerFolder,
                                             const PhotoExtensions& extensions);

}  // namespace kasumori::library
