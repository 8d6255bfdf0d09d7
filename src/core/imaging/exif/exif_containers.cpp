// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exif/exif_containers.h"

#include "imaging/exif/exif_heif.h"
#include "imaging/io/byte_source.h"
#include "imaging/io/endian.h"
#include "imaging/photo_type.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace kasumori::imaging {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint64_t kPngChunkHead = 8;  // length (big-endian), type
constexpr std::uint64_t kPngChunkCrc = 4;
constexpr std::uint64_t kRiffHead = 12;      // "RIFF", size, "WEBP"
constexpr std::uint64_t kRiffChunkHead = 8;  // fourcc, size (little-endian)
// Some writers put the JPEG segment's "Exif\0\0" before the TIFF header.
constexpr char kExifPrefix[6] = {'E', 'x', 'i', 'f', 0, 0};
// TIFF's own header marks, as DNG and the TIFF-based RAW formats write them.
// TIFF's own header marks, and the marks Olympus ("RO", "RS") and Panasonic ("U") put in place
// of the 42 in front of the same directories.
constexpr std::uint8_t kTiffHeaders[][4] = {{'I', 'I', 42, 0},    {'M', 'M', 0, 42},
                                            {'I', 'I', 'R', 'O'}, {'I', 'I', 'R', 'S'},
                                            {'M', 'M', 'O', 'R'}, {'I', 'I', 'U', 0}};
constexpr std::size_t kTiffHeaderBytes = 4;
// DNG and the makers' RAW formats that begin with one of those headers.
constexpr const char* kTiffRawExtensions[] = {".dng", ".cr2", ".nef", ".nrw", ".arw",
                                              ".srf", ".sr2", ".pef", ".srw", ".3fr",
                                              ".erf", ".mef", ".orf", ".rw2", ".raw"};
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

bool IsTiff(const std::uint8_t* lead) {
  return std::any_of(std::begin(kTiffHeaders), std::end(kTiffHeaders), [&](const auto& header) {
    return std::memcmp(lead, header, kTiffHeaderBytes) == 0;
  });
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

bool IsTiffRawName(const QString& fileName) {
  const QString extension = PhotoExtension(fileName);
  return std::any_of(std::begin(kTiffRawExtensions), std::end(kTiffRawExtensions),
                     [&](const char* raw) { return extension == QLatin1String(raw); });
}

std::optional<ContainerExif> ReadContainerExif(ByteSource& source, bool rawName) {
  std::uint8_t lead[kTiffHeaderBytes];
  if (!source.ReadAt(0, lead, sizeof lead)) return std::nullopt;
  ContainerExif exif;
  if (rawName && IsTiff(lead)) {
    exif.directoryFromHeader = true;
    return exif;
  }
  if (std::optional<std::vector<std::uint8_t>> item = ReadHeifExif(source)) {
    exif.copy = std::move(*item);
    exif.copied = true;
    exif.directoryFromHeader = true;
    return exif;
  }
  if (const std::optional<std::uint64_t> base = FindContainerExif(source)) {
    exif.base = *base;
    return exif;
  }
  return std::nullopt;
}

}  // namespace kasumori::imaging
