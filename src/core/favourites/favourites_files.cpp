// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_files.h"

#include "config/text_file.h"

#include <QFileInfo>

namespace kasumori::favourites {

FavouritesFiles::FavouritesFiles(const QString& programFolder)
    : folderList(programFolder + u'/' + QLatin1String(kFolderListFile)),
      keyList(programFolder + u'/' + QLatin1String(kKeyListFile)),
      pathList(programFolder + u'/' + QLatin1String(kPathListFile)) {}

QStringList ReadListFile(const QString& path) {
  if (std::optional<QStringList> lines = config::ReadTextLines(path)) return std::move(*lines);
  if (!QFileInfo::exists(path)) return {};
  throw config::TextFileError("Cannot read " + path.toStdString());
}

// The store itself never leaves the two files with different line counts (see
// FavouritesStore::Commit), but a crash or a hand-edited file can. Lines are paired by index,
// since that is all the files say about which path goes with which key. A key without a path
// line stays a favourite, with an empty photo path: it shows as a missing photo and the user can
// still see it and remove it, where dropping it would lose it silently. A path without a key
// names no favourite anyone could reach, so it is dropped; the next save writes the files equal
// again.
FavouritePairs ReadFavouritePairs(const FavouritesFiles& files) {
  FavouritePairs pairs{ReadListFile(files.keyList), ReadListFile(files.pathList)};
  const qsizetype keyCount = pairs.keys.size();
  if (pairs.paths.size() > keyCount) pairs.paths.resize(keyCount);
  while (pairs.paths.size() < keyCount) pairs.paths.append(QString());
  return pairs;
}

void WriteListFiles(const std::vector<ListFileChange>& changes) {
  for (std::size_t i = 0; i < changes.size(); ++i) {
    try {
      config::WriteTextLines(changes[i].path, *changes[i].after);
    } catch (const config::TextFileError&) {
      // Newest first, so that a put-back that fails too leaves the earliest files changed: the
      // callers order their files so that an earlier file alone does the least harm.
      for (std::size_t k = i; k-- > 0;) {
        try {
          config::WriteTextLines(changes[k].path, *changes[k].before);
        } catch (const config::TextFileError&) {
        }
      }
      throw;
    }
  }
}

}  // namespace kasumori::favourites
