// SPDX-License-Identifier: GPL-3.0-or-later
// `ReadPhotoInfo`: the file size and the Exif shooting data of one photo, read along the
// fixed path cameras write (first directory, then the Exif directory).
#pragma once

#include "imaging/exif/photo_info.h"

#include <QString>

#include <array>
#include <optional>

namespace kasumori::imaging {

class ByteSource;

// Reads the source as the file `fileName`: its extension decides JPEG or TIFF; any other
// extension is one of the plug-ins' formats, whose Exif data is found by the file's content
// (PNG, WebP, HEIF/AVIF, TIFF-based RAW), none of their pixels being read.
// Throws EExifReadError when any read would run past the end of the source; an absent
// structure is no failure, its labels just stay empty.
PhotoInfo ReadPhotoInfo(ByteSource& source, const QString& fileName, ExifLayout& layout);

// The Orientation entry (tag 274) of the first directory of an Exif JPEG or a TIFF, as the
// camera wrote it: 1 stored upright, 3 upside down, 6 to be turned a quarter clockwise, 8 a
// quarter anticlockwise, 2, 4, 5 and 7 the same with a mirror. 0 when there is none, when its
// value is not 1..8 or not a single SHORT, or when the header cannot be read. Reads only the
// first bytes of the file and the first directory's entries up to that tag.
int ReadExifOrientation(ByteSource& source, const QString& fileName);
int ReadExifOrientation(const QString& path);

// "YYYY:MM:DD hh:mm:ss" as the camera wrote it, unchecked.
using ExifDateTime = std::array<char, 19>;

// The Exif directory's DateTimeOriginal text (the last readable one), reached through the first
// directory's Exif pointer as the information panel reaches it. A JPEG's is looked for in its
// first segment only, and no offset leads out of that segment. None when there is no such
// text or a structure on the way cannot be read; never throws. Reads only the few blocks the
// directories lie in.
std::optional<ExifDateTime> ReadExifDateTimeOriginal(ByteSource& source, const QString& fileName);

// The display driver's entry: opens the file; when it cannot be opened or read, the layout is
// left without Exif (length 0) and the error is thrown.
PhotoInfo ReadPhotoInfo(const QString& path, ExifLayout& layout);

}  // namespace kasumori::imaging
