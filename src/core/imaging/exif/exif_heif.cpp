// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exif/exif_heif.h"

#include "imaging/io/byte_source.h"
#include "imaging/io/endian.h"

#include <libheif/heif.h>

#include <cstring>
#include <memory>

namespace kasumori::imaging {

namespace {

// Every HEIF and AVIF file begins with its "ftyp" box: 4 bytes of size, then the type.
constexpr std::uint64_t kBoxTypeAt = 4;
constexpr char kFileTypeBox[4] = {'f', 't', 'y', 'p'};
// The Exif item begins with the big-endian offset from its fifth byte to the TIFF header.
constexpr std::size_t kTiffOffsetBytes = 4;

// libheif reads the file through the source, so a member of an archive or a memory block is
// read like a file and no read can leave the source.
struct SourceReader {
  ByteSource& source;
  std::uint64_t position = 0;

  static std::int64_t Position(void* self) {
    return std::int64_t(static_cast<SourceReader*>(self)->position);
  }
  static int Read(void* data, std::size_t size, void* self) {
    auto& r = *static_cast<SourceReader*>(self);
    if (!r.source.ReadAt(r.position, data, size)) return 1;
    r.position += size;
    return 0;
  }
  static int Seek(std::int64_t position, void* self) {
    auto& r = *static_cast<SourceReader*>(self);
    if (position < 0 || std::uint64_t(position) > r.source.Size()) return 1;
    r.position = std::uint64_t(position);
    return 0;
  }
  static heif_reader_grow_status WaitForSize(std::int64_t size, void* self) {
    const auto& r = *static_cast<SourceReader*>(self);
    return size >= 0 && std::uint64_t(size) <= r.source.Size()
               ? heif_reader_grow_status_size_reached
               : heif_reader_grow_status_size_beyond_eof;
  }
};

constexpr heif_reader kReader = {1, &SourceReader::Position, &SourceReader::Read,
                                 &SourceReader::Seek, &SourceReader::WaitForSize};

bool LooksLikeHeif(ByteSource& source) {
  char type[sizeof kFileTypeBox];
  return source.ReadAt(kBoxTypeAt, type, sizeof type) &&
         std::memcmp(type, kFileTypeBox, sizeof type) == 0;
}

// The first Exif item of the picture, copied whole when it is small enough.
std::optional<std::vector<std::uint8_t>> ExifItem(heif_image_handle* picture,
                                                  std::uint64_t fileSize) {
  heif_item_id id = 0;
  if (heif_image_handle_get_list_of_metadata_block_IDs(picture, "Exif", &id, 1) < 1) {
    return std::nullopt;
  }
  const std::uint64_t size = heif_image_handle_get_metadata_size(picture, id);
  if (size <= kTiffOffsetBytes || size > kMaxHeifExifBytes || size > fileSize) return std::nullopt;
  std::vector<std::uint8_t> item(size);
  if (heif_image_handle_get_metadata(picture, id, item.data()).code != heif_error_Ok) {
    return std::nullopt;
  }
  return item;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadHeifExif(ByteSource& source) {
  if (!LooksLikeHeif(source)) return std::nullopt;
  const std::unique_ptr<heif_context, decltype(&heif_context_free)> context(heif_context_alloc(),
                                                                            &heif_context_free);
  // libheif reads box headers a few bytes at a time.
  BlockCachedSource blocks(source);
  SourceReader reader{blocks};
  if (!context || heif_context_read_from_reader(context.get(), &kReader, &reader, nullptr).code !=
                      heif_error_Ok) {
    return std::nullopt;
  }
  heif_image_handle* handle = nullptr;
  if (heif_context_get_primary_image_handle(context.get(), &handle).code != heif_error_Ok) {
    return std::nullopt;
  }
  const std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> picture(
      handle, &heif_image_handle_release);
  std::optional<std::vector<std::uint8_t>> item = ExifItem(picture.get(), source.Size());
  if (!item) return std::nullopt;
  const std::uint64_t tiffAt = kTiffOffsetBytes + ReadU32(item->data(), ByteOrder::BigEndian);
  if (tiffAt >= item->size()) return std::nullopt;
  item->erase(item->begin(), item->begin() + std::ptrdiff_t(tiffAt));
  return item;
}

}  // namespace kasumori::imaging
