// SPDX-License-Identifier: GPL-3.0-or-later
// Where the Exif TIFF structure starts inside the picture formats the plug-ins read: a PNG's
// "eXIf" chunk and a WebP's "EXIF" chunk. The rest of the reading is the Exif reader's own.
#pragma once

#include <cstdint>
#include <optional>

namespace kasumori::imaging {

class ByteSource;

// The offset of the TIFF header ("II" or "MM") of the file's Exif data, or nothing when the
// file is neither format, has no Exif chunk, or a chunk on the way does not fit the file.
std::optional<std::uint64_t> FindContainerExif(ByteSource& source);

}  // namespace kasumori::imaging
