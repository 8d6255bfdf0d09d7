// SPDX-License-Identifier: GPL-3.0-or-later
// How the program uses the archive component: a folder path that runs through an archive file
// (/photos/trip.zip/day1) lists the archive's entries, and a photo in such a folder is
// extracted into the temporary folder for the display, the thumbnails, the Exif reader and the
// save, which delete it again when they are done.
#pragma once

#include "archive/archive_file.h"
#include "library/archive_folder.h"
#include "platform/dialog_service.h"

#include <QString>

#include <functional>
#include <optional>

namespace kasumori::archive {

// The archive file and the inner path of a folder path; both empty when the path does not run
// through an archive file. The inner path has "/" separators and a trailing "/" (empty for the
// archive's top level).
struct ArchivePathSplit {
  QString archive;
  QString inner;
};
ArchivePathSplit SplitArchivePath(const QString& folderPath);

// The type an archive is read as when its folders are browsed: ZIP for ".zip" (the one kind
// the reference program read) and ".cbz"; the other kinds libarchive reads by their
// extensions; atNone for everything else (".jar", ".exe", unknown extensions).
TArchiverType BrowsedType(const QString& archivePath);

struct ArchivePhotosDeps {
  QString tempFolder;
  platform::DialogService& dialogs;
  std::function<void()> repaint = {};  // the main window, around the not-an-archive message
};

class ArchivePhotos final : public library::ArchiveLister {
 public:
  explicit ArchivePhotos(ArchivePhotosDeps deps);

  bool IsBrowsable(const QString& archivePath) const override;
  std::optional<QStringList> EntryNames(const QString& archivePath) override;
  QStringList UnreadableMessage(const QString& archivePath) const override;

  enum class Report { Message, Quiet };
  // For a photo path that names no file: the member extracted into the temporary folder (and
  // for an edit record the photo it stands for) with every file to delete afterwards; nothing
  // when the path does not run through a browsed archive or the archive does not open (then,
  // with Report::Message, the not-an-archive message is shown). The returned path may be
  // missing when the member could not be extracted.
  std::optional<library::ExtractedPhoto> ExtractPhoto(const QString& photoPath, Report report);

  void SetRepaint(std::function<void()> repaint) { d_.repaint = std::move(repaint); }
  TArchiveFile& ArchiveFile() { return archiveFile_; }

 private:
  // Points the component at the archive; false when it does not read as its type.
  bool Select(const QString& archivePath);
  // The entry the record stands for, found in the record's inner folder whatever its case.
  std::optional<QString> RecordSourceEntry(const QString& inner, const QString& recordName);
  // The extracted file; nothing when the entry was not written.
  std::optional<QString> Extract(const QString& entry);

  ArchivePhotosDeps d_;
  TArchiveFile archiveFile_;
};

}  // namespace kasumori::archive
