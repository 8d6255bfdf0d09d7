// SPDX-License-Identifier: GPL-3.0-or-later
// The type of a photo file, decided by its name's extension alone.
#pragma once

#include <QString>

namespace kasumori::imaging {

enum class PhotoType { Jpeg, Bmp, Tiff, Other };

// The file name's extension from its last dot, lower-cased and cut to 5 characters
// (".jpeg" fits, ".jpegx" becomes ".jpeg"); empty when the name has no dot.
QString PhotoExtension(const QString& path);
PhotoType PhotoTypeOf(const QString& path);

}  // namespace kasumori::imaging
