// SPDX-License-Identifier: GPL-3.0-or-later
// The names the favourites files are made of. Favourites folder paths and keys are not paths
// on disk: they keep "\" between their parts whatever the platform, because that is how the
// files have always been written and files from the reference platform must still read.
// Photo paths, on the other hand, are this machine's own paths and use "/".
#pragma once

#include <QString>
#include <QStringList>

namespace kasumori::favourites {

inline constexpr QChar kKeySeparator = u'\\';

// The key of a favourite: folder + "\" + name, the name alone in the root folder ("").
QString JoinKey(const QString& folder, const QString& name);
// The part before the last "\" ("" when there is none) and the part after it.
QString FolderOfKey(const QString& key);
QString NameOfKey(const QString& key);

// The number of "\" in a favourites folder path: 0 for a top-level folder.
int FolderDepth(const QString& folder);
// Where a new folder line goes so that parents always come before their children: before the
// first line at least as deep as it, or at the end.
qsizetype DepthInsertionIndex(const QStringList& folders, const QString& folder);

// True when `line` is `folder` itself or lies below it ("A\x" for "A", never "AB").
bool IsSameOrBelow(const QString& line, const QString& folder);
// The folder path after renaming its last part: "A\B" with "C" gives "A\C".
QString RenamedFolderPath(const QString& folder, const QString& newName);

}  // namespace kasumori::favourites
