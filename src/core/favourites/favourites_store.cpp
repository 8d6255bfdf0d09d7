// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_store.h"

#include "config/text_file.h"
#include "favourites/favourite_keys.h"
#include "favourites/favourite_thumbnails.h"
#include "library/folders/folder_window_rules.h"
#include "library/list_order.h"

#include <QFile>

#include <vector>

namespace kasumori::favourites {

FavouritesStore::FavouritesStore(const config::Settings& settings,
                                 const config::DataFolders& folders)
    : settings_(settings),
      files_(folders.ProgramFolder),
      thumbnailFolder_(folders.ThumbnailFolder),
      collator_(library::MakeNameCollator()) {}

void FavouritesStore::Load() {
  read_ = false;
  folderList_.clear();
  keyList_.clear();
  pathList_.clear();
  QStringList folders = ReadListFile(files_.folderList);
  FavouritePairs pairs = ReadFavouritePairs(files_);
  repaired_ = AddMissingFolders(folders, pairs.keys) || pairs.repaired;
  folderList_ = std::move(folders);
  keyList_ = std::move(pairs.keys);
  pathList_ = std::move(pairs.paths);
  read_ = true;
}

namespace {

// Names and paths are lines of their files: a line break would split one favourite into two
// and hand every later key the wrong photo.
void RefuseLineBreaks(std::initializer_list<QString> texts) {
  for (const QString& text : texts) {
    if (text.contains(u'\n') || text.contains(u'\r')) {
      throw config::TextFileError("A favourite's name or photo path cannot hold a line break");
    }
  }
}

}  // namespace

// The paths go before the keys and the folders: ReadFavouritePairs explains which states in
// between it reads back whole. Folders and keys in between are evened by AddMissingFolders.
void FavouritesStore::Commit(Lists next, const QStringList* emptiedKeys) {
  if (!read_) throw config::TextFileError("The favourites files were not read");
  std::vector<ListFileWrite> steps;
  if (repaired_) {
    // What was read is what the lists hold, pair for pair, before anything is changed.
    steps.push_back({files_.pathList, pathList_});
    steps.push_back({files_.keyList, keyList_});
    steps.push_back({files_.folderList, folderList_});
  }
  if (emptiedKeys) steps.push_back({files_.keyList, *emptiedKeys});
  if (next.paths != pathList_) steps.push_back({files_.pathList, next.paths});
  if (next.keys != keyList_ || emptiedKeys) steps.push_back({files_.keyList, next.keys});
  if (next.folders != folderList_) steps.push_back({files_.folderList, next.folders});
  try {
    WriteListFiles(steps);
  } catch (const config::TextFileError&) {
    try {
      Load();
    } catch (const config::TextFileError&) {
      // Left unread: every change refuses until the files can be read again.
    }
    throw;
  }
  repaired_ = false;
  folderList_ = std::move(next.folders);
  keyList_ = std::move(next.keys);
  pathList_ = std::move(next.paths);
}

FolderLoadOutcome FavouritesStore::LoadFolder(const QString& folder) {
  loaded_.Clear();
  loaded_.Path = folder;
  for (qsizetype i = 0; i < keyList_.size(); ++i) {
    if (FolderOfKey(keyList_[i]) != folder) continue;
    if (!loaded_.Append(NameOfKey(keyList_[i]), pathList_[i])) {
      loaded_.Outcome = FolderLoadOutcome::MoreThan300;
      break;
    }
  }
  OrderEntries(loaded_, FavouritesOrderOf(settings_), collator_);
  return loaded_.Outcome;
}

AddOutcome FavouritesStore::Add(const QString& folder, const QString& name,
                                const QString& photoPath) {
  RefuseLineBreaks({folder, name, photoPath});
  const QString key = JoinKey(folder, name);
  if (keyList_.contains(key)) return AddOutcome::NameExists;
  Lists next = Current();
  next.keys.append(key);
  next.paths.append(photoPath);
  Commit(std::move(next));
  HighlightKey = key;
  return AddOutcome::Added;
}

void FavouritesStore::DeleteOwnThumbnail(const QString& photoPath, const QString& name) const {
  if (PhotoFolderSlotOf(photoPath, settings_) > 0) return;
  QFile::remove(OwnThumbnailPath(thumbnailFolder_, loaded_.Path, name));
}

FolderLoadOutcome FavouritesStore::RemoveSelected() {
  Lists next = Current();
  QStringList emptied = keyList_;
  struct Removed {
    QString photoPath;
    QString name;
  };
  std::vector<Removed> removed;
  for (int number = 1; number <= loaded_.Count; ++number) {
    const FavouriteEntry& entry = *loaded_.Entry(number);
    if (!entry.Selected) continue;
    const QString key = JoinKey(loaded_.Path, entry.Name);
    const qsizetype line = next.keys.indexOf(key);
    if (line >= 0) {
      emptied[keyList_.indexOf(key)].clear();
      next.keys.removeAt(line);
      next.paths.removeAt(line);
    }
    removed.push_back({entry.PhotoPath, entry.Name});
  }
  if (removed.empty()) return LoadFolder(loaded_.Path);
  Commit(std::move(next), &emptied);
  // Only once the files no longer name them: a failed save keeps the favourites, and with them
  // the thumbnails they would otherwise have to make again.
  for (const Removed& entry : removed) DeleteOwnThumbnail(entry.photoPath, entry.name);
  return LoadFolder(loaded_.Path);
}

RenameOutcome FavouritesStore::Rename(int number, const QString& newName) {
  const FavouriteEntry* entry = loaded_.Entry(number);
  if (entry == nullptr || newName.isEmpty()) return RenameOutcome::Unchanged;
  RefuseLineBreaks({newName});
  const QString oldKey = JoinKey(loaded_.Path, entry->Name);
  const QString newKey = JoinKey(loaded_.Path, newName);
  if (newKey == oldKey) return RenameOutcome::Unchanged;
  if (keyList_.contains(newKey)) return RenameOutcome::NameExists;
  const qsizetype line = keyList_.indexOf(oldKey);
  if (line < 0) return RenameOutcome::Unchanged;
  Lists next = Current();
  next.keys[line] = newKey;
  Commit(std::move(next));
  return RenameOutcome::Renamed;
}

MoveOutcome FavouritesStore::Move(int number, const QString& target) {
  const FavouriteEntry* entry = loaded_.Entry(number);
  if (entry == nullptr) return MoveOutcome::SameFolder;
  const QString oldKey = JoinKey(loaded_.Path, entry->Name);
  const QString newKey = JoinKey(target, entry->Name);
  if (newKey == oldKey) return MoveOutcome::SameFolder;
  if (keyList_.contains(newKey)) return MoveOutcome::NameExists;
  const qsizetype line = keyList_.indexOf(oldKey);
  if (line >= 0) {
    Lists next = Current();
    next.keys[line] = newKey;
    Commit(std::move(next));
  }
  LoadFolder(loaded_.Path);
  return MoveOutcome::Moved;
}

// An empty name would write a folder line that is empty or ends in "\", which no tree can show.
FolderCreateOutcome FavouritesStore::CreateFolder(const QString& parent, const QString& name) {
  if (name.isEmpty()) return FolderCreateOutcome::EmptyName;
  RefuseLineBreaks({name});
  const QString path = JoinKey(parent, name);
  if (folderList_.contains(path)) return FolderCreateOutcome::Exists;
  Lists next = Current();
  next.folders.insert(DepthInsertionIndex(next.folders, path), path);
  Commit(std::move(next));
  return FolderCreateOutcome::Created;
}

bool FavouritesStore::HoldsFavourites(const QString& folder) const {
  for (const QString& key : keyList_) {
    if (FolderOfKey(key) == folder) return true;
  }
  return false;
}

FolderDeleteOutcome FavouritesStore::DeleteFolder(const QString& folder) {
  if (folder.isEmpty()) return FolderDeleteOutcome::Root;
  if (HoldsFavourites(folder)) return FolderDeleteOutcome::HoldsFavourites;
  const QString below = folder + kKeySeparator;
  for (const QString& line : folderList_) {
    if (line.startsWith(below)) return FolderDeleteOutcome::HasSubfolders;
  }
  Lists next = Current();
  next.folders.removeAll(folder);
  Commit(std::move(next));
  return FolderDeleteOutcome::Deleted;
}

namespace {

void Rebase(QString& line, const QString& from, const QString& to) {
  if (IsSameOrBelow(line, from)) line = to + line.mid(from.size());
}

void RebaseLines(QStringList& lines, const QString& from, const QString& to) {
  for (QString& line : lines) Rebase(line, from, to);
}

}  // namespace

FolderRenameOutcome FavouritesStore::RenameFolder(const QString& folder, const QString& newName) {
  if (folder.isEmpty() || newName.isEmpty()) return FolderRenameOutcome::Unchanged;
  RefuseLineBreaks({newName});
  const QString renamed = RenamedFolderPath(folder, newName);
  if (renamed == folder) return FolderRenameOutcome::Unchanged;
  if (folderList_.contains(renamed)) return FolderRenameOutcome::Exists;
  Lists next = Current();
  RebaseLines(next.folders, folder, renamed);
  RebaseLines(next.keys, folder, renamed);
  Commit(std::move(next));
  Rebase(CurrentFavouritesFolder, folder, renamed);
  Rebase(AddDialogFolder, folder, renamed);
  Rebase(loaded_.Path, folder, renamed);
  return FolderRenameOutcome::Renamed;
}

void FavouritesStore::RewritePhotoPaths(const QString& oldPath, const QString& newPath) {
  Load();
  Lists next = Current();
  // Photo paths are this machine's own: the folder ends where a "/" follows, exactly as typed.
  for (QString& path : next.paths) {
    if (const auto moved = library::RebasedPath(path, oldPath, newPath)) path = *moved;
  }
  if (next.paths != pathList_) Commit(std::move(next));
}

}  // namespace kasumori::favourites
