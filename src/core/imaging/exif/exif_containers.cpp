// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exif/exif_containers.h"

#include "imaging/io/byte_source.h"
#include "imaging/io/endian.h"

#include <cstring>

namespace kasumori::imaging {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint64_t kPngChunkHead = 8;  // length (big-endian), type
constexpr std::uint64_t kPngChunkCrc = 4;
constexpr std::uint64_t kRiffHead = 12;      // "RIFF", size, "WEBP"
constexpr std::uint64_t kRiffChunkHead = 8;  // fourcc, size (little-endian)
// Some writers put the JPEG segment's "Exif\0\0" before the TIFF header.
constexpr char kExifPrefix[6] = {'E', 'x', 'i', 'f', 0, 0};
// Walking stops after this many chunks: a file of empty chunks must not keep the list waiting.
constexpr int kMaxChunks = 100000;

// The TIFF header at `at`, past an "Exif\0\0" prefix when there is one.
std::optional<std::uint64_t> TiffStart(ByteSource& source, std::uint64_t at, std::uint64_t size) {
  std::uint8_t head[sizeof kExifPrefix];
  if (size >= sizeof head && source.ReadAt(at, head, sizeof head) &&
      std::memcmp(head, kExifPrefix, sizeof head) == 0) {
    return at + sizeof head;
  }
  return at;
}

std::optional<std::uint64_t> PngExif(ByteSource& source) {
  std::uint64_t at = sizeof kPngSignature;
  for (int i = 0; i < kMaxChunks; ++i) {
    std::uint8_t head[kPngChunkHead];
    if (!source.ReadAt(at, head, sizeof head)) return std::nullopt;
    const std::uint64_t length = ReadU32(head, ByteOrder::BigEndian);
    if (!source.Holds(at + kPngChunkHead, length)) return std::nullopt;
    if (std::memcmp(head + 4, "eXIf", 4) == 0) return TiffStart(source, at + kPngChunkHead, length);
    if (std::memcmp(head + 4, "IEND", 4) == 0) return std::nullopt;
    at += kPngChunkHead + length + kPngChunkCrc;
  }
  return std::nullopt;
}

std::optional<std::uint64_t> WebpExif(ByteSource& source) {
  std::uint64_t at = kRiffHead;
  for (int i = 0; i < kMaxChunks; ++i) {
    std::uint8_t head[kRiffChunkHead];
    if (!source.ReadAt(at, head, sizeof head)) return std::nullopt;
    const std::uint64_t size = ReadLe32(head + 4);
    if (!source.Holds(at + kRiffChunkHead, size)) return std::nullopt;
    if (std::memcmp(head, "EXIF", 4) == 0) return TiffStart(source, at + kRiffChunkHead, size);
    at += kRiffChunkHead + size + (size & 1);  // chunks are padded to even sizes
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> FindContainerExif(ByteSource& source) {
  std::uint8_t lead[kRiffHead];
  if (!source.ReadAt(0, lead, sizeof lead)) return std::nullopt;
  if (std::memcmp(lead, kPngSignature, sizeof kPngSignature) == 0) return PngExif(source);
  if (std::memcmp(lead, "RIFF", 4) == 0 && std::memcmp(lead + 8, "WEBP", 4) == 0) {
    return WebpExif(source);
  }
  return std::nullopt;
}

}  // namespace kasumori::imaging
