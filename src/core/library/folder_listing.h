// SPDX-License-Identifier: GPL-3.0-or-later
// The photo files of one folder, found by a single enumeration of the folder: a photo whose
// edit record lies beside it (found in the same listing, whatever its letter case) is left out.
#pragma once

#include "library/photo_extensions.h"
#include "library/photo_list.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kasumori::library {

struct ListedPhoto {
  QString name;
  DateKey fileDate = kNoFileDate;
};

// Regular files of a real folder (links followed, hidden files included; no folders, pipes or
// devices) that are photo files, in enumeration order, without those that have an edit record.
// Names longer than 255 code points, or whose bytes are not valid in the file-name encoding,
// are left out: they could not be opened again by name. False when the folder cannot be read.
bool ListFolderPhotos(const QString& folder, const PhotoExtensions& extensions,
                      std::vector<ListedPhoto>& photos);
// The same enumeration with the photos that have edit records still in.
bool EnumeratePhotoFiles(const QString& folder, const PhotoExtensions& extensions,
                         std::vector<ListedPhoto>& photos);

// The names of the sub-folders of a folder (links to folders too, hidden ones not), in
// enumeration order; names that could not be opened again by name are left out. Empty when
// the folder cannot be read.
QStringList ListSubFolders(const QString& folder);

// Removes, keeping the order, every photo whose edit record is among the photos: the record
// B_x.ksm or B_x-NNN.ksm of photo B.x, compared without regard to case.
void DropPhotosWithRecords(std::vector<ListedPhoto>& photos);

// Whether the path names an existing folder.
bool IsExistingFolder(const QString& path);
// The path itself when it is an existing folder, else the nearest existing folder above it
// ("" when there is none). For a folder inside an archive this is the archive's folder.
QString NearestExistingFolder(const QString& path);

}  // namespace kasumori::library
