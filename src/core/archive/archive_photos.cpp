// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_photos.h"

#include "library/record_names.h"

#include <QFileInfo>

namespace kasumori::archive {

ArchivePathSplit SplitArchivePath(const QString& folderPath) {
  const std::optional<library::ArchiveLocation> location =
      library::FindContainingArchive(folderPath);
  if (!location) return {};
  return {location->archivePath, location->innerFolder};
}

TArchiverType BrowsedType(const QString& archivePath) {
  if (library::IsZipPath(archivePath)) return TArchiverType::atZip;
  const TArchiverType type = ArchiverTypeForExtension(archivePath);
  switch (type) {
    case TArchiverType::atZip:
      // Of the ZIP family only comic books are browsed: a ".jar" is a program, not an album.
      return archivePath.endsWith(QStringLiteral(".cbz"), Qt::CaseInsensitive)
                 ? type
                 : TArchiverType::atNone;
    case TArchiverType::atLha:
    case TArchiverType::atCab:
    case TArchiverType::atTar:
    case TArchiverType::atTgz:
    case TArchiverType::atBZ2:
    case TArchiverType::atRar:
    case TArchiverType::at7z:
      return type;
    case TArchiverType::atArj:
    case TArchiverType::atBga:
    case TArchiverType::atYz1:
    case TArchiverType::atGCA:
    case TArchiverType::atBel:
    case TArchiverType::atNone:
    case TArchiverType::atAutoDetect:
      return TArchiverType::atNone;
  }
  return TArchiverType::atNone;
}

ArchivePhotos::ArchivePhotos(ArchivePhotosDeps deps) : d_(std::move(deps)) {}

bool ArchivePhotos::IsBrowsable(const QString& archivePath) const {
  return BrowsedType(archivePath) != TArchiverType::atNone;
}

QStringList ArchivePhotos::UnreadableMessage(const QString& archivePath) const {
  const TArchiverType type = BrowsedType(archivePath);
  if (type == TArchiverType::atZip) return library::ArchiveLister::UnreadableMessage(archivePath);
  return {QStringLiteral("ファイル「") + QFileInfo(archivePath).fileName() +
              QStringLiteral("」は、") + FormatDescription(type) +
              QStringLiteral("ではないようです。"),
          QStringLiteral("もしくは、ファイルが壊れている可能性があります。")};
}

bool ArchivePhotos::Select(const QString& archivePath) {
  const TArchiverType type = BrowsedType(archivePath);
  if (type == TArchiverType::atNone) return false;
  archiveFile_.SetFileName(archivePath);
  archiveFile_.SetArchiverType(type);
  return (archiveFile_.CheckArchive(0) & 0x7FFF) != 0;
}

std::optional<QStringList> ArchivePhotos::EntryNames(const QString& archivePath) {
  if (!Select(archivePath)) return std::nullopt;
  QStringList names;
  archiveFile_.OpenArchive(0);
  TIndividualInfo info;
  for (int found = archiveFile_.FindFirst(QStringLiteral("*.*"), info); found == 0;
       found = archiveFile_.FindNext(info)) {
    names << info.szFileName;
  }
  archiveFile_.CloseArchive();
  return names;
}

std::optional<QString> ArchivePhotos::Extract(const QString& entry) {
  // Only a file really written is handed out, and so deleted later: the name of a refused
  // entry ("../x") must never reach a delete.
  if (archiveFile_.ExtractFiles(entry, d_.tempFolder) != ExtractOutcome::Extracted) {
    return std::nullopt;
  }
  return d_.tempFolder + u'/' + entry;
}

std::optional<QString> ArchivePhotos::RecordSourceEntry(const QString& inner,
                                                        const QString& recordName) {
  const QString wanted = inner + library::RecordSourceName(recordName);
  const std::optional<QStringList> names = EntryNames(archiveFile_.FileName());
  if (!names) return std::nullopt;
  if (names->contains(wanted)) return wanted;
  for (const QString& name : *names) {
    if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
  }
  return std::nullopt;
}

std::optional<library::ExtractedPhoto> ArchivePhotos::ExtractPhoto(const QString& photoPath,
                                                                   Report report) {
  const QFileInfo photo(photoPath);
  const ArchivePathSplit split = SplitArchivePath(photo.path());
  if (split.archive.isEmpty() || !IsBrowsable(split.archive)) return std::nullopt;
  if (!Select(split.archive)) {
    if (report == Report::Message) {
      if (d_.repaint) d_.repaint();
      d_.dialogs.Notice(UnreadableMessage(split.archive));
      if (d_.repaint) d_.repaint();
    }
    return std::nullopt;
  }
  // A member that could not be extracted leaves the path as it was: it then fails to load.
  library::ExtractedPhoto extracted{photoPath, {}};
  const std::optional<QString> member = Extract(split.inner + photo.fileName());
  if (!member) return extracted;
  extracted.path = *member;
  extracted.temporaryFiles << *member;
  if (!library::IsRecordName(photo.fileName())) return extracted;
  if (const std::optional<QString> entry = RecordSourceEntry(split.inner, photo.fileName())) {
    if (const std::optional<QString> source = Extract(*entry)) extracted.temporaryFiles << *source;
  }
  return extracted;
}

}  // namespace kasumori::archive
