// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as the three favourites files, NUL-separated: the key file, the path file
// and the folder file. They are decoded as the program reads them, paired, and the folders
// the keys need are added; then the store's promises are checked.
#include "config/text_file.h"
#include "favourites/favourite_keys.h"
#include "favourites/favourites_files.h"
#include "fuzz_entries.h"

#include <QByteArray>
#include <QList>

namespace {

using namespace kasumori::favourites;
using kasumori::fuzz::Require;

bool DepthOrdered(const QStringList& folders) {
  for (qsizetype i = 1; i < folders.size(); ++i) {
    if (FolderDepth(folders[i - 1]) > FolderDepth(folders[i])) return false;
  }
  return true;
}

}  // namespace

int kasumori::fuzz::FuzzFavourites(const std::uint8_t* data, std::size_t size) {
  const QList<QByteArray> files =
      QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
  std::optional<QStringList> lines[3];
  for (int i = 0; i < 3; ++i) {
    lines[i] = config::TextLines(i < files.size() ? files[i] : QByteArray());
    if (!lines[i]) return 0;
  }
  const FavouritePairs pairs = PairFavourites(*lines[0], *lines[1]);
  // Every key has its path line, and a pair with no key is no favourite.
  Require(pairs.keys.size() == pairs.paths.size());
  Require(!pairs.keys.contains(QString()));
  Require(pairs.repaired || (pairs.keys == *lines[0] && pairs.paths == *lines[1]));
  for (const QString& key : pairs.keys) {
    // A key that starts with the separator names no folder; the root's keys have none.
    if (!FolderOfKey(key).isEmpty()) Require(JoinKey(FolderOfKey(key), NameOfKey(key)) == key);
  }

  QStringList folders = *lines[2];
  const bool ordered = DepthOrdered(folders);
  AddMissingFolders(folders, pairs.keys);
  for (const QString& key : pairs.keys) {
    const QString folder = FolderOfKey(key);
    Require(folder.isEmpty() || folders.contains(folder));
  }
  // A second pass has nothing left to add, and a depth-ordered file stays so.
  Require(!AddMissingFolders(folders, pairs.keys));
  Require(!ordered || DepthOrdered(folders));
  return 0;
}
