// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourite_keys.h"

namespace kasumori::favourites {

QString JoinKey(const QString& folder, const QString& name) {
  return folder.isEmpty() ? name : folder + kKeySeparator + name;
}

QString FolderOfKey(const QString& key) {
  const qsizetype at = key.lastIndexOf(kKeySeparator);
  return at < 0 ? QString() : key.left(at);
}

QString NameOfKey(const QString& key) { return key.mid(key.lastIndexOf(kKeySeparator) + 1); }

int FolderDepth(const QString& folder) { return int(folder.count(kKeySeparator)); }

qsizetype DepthInsertionIndex(const QStringList& folders, const QString& folder) {
  const int depth = FolderDepth(folder);
  for (qsizetype i = 0; i < folders.size(); ++i) {
    if (FolderDepth(folders[i]) >= depth) return i;
  }
  return folders.size();
}

bool IsSameOrBelow(const QString& line, const QString& folder) {
  return line == folder || line.startsWith(folder + kKeySeparator);
}

QString RenamedFolderPath(const QString& folder, const QString& newName) {
  return folder.left(folder.lastIndexOf(kKeySeparator) + 1) + newName;
}

}  // namespace kasumori::favourites
