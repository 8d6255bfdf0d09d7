// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/command_support.h"
#include "library/fileops/photo_commands.h"
#include "library/record_names.h"

namespace kasumori::library {

using fileops_detail::CacheOf;
using fileops_detail::InArchive;

namespace {

// The characters no file name may hold, in the order the notice lists them.
const QString kForbiddenCharacters = QStringLiteral("\\/:*?\"<>|");

// Extensions are compared on their first four characters with the dot, ignoring case, and
// ".jpe" stands for ".jpg", so that IMG.jpeg → IMG.jpg asks nothing.
QString ComparableExtension(const QString& extension) {
  QString head = extension.left(4).toLower();
  if (head == u".jpe") head = QStringLiteral(".jpg");
  return head;
}

void ShowRenameFailed(platform::DialogService& dialogs) {
  dialogs.Notice({QStringLiteral("ファイル名の変更ができませんでした。"),
                  QStringLiteral("（原因は、ファイル名に使えない記号「\\/:.;*?\"<>|」"),
                  QStringLiteral("　が含まれたいたか、もしくは、CD-ROMなどのファイル"),
                  QStringLiteral("　名を変更しようとしたなどが考えられます）")});
}

void ShowNameTaken(platform::DialogService& dialogs) {
  dialogs.Notice({QStringLiteral("入力されたファイル名は、すでに存在して"),
                  QStringLiteral("いますので、変更できませんでした。")});
}

}  // namespace

bool CanRenamePhoto(const FileOpsContext& c, const PhotoPlace& shown, bool panoramaMode) {
  if (panoramaMode) {
    c.dialogs.Notice({QStringLiteral("パノラマモード時には、ファイル名の変更を"),
                      QStringLiteral("行うことができません。"),
                      QStringLiteral("「ファイル名を変更したい写真」をダブルクリックして"),
                      QStringLiteral("パノラマモードを解除してください。")});
    return false;
  }
  if (InArchive(c)) {
    c.dialogs.Notice({QStringLiteral("書庫(ZIP)ファイル内の写真は"),
                      QStringLiteral("ファイル名を変更することができません。")});
    return false;
  }
  if (IsRecordName(shown.name)) {
    c.dialogs.Notice({QStringLiteral("拡張子が「.ksm」（Kasumori形式）のファイル名は"),
                      QStringLiteral("元画像との整合性を保つために"),
                      QStringLiteral("ここで変更することはできません。")});
    return false;
  }
  return true;
}

bool AcceptTypedName(platform::DialogService& dialogs, const QString& typed) {
  for (QChar ch : kForbiddenCharacters) {
    if (typed.contains(ch)) {
      dialogs.Notice({QStringLiteral("ファイル名に「") + kForbiddenCharacters +
                      QStringLiteral("」の文字は使用できません。")});
      return false;
    }
  }
  return true;
}

RenameOutcome RenamePhoto(const FileOpsContext& c, const PhotoPlace& shown, const QString& typed) {
  // The window checks the name first; a name that still holds a separator would leave the
  // folder, and one with a NUL would be cut short by the system call, so both end here too.
  if (typed.isEmpty() || typed.contains(u'/') || typed.contains(QChar(0))) return {};
  QString newName = typed;
  if (!newName.contains(u'.')) newName += ExtensionOf(shown.name);
  if (newName == shown.name) return {};

  const QString newExtension = ExtensionOf(newName);
  if (ComparableExtension(newExtension) != ComparableExtension(ExtensionOf(shown.name)) &&
      !c.dialogs.Confirm(
          {QStringLiteral("拡張子を「") + newExtension + QStringLiteral("」に変更します。"),
           QStringLiteral("よろしいですか？")})) {
    return {};
  }

  const QString target = shown.folder + u'/' + newName;
  if (c.files.Exists(target) ||
      fileops_detail::HoldsNameInAnyCase(c.files, shown.folder, newName, shown.name)) {
    ShowNameTaken(c.dialogs);
    return {RenameOutcome::Kind::Refused, {}};
  }
  if (const FsStatus renamed = c.files.Rename(shown.Path(), target); renamed != FsStatus::Ok) {
    // Another program may have taken the name since the check.
    if (renamed == FsStatus::Exists) {
      ShowNameTaken(c.dialogs);
    } else {
      ShowRenameFailed(c.dialogs);
    }
    return {RenameOutcome::Kind::Refused, {}};
  }
  NoteOwnChange(c.folders, shown.folder);

  const CachePlace cache = CacheOf(c, shown.slot, shown.slotRoot);
  if (const auto oldThumbnail = CachedThumbnail(cache, shown.folder, shown.name)) {
    CarryCacheFiles(c.files, *oldThumbnail, *CachedThumbnail(cache, shown.folder, newName), false);
  }
  fileops_detail::CarryEditRecords(c, shown.folder, cache, shown.name, shown.folder, cache,
                                   newName);
  return {RenameOutcome::Kind::Renamed, newName};
}

}  // namespace kasumori::library
