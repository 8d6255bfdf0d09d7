// SPDX-License-Identifier: GPL-3.0-or-later
// The three favourites files in the program folder, read into lists and written back whole.
#pragma once

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
};

// The file's lines; a missing file is an empty list. A file that is there but cannot be read
// throws config::TextFileError: taken as empty, the next save would write over the favourites.
// Empty lines are kept: in the paired files dropping one would hand every later key the wrong
// photo.
QStringList ReadListFile(const QString& path);

// Reads the key and path files as pairs, so that both lists always have one line per favourite.
// Throws as ReadListFile.
FavouritePairs ReadFavouritePairs(const FavouritesFiles& files);

// One file to replace: the lines it holds now (restored if a later write fails) and its new lines.
struct ListFileChange {
  QString path;
  const QStringList* before;
  const QStringList* after;
};

// Writes the files in the given order. When one cannot be written, the ones already written get
// their old lines back (as far as that is still possible) and the config::TextFileError of the
// failed write is thrown, so a caller never keeps a change only some of its files hold.
void WriteListFiles(const std::vector<ListFileChange>& changes);

}  // namespace kasumori::favourites
