// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/transfer_commands.h"

#include "transfer/transfer_texts.h"

namespace kasumori::transfer {

TransferOptions OptionsOf(const config::Settings& settings) {
  return {settings.TransferReadOnly == 1, settings.TransferMovies == 1,
          settings.TransferToDateFolders == 1};
}

void StoreOptions(config::Settings& settings, const TransferOptions& options) {
  settings.TransferReadOnly = options.readOnlyToo ? 1 : 0;
  settings.TransferMovies = options.movies ? 1 : 0;
  settings.TransferToDateFolders = options.dateFolders ? 1 : 0;
}

bool MayTransfer(platform::DialogService& dialogs, const library::FileSystem& fs, TransferMode mode,
                 const QString& cameraFolder, const QString& selectedFolder) {
  const bool fromCamera = mode == TransferMode::FromCamera;
  if (selectedFolder.isEmpty()) {
    dialogs.Notice({fromCamera ? QStringLiteral("転送先のフォルダが選択されていません。")
                               : QStringLiteral("転送元のフォルダが選択されていません。")});
    return false;
  }
  if (!fs.IsFolder(cameraFolder)) {
    dialogs.Notice({QStringLiteral("設定したフォルダがデジタルカメラ上に見つかりません。"),
                    QStringLiteral("デジタルカメラが正しくつながっているかどうか"),
                    QStringLiteral("もしくはフォルダの設定をご確認ください。")});
    return false;
  }
  if (!fs.IsFolder(selectedFolder)) {
    if (fromCamera) {
      dialogs.Notice({QStringLiteral("書庫(ZIP)ファイル内に"),
                      QStringLiteral("写真を転送することはできません。")});
    } else {
      dialogs.Notice({QStringLiteral("書庫(ZIP)ファイル内の写真を"),
                      QStringLiteral("転送することはできません。")});
    }
    return false;
  }
  return true;
}

TransferJob CameraJob(const config::Settings& settings, TransferMode mode, int slot,
                      const library::FolderState& selected, const QString& thumbnailFolder) {
  const QString camera = CameraOf(settings, slot).folder;
  TransferJob job;
  job.mode = mode;
  const bool fromCamera = mode == TransferMode::FromCamera;
  job.sourceFolder = fromCamera ? camera : selected.CurrentFolder;
  job.targetFolder = fromCamera ? selected.CurrentFolder : camera;
  job.options = OptionsOf(settings);
  job.sortOrder = settings.SortOrder;
  // Only the selected folder has cached thumbnails; a camera folder lies outside the slots.
  if (fromCamera && selected.HasSlot()) {
    job.cache = {thumbnailFolder, selected.CurrentSlot, settings.PhotoFolder(selected.CurrentSlot)};
  }
  return job;
}

namespace {

const QString kSortTargets = QStringLiteral("（振り分け対象…JPEG,TIFF,BMP,MOV,AVI,MPEG）");

// The folder's own name, or the whole path for a drive-like root.
QString ShortFolderName(const QString& folder) {
  if (folder.endsWith(u':')) return folder;
  const QString last = folder.mid(folder.lastIndexOf(u'/') + 1);
  return last.isEmpty() ? folder : last;
}

}  // namespace

// An empty current folder gets the explanation, not the archive notice: there is no archive.
std::optional<TransferJob> PrepareDateSort(platform::DialogService& dialogs,
                                           const library::FileSystem& fs,
                                           const library::FolderState& folders,
                                           const config::Settings& settings,
                                           const QString& thumbnailFolder) {
  const QString& folder = folders.CurrentFolder;
  if (!folder.isEmpty() && !fs.IsFolder(folder)) {
    dialogs.Notice({QStringLiteral("書庫(ZIP)ファイル内の写真は"),
                    QStringLiteral("振り分けることができません。")});
    return std::nullopt;
  }
  if (!folders.HasSlot() || folder.isEmpty()) {
    dialogs.Notice({QStringLiteral("このメニューは、選択中フォルダ内に"),
                    QStringLiteral("「ファイル日付」フォルダを自動作成して"),
                    QStringLiteral("ファイルを振り分けることができます。"), kSortTargets});
    return std::nullopt;
  }
  if (!dialogs.Confirm({QStringLiteral("選択中フォルダ「") + ShortFolderName(folder) + u'」',
                        QStringLiteral("の中に、「ファイル日付」フォルダを自動作成し"),
                        QStringLiteral("選択中フォルダ内の写真ファイルを、全て振り分けます。"),
                        kSortTargets})) {
    return std::nullopt;
  }
  TransferJob job;
  job.mode = TransferMode::SortByDate;
  job.sourceFolder = job.targetFolder = folder;
  job.options = {true, true, true};
  job.sortOrder = settings.SortOrder;
  job.cache = {thumbnailFolder, folders.CurrentSlot, settings.PhotoFolder(folders.CurrentSlot)};
  return job;
}

AfterRun AfterTransfer(const TransferJob& job, const TransferEngine& engine) {
  const auto& picture = engine.Picture();
  if (job.mode == TransferMode::ToCamera || !picture) return {};
  if (job.mode == TransferMode::SortByDate || job.options.dateFolders) {
    return {AfterRun::Kind::OpenFolder, picture->place.left(picture->place.lastIndexOf(u'/')), {}};
  }
  return {AfterRun::Kind::ShowPhoto, job.targetFolder, picture->place};
}

}  // namespace kasumori::transfer
