// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/missing_source.h"

#include "library/fileops/companion_files.h"
#include "library/record_names.h"
#include "records/record_list.h"

#include <QFileInfo>

namespace kasumori::shell {

namespace {

using Kind = MissingSourceOutcome::Kind;

constexpr qsizetype kRecordSuffixLength = 4;  // ".ksm"

library::CachePlace CacheIn(const library::FileOpsContext& c, const library::PhotoPlace& p) {
  return {c.thumbnailFolder, p.slot, p.slotRoot};
}

MissingSourceOutcome TrashRecord(const library::FileOpsContext& c, const MissingSourceCase& m) {
  if (!c.trash.MoveToTrash(m.record.Path())) return {};
  const std::optional<QString> thumbnail =
      library::CachedThumbnail(CacheIn(c, m.record), m.record.folder, m.record.name);
  if (thumbnail) library::RemoveCacheFiles(c.files, *thumbnail);
  c.folders.IgnoreNextChange = true;
  return {Kind::Trashed, {}};
}

// The chosen photo's folder keeps the shown record's slot when it lies under the slot's root;
// elsewhere the records have no cached thumbnails to carry.
library::CachePlace CacheAt(const library::FileOpsContext& c, const library::PhotoPlace& record,
                            const QString& folder) {
  const bool inSlot = record.slot != 0 && !record.slotRoot.isEmpty() &&
                      (folder + u'/').startsWith(record.slotRoot + u'/');
  return inSlot ? CacheIn(c, record) : library::CachePlace{c.thumbnailFolder, 0, {}};
}

MissingSourceOutcome FollowSource(const library::FileOpsContext& c, const MissingSourceCase& m,
                                  const QString& chosen) {
  const QFileInfo chosenInfo(chosen);
  const QString toFolder = chosenInfo.path();
  const QString sourceName = QFileInfo(m.sourcePath).fileName();
  const QStringList recordNames =
      records::ListRecords(c.files.FileNames(m.record.folder), m.record.name);
  QString shownPath = m.record.Path();
  bool anyMoved = false;
  for (const QString& name : recordNames) {
    const QString newPath =
        toFolder + u'/' + RelocatedRecordName(name, sourceName, chosenInfo.fileName());
    const library::MoveResult result =
        library::MoveFileWithCache(c, CacheIn(c, m.record), m.record.folder + u'/' + name,
                                   CacheAt(c, m.record, toFolder), newPath, true);
    if (result != library::MoveResult::Moved && result != library::MoveResult::CopiedSourceKept) {
      continue;
    }
    anyMoved = true;
    if (name == m.record.name) shownPath = newPath;
  }
  if (anyMoved) c.folders.IgnoreNextChange = true;
  // A shown record that could not move (the failure was reported) stays where it was, with
  // its photo still missing: showing it again would only ask the same questions again.
  if (shownPath == m.record.Path()) return {};
  return {Kind::Relocated, shownPath};
}

}  // namespace

QString RelocatedRecordName(const QString& recordName, const QString& oldSourceName,
                            const QString& chosenFileName) {
  // The record's stem has the old source's length whatever its letter case.
  const qsizetype stemLength =
      library::CompanionRecordName(oldSourceName).size() - kRecordSuffixLength;
  const QString tail = recordName.mid(stemLength);
  const qsizetype dot = chosenFileName.lastIndexOf(u'.');
  const QString stem = dot < 0 ? chosenFileName : chosenFileName.left(dot);
  const QString extension = dot < 0 ? QString() : chosenFileName.mid(dot + 1);
  return stem + u'_' + extension + tail;
}

MissingSourceOutcome RunMissingSource(const library::FileOpsContext& c,
                                      platform::PickerService& picker, const MissingSourceCase& m) {
  if (!c.files.IsFile(m.record.Path()) || m.slideshowActive || m.panoramaMode) return {};
  const QString sourceName = QFileInfo(m.sourcePath).fileName();
  if (!c.dialogs.Confirm({QStringLiteral("元の画像ファイル"), sourceName,
                          QStringLiteral("が存在しません。"),
                          QStringLiteral("元の画像ファイルのある場所を指定しますか？")})) {
    if (!c.dialogs.Confirm({QStringLiteral("Kasumori形式ファイル"), m.record.name,
                            QStringLiteral("をごみ箱へ移動しますか？")})) {
      return {};
    }
    return TrashRecord(c, m);
  }
  const QString title = u'「' + m.record.name + QStringLiteral("」の元画像ファイルを指定");
  const std::optional<QString> chosen =
      picker.PickOpenFile(title, m.record.folder + u'/' + sourceName, QString());
  if (!chosen || chosen->isEmpty()) return {};
  return FollowSource(c, m, *chosen);
}

}  // namespace kasumori::shell
