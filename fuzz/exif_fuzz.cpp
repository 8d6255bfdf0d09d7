// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as a JPEG, a TIFF, a HEIF and a RAW file for the photo information reader
// and the shooting-date key.
#include "fuzz_entries.h"
#include "imaging/errors.h"
#include "imaging/exif/exif_reader.h"
#include "imaging/io/byte_source.h"

#include <cstddef>
#include <cstdint>

int kasumori::fuzz::FuzzExif(const std::uint8_t* data, std::size_t size) {
  using namespace kasumori::imaging;
  for (const char* name : {"photo.jpg", "photo.tif", "photo.heic", "photo.dng"}) {
    MemorySource source(data, size);
    (void)ReadExifDateTimeOriginal(source, name);
    ExifLayout layout;
    try {
      const PhotoInfo info = ReadPhotoInfo(source, name, layout);
      // The save command writes 10 bytes at each offset inside the copied segment.
      const std::uint64_t end = std::uint64_t(layout.ExifLength) + 4;
      for (std::uint64_t at : {layout.ExifOrientationEntryOffset, layout.ExifWidthEntryOffset,
                               layout.ExifHeightEntryOffset})
        if (at != 0 && at + 10 > end) __builtin_trap();
    } catch (const ImagingError&) {
    }
  }
  return 0;
}
