// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites store: the favourites folders, the favourites' keys and their photo paths,
// kept in memory as three lists that mirror the three files, and the loaded favourites folder.
// Every change is written at once; a change whose files cannot be written throws
// config::TextFileError and leaves the lists, the loaded folder and the files as they were.
#pragma once

#include "config/data_folders.h"
#include "config/settings.h"
#include "favourites/favourites_files.h"
#include "favourites/loaded_folder.h"

#include <QCollator>
#include <QString>
#include <QStringList>

namespace kasumori::favourites {

enum class AddOutcome { Added, NameExists };
enum class RenameOutcome { Renamed, Unchanged, NameExists };
enum class MoveOutcome { Moved, SameFolder, NameExists };
enum class FolderCreateOutcome { Created, Exists, EmptyName };
enum class FolderDeleteOutcome { Deleted, HoldsFavourites, HasSubfolders, Root };
enum class FolderRenameOutcome { Renamed, Unchanged, Exists };

class FavouritesStore {
 public:
  // The settings give the photo folders and the order of a loaded folder; they must outlive
  // the store.
  FavouritesStore(const config::Settings& settings, const config::DataFolders& folders);

  void SetCollator(QCollator collator) { collator_ = std::move(collator); }

  // Reads the three files afresh; a missing file is an empty list. When one is there but cannot
  // be read, the lists are left empty and every change throws until a Load succeeds, so that
  // favourites nobody could read are never written over.
  void Load();

  // Holds the favourites of `folder` in display order: the first 300 in file order, then
  // ordered by the settings. MoreThan300 when some had to be left out.
  FolderLoadOutcome LoadFolder(const QString& folder);

  // Files the photo under `name` in `folder` and makes the new key the one to highlight.
  AddOutcome Add(const QString& folder, const QString& name, const QString& photoPath);
  // Removes the selected entries of the loaded folder, deletes the thumbnails of their own, and
  // loads the folder again.
  FolderLoadOutcome RemoveSelected();
  // Gives entry `number` of the loaded folder a new name in its folder. An empty name changes
  // nothing. The loaded folder is left for the caller to load again.
  RenameOutcome Rename(int number, const QString& newName);
  // Files entry `number` of the loaded folder under `target` and loads the folder again. A
  // number outside the loaded folder moves nothing and answers SameFolder.
  MoveOutcome Move(int number, const QString& target);

  FolderCreateOutcome CreateFolder(const QString& parent, const QString& name);
  FolderDeleteOutcome DeleteFolder(const QString& folder);
  // Renames the folder's last part; its sub-folders and favourites follow, and so do the two
  // windows' current folders and the loaded folder where they lie in it.
  FolderRenameOutcome RenameFolder(const QString& folder, const QString& newName);

  // After the folder on disk `oldPath` became `newPath`: the photo paths inside it follow. The
  // key and path files are read afresh first, as the favourites windows may not have been open
  // this run; this works whether Load ran or not.
  void RewritePhotoPaths(const QString& oldPath, const QString& newPath);

  const QStringList& FolderList() const { return folderList_; }
  const QStringList& KeyList() const { return keyList_; }
  const QStringList& PathList() const { return pathList_; }
  LoadedFolder& Folder() { return loaded_; }
  const LoadedFolder& Folder() const { return loaded_; }
  const FavouritesFiles& Files() const { return files_; }
  const QString& ThumbnailFolder() const { return thumbnailFolder_; }

  // Run-time state of the two favourites windows, kept for the whole run.
  QString CurrentFavouritesFolder;
  QString AddDialogFolder;
  QString HighlightKey;

 private:
  struct Lists {
    QStringList folders;
    QStringList keys;
    QStringList paths;
  };
  Lists Current() const { return {folderList_, keyList_, pathList_}; }
  // Writes the lists that differ from the current ones and only then takes them as current. A
  // removal passes the key list with the removed lines emptied, written first. When a write
  // fails, the lists are read back from the files, so memory holds what they hold.
  void Commit(Lists next, const QStringList* emptiedKeys = nullptr);
  // Whether some line of KeyList belongs to `folder`.
  bool HoldsFavourites(const QString& folder) const;
  void DeleteOwnThumbnail(const QString& photoPath, const QString& name) const;

  const config::Settings& settings_;
  FavouritesFiles files_;
  QString thumbnailFolder_;
  QCollator collator_;
  QStringList folderList_;
  QStringList keyList_;
  QStringList pathList_;
  LoadedFolder loaded_;
  bool read_ = false;      // the lists hold what the files held
  bool repaired_ = false;  // ... after a repair the files themselves still lack
};

}  // namespace kasumori::favourites
