// SPDX-License-Identifier: GPL-3.0-or-later
// The three favourites files in the program folder, read into lists and written back whole.
#pragma once

#include "platform/limits.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kasumori::favourites {

inline constexpr char kFolderListFile[] = "OkiniF.dat";
inline constexpr char kKeyListFile[] = "Okini.dat";
inline constexpr char kPathListFile[] = "Okini2.dat";

struct FavouritesFiles {
  explicit FavouritesFiles(const QString& programFolder);
  QString folderList;
  QString keyList;
  QString pathList;
};

// Line i of keys and line i of paths belong to one favourite.
struct FavouritePairs {
  QStringList keys;
  QStringList paths;
  bool repaired = false;  // the files did not pair up as they were; the next save evens them
};

// A favourites file larger than this is refused rather than read.
inline constexpr qint64 kMaxListFileBytes = platform::limits::kMaxTextFileBytes;

// The file's lines; a missing file is an empty list. A file that is there but cannot be read,
// or is past the text-file limits, throws config::TextFileError: taken as empty, the next save
// would write over the favourites.
QStringList ReadListFile(const QString& path);

// Pairs the key and path files' lines, repairing what an interrupted save leaves (see the .cpp).
FavouritePairs PairFavourites(QStringList keys, QStringList paths);
// PairFavourites over the two files. Throws as ReadListFile.
FavouritePairs ReadFavouritePairs(const FavouritesFiles& files);

// The folders the keys name that have no line of their own get one, in depth order, so that no
// favourite is out of reach of the tree. True when a line was added.
bool AddMissingFolders(QStringList& folders, const QStringList& keys);

// One step of a save: a file and all its new lines.
struct ListFileWrite {
  QString path;
  QStringList lines;
};

// Writes the steps in order, each through a temporary file and a rename; the first that fails
// throws its config::TextFileError and the later ones are not written. The callers order their
// steps so that every state between two of them reads back as a whole store.
void WriteListFiles(const std::vector<ListFileWrite>& steps);

}  // namespace kasumori::favourites
