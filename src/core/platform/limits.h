// SPDX-License-Identifier: GPL-3.0-or-later
// The bounds the program puts on what it reads, in one place. Every file it opens may be
// hostile or broken, so each reader refuses input past these bounds through its own error
// path instead of trusting a header, a stream or a file to stay small.
#pragma once

#include <cstdint>

namespace kasumori::platform::limits {

// The largest decoded picture: 256 megapixels (2^28). Zoom images stay far below it
// (50,000,000 pixels); a header that promises more is hostile or broken.
inline constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{1} << 28;

// The largest single buffer a reader asks for: the largest picture at 32 bits a pixel.
inline constexpr std::uint64_t kMaxAllocationBytes = kMaxPicturePixels * 4;

// No photo comes near this; an archive member that grows past it is a decompression bomb.
inline constexpr std::int64_t kMaxEntryBytes = std::int64_t{1} << 30;  // 1 GiB

// Output bytes per compressed byte believed of an archive member once it has grown past the
// floor. Deflate tops out near 1032:1 on a run of zeros; photos compress far less, and a
// small blank bitmap stays under the floor, where any ratio is believed.
inline constexpr std::int64_t kMaxCompressionRatio = 256;
inline constexpr std::int64_t kCompressionRatioFloorBytes = std::int64_t{16} << 20;  // 16 MiB

// The program's own text files (settings, favourites and list files, thumbnail sidecars): no
// file it writes comes near these, and reading a larger one would hold several copies of it.
inline constexpr std::int64_t kMaxTextFileBytes = std::int64_t{64} << 20;  // 64 MiB
inline constexpr std::int64_t kMaxTextFileLines = 1'000'000;
// In UTF-16 code units; a path is at most 4096 bytes on Linux, a comment 255 characters.
inline constexpr std::int64_t kMaxTextLineChars = 32 * 1024;

// Folders below a walk's root that are followed. A folder link can make a tree endless; no
// photo or cache tree a person makes is deeper than this.
inline constexpr int kMaxFolderDepth = 64;

static_assert(kMaxEntryBytes <= std::int64_t(kMaxAllocationBytes));

}  // namespace kasumori::platform::limits
