// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/companion_files.h"

#include "library/fileops/safe_move.h"
#include "library/record_names.h"
#include "thumbfiles/thumbnail_files.h"

#include <algorithm>

namespace kasumori::library {
namespace {

constexpr qsizetype kRecordExtensionLength = 4;  // ".ksm"
constexpr qsizetype kNumberedTailLength = 8;     // "-NNN.ksm"

// The record tail of `name` after `stem` (".ksm" or "-NNN.ksm"), or "" when `name` is not a
// record of that stem.
QString RecordTail(const QString& name, const QString& stem) {
  if (!name.startsWith(stem, Qt::CaseInsensitive) || !IsRecordName(name)) return {};
  const QString tail = name.mid(stem.size());
  if (tail.size() == kRecordExtensionLength) return tail;
  if (tail.size() != kNumberedTailLength || tail[0] != u'-') return {};
  const QStringView digits = QStringView(tail).mid(1, 3);
  const bool numbered =
      std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  return numbered && digits != u"000" ? tail : QString();
}

QString RecordStem(const QString& photoName) {
  const QString record = CompanionRecordName(photoName);
  return record.left(record.size() - kRecordExtensionLength);
}

QString FolderOf(const QString& path) { return path.left(path.lastIndexOf(u'/')); }

void CarryOne(FileSystem& fs, const QString& from, const QString& to, bool keepSource) {
  if (!fs.IsFile(from)) return;
  if (fs.Exists(to)) fs.Remove(to);
  const bool carried =
      keepSource ? CopyFileSafely(fs, from, to) : Arrived(MoveFileSafely(fs, from, to));
  if (!carried && !keepSource) fs.Remove(from);
}

}  // namespace

QStringList EditRecordsOf(const QStringList& folderNames, const QString& photoName) {
  const QString stem = RecordStem(photoName);
  QStringList records;
  for (const QString& name : folderNames) {
    if (!RecordTail(name, stem).isEmpty()) records << name;
  }
  // The unnumbered tail ".ksm" sorts before "-001.ksm" once compared by tail.
  std::sort(records.begin(), records.end(), [&](const QString& a, const QString& b) {
    const QString ta = a.mid(stem.size()).toLower();
    const QString tb = b.mid(stem.size()).toLower();
    if (ta.size() != tb.size()) return ta.size() < tb.size();
    return ta < tb;
  });
  return records;
}

QString RenamedRecordName(const QString& recordName, const QString& oldPhotoName,
                          const QString& newPhotoName) {
  const QString tail = recordName.mid(RecordStem(oldPhotoName).size());
  return RecordStem(newPhotoName) + tail;
}

QString ExtensionOf(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  return dot < 0 ? QString() : fileName.mid(dot);
}

std::optional<QString> CachedThumbnail(const CachePlace& place, const QString& folder,
                                       const QString& name) {
  if (!place.InSlot()) return std::nullopt;
  return thumbfiles::ThumbnailPath(place.thumbnailFolder, place.slot, place.slotRoot, folder, name);
}

void RemoveCacheFiles(FileSystem& fs, const QString& thumbnailPath) {
  fs.Remove(thumbnailPath);
  fs.Remove(thumbfiles::SidecarPath(thumbnailPath));
  fs.RemoveFolderIfEmpty(FolderOf(thumbnailPath));
}

void CarryCacheFiles(FileSystem& fs, const QString& fromThumbnail, const QString& toThumbnail,
                     bool keepSource) {
  if (fromThumbnail == toThumbnail) return;
  CarryOne(fs, fromThumbnail, toThumbnail, keepSource);
  CarryOne(fs, thumbfiles::SidecarPath(fromThumbnail), thumbfiles::SidecarPath(toThumbnail),
           keepSource);
  fs.RemoveFolderIfEmpty(FolderOf(fromThumbnail));
  fs.RemoveFolderIfEmpty(FolderOf(toThumbnail));
}

}  // namespace kasumori::library
