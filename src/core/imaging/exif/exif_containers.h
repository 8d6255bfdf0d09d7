// SPDX-License-Identifier: GPL-3.0-or-later
// Where the Exif TIFF structure starts inside the picture formats the plug-ins read: a PNG's
// "eXIf" chunk, a WebP's "EXIF" chunk, a HEIF or AVIF file's Exif item, and a camera RAW file
// built on TIFF (DNG and most makers' own formats). The rest of the reading is the Exif
// reader's own.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kasumori::imaging {

class ByteSource;

// The offset of the TIFF header ("II" or "MM") of the file's Exif data, or nothing when the
// file is neither format, has no Exif chunk, or a chunk on the way does not fit the file.
// Only these two formats keep their picture as stored, so only their Orientation entry turns
// the picture (HEIF carries its own turn, which the decoder has applied).
std::optional<std::uint64_t> FindContainerExif(ByteSource& source);

struct ContainerExif {
  // Where the TIFF header lies: in the file itself, or in `copy` when the container keeps the
  // Exif data as an item that had to be gathered (HEIF).
  std::uint64_t base = 0;
  std::vector<std::uint8_t> copy;
  bool copied = false;
  // The first directory follows the header's offset instead of sitting at offset 8: RAW
  // writers put the camera's main picture directory wherever it suits them.
  bool directoryFromHeader = false;
};

// Whether a file name's extension is that of a camera RAW format built on TIFF: only such a
// file is read as a TIFF structure, whatever its first bytes (a TIFF named ".png" is no photo
// the plug-ins read).
bool IsTiffRawName(const QString& fileName);

// The Exif data of any of the formats above, or nothing when there is none that fits the file;
// `rawName` tells whether the TIFF header of a RAW file is looked for. Reads the few blocks the
// container's structure lies in; a HEIF item is copied, up to its reader's limit.
std::optional<ContainerExif> ReadContainerExif(ByteSource& source, bool rawName);

}  // namespace kasumori::imaging
