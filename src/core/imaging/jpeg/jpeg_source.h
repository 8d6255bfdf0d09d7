// SPDX-License-Identifier: GPL-3.0-or-later
// libjpeg's two hooks for this program: a source manager that reads any ByteSource, and an
// error manager that returns control to the caller instead of calling exit().
#pragma once

#include <atomic>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

namespace kasumori::imaging {
class ByteSource;
}

namespace kasumori::imaging::jpeg {

// error_exit formats the library's message here and jumps back to the guard that set `jump`.
struct ThrowingErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// Installs the manager; warnings (such as a truncated file, which libjpeg fills grey) are
// silent, as the viewer shows what could be decoded.
jpeg_error_mgr* InstallErrorManager(ThrowingErrorManager& manager);

// Reads the source in 64 KiB pieces; past its end, or past `limit`, it feeds an end-of-image
// marker, as libjpeg's own file source does at the end of a file.
struct ByteSourceManager {
  static constexpr std::size_t kChunk = 64 * 1024;
  jpeg_source_mgr pub;
  ByteSource* source;
  std::uint64_t offset;
  std::uint64_t limit;
  JOCTET buffer[kChunk];
};

// True when the source is read through `manager` (a file); bytes already in memory are handed
// to libjpeg whole, and their limit is their size. The manager's limit is left to the caller.
bool InstallSource(j_decompress_ptr cinfo, ByteSourceManager& manager, ByteSource& source);

// Limits the reading to `gapBytes` past what libjpeg has consumed, for the markers it looks
// for after a scan.
void LimitReadingToGap(ByteSourceManager& manager, std::uint64_t gapBytes);

// Fails the decompression, through the error manager above, once the input reaches scan
// maxScans + 1. Install after jpeg_create_decompress, which clears the progress hook.
struct ScanLimit {
  jpeg_progress_mgr pub;
  int maxScans;
  // Set by another thread, it stops the decoding at the next row with an error.
  const std::atomic<bool>* stop = nullptr;
  // A file read through a manager is limited to `gapBytes` after each scan's data and read
  // freely inside a scan.
  ByteSourceManager* file = nullptr;
  std::uint64_t gapBytes = 0;
};

void InstallScanLimit(j_decompress_ptr cinfo, ScanLimit& limit, int maxScans);

}  // namespace kasumori::imaging::jpeg
