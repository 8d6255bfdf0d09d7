// SPDX-License-Identifier: GPL-3.0-or-later
// The two date keys photos are ordered by: the file's last-write time and the Exif shooting
// date-time, each as fourteen digits YYYYMMDDhhmmss.
#pragma once

#include "library/photo_list.h"

#include <QString>

#include <ctime>
#include <functional>

namespace kasumori::library {

// Last-write time in local time; "00000000000000" when it cannot be read.
QString FileDateKey(const QString& path);
DateKey ReadFileDateKey(const QString& path);
// The key of a modification time in seconds since the epoch, in local time.
DateKey FileDateKeyOfTime(std::time_t modified);

// The DateTimeOriginal of a JPEG (Exif APP1 as its first segment) or TIFF file;
// "99999999999999" when the file has none, cannot be opened or is damaged.
// An edit record (".ksm") gives the date of the photo it stands for.
QString ExifDateKey(const QString& path);
DateKey ReadExifDateKey(const QString& path);

// Finds the real name of a record's source photo in its folder, whatever its letter case:
// given the folder and the expected name, the name as found on disk, or "" when there is none.
using SourceNameLookup = std::function<QString(const QString& folder, const QString& name)>;
// As ReadExifDateKey, with the caller's lookup (the scan passes one built from its listing).
DateKey ReadExifDateKey(const QString& path, const SourceNameLookup& lookup);

}  // namespace kasumori::library
