// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_files.h"

#include "config/text_file.h"
#include "favourites/favourite_keys.h"

#include <QFileInfo>

namespace kasumori::favourites {

FavouritesFiles::FavouritesFiles(const QString& programFolder)
    : folderList(programFolder + u'/' + QLatin1String(kFolderListFile)),
      keyList(programFolder + u'/' + QLatin1String(kKeyListFile)),
      pathList(programFolder + u'/' + QLatin1String(kPathListFile)) {}

QStringList ReadListFile(const QString& path) {
  const QFileInfo file(path);
  if (file.exists() && file.size() > kMaxListFileBytes) {
    throw config::TextFileError("Too large to be a favourites file: " + path.toStdString());
  }
  if (std::optional<QStringList> lines = config::ReadTextLines(path)) return std::move(*lines);
  if (!file.exists()) return {};
  throw config::TextFileError("Cannot read " + path.toStdString());
}

// The two files can only be replaced one after the other, so a crash or a full disk can stop a
// save between them. The store orders its steps so that each state in between says what it is:
// - an add writes the paths first: one path more than keys, at the end, is an add that did not
//   happen, and is dropped;
// - a removal first empties the removed keys' lines (both files still pair up, and a pair with
//   an empty key is no favourite), then writes the paths without those lines, then the keys
//   without them: keys longer than paths by exactly their empty lines are that middle state.
// Anything else (a hand-edited file) pairs by index; a key without a path line stays a
// favourite with no photo, shown black and removable, where dropping it would lose it silently.
FavouritePairs PairFavourites(QStringList keyLines, QStringList pathLines) {
  FavouritePairs pairs{std::move(keyLines), std::move(pathLines)};
  QStringList& keys = pairs.keys;
  QStringList& paths = pairs.paths;
  const qsizetype emptyKeys = keys.count(QString());
  const bool evenCounts = keys.size() == paths.size();
  if (keys.size() == paths.size() + emptyKeys && emptyKeys > 0) {
    keys.removeAll(QString());
    pairs.repaired = true;
    return pairs;
  }
  if (paths.size() > keys.size()) paths.resize(keys.size());
  while (paths.size() < keys.size()) paths.append(QString());
  for (qsizetype i = keys.size(); i-- > 0;) {
    if (!keys[i].isEmpty()) continue;
    keys.removeAt(i);
    paths.removeAt(i);
  }
  pairs.repaired = emptyKeys > 0 || !evenCounts;
  return pairs;
}

FavouritePairs ReadFavouritePairs(const FavouritesFiles& files) {
  return PairFavourites(ReadListFile(files.keyList), ReadListFile(files.pathList));
}

bool AddMissingFolders(QStringList& folders, const QStringList& keys) {
  bool added = false;
  for (const QString& key : keys) {
    const QString folder = FolderOfKey(key);
    if (folder.isEmpty() || folders.contains(folder)) continue;
    folders.insert(DepthInsertionIndex(folders, folder), folder);
    added = true;
  }
  return added;
}

void WriteListFiles(const std::vector<ListFileWrite>& steps) {
  for (const ListFileWrite& step : steps) config::WriteTextLines(step.path, step.lines);
}

}  // namespace kasumori::favourites
