// SPDX-License-Identifier: GPL-3.0-or-later
// One JPEG decode with libjpeg-turbo straight into a 24-bit TQxDIB: blue-green-red rows
// written by the library into the buffer's own rows, no conversion pass.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

namespace kasumori::imaging {

class ByteSource;
class RowProgress;
class TQxDIB;

// What a JPEG may cost, all checked before the pixels it promises are decoded. A frame header
// is a few bytes whatever size it declares, and libjpeg fills whatever data are missing with
// grey, so a file's declared size alone would decide how much memory and time it takes.
namespace jpeg_limits {

// Every 8 × 8 block of every component costs at least one bit of Huffman-coded data in a
// complete file (a baseline block its DC code and end-of-block code, a progressive one the
// code of its first DC scan). A file with fewer bytes than blocks / 8 is cut off or made up,
// and is refused rather than filled out with grey. Only a nearly blank arithmetic-coded
// picture, which cameras do not write, gets below this legitimately.
inline constexpr std::uint64_t kBlocksPerByte = 8;

// The most a file is read for before its frame header, and between two scans or after the
// last. There libjpeg looks for the next marker through whatever bytes come, so a picture
// followed by gigabytes of padding (a damaged copy, a sparse file) would be read to its end.
// The metadata before a picture stays well under 64 MiB (an ICC profile is at most 16 MiB);
// between scans a file has only tables, a few hundred bytes. Inside a scan libjpeg reads no
// more than the blocks it decodes need, so that needs no limit of its own. Past a limit the
// file ends: before the picture with an error, after a scan with the picture decoded so far.
inline constexpr std::uint64_t kMetadataBytes = std::uint64_t(64) << 20;
inline constexpr std::uint64_t kScanGapBytes = std::uint64_t(1) << 20;

// Each scan is one more pass over every block, and a scan header is a dozen bytes. libjpeg
// writes 10 scans for a progressive colour picture; libtiff stops JPEG data at the same 100.
inline constexpr int kMaxScans = 100;

// One decode holds its output buffer and libjpeg's own memory: for a progressive or otherwise
// multi-scan file a coefficient buffer of 128 bytes per block of the whole picture, whatever
// the scale. Together they get what the largest picture's buffer alone takes, 2^28 pixels at
// 3 bytes: libjpeg's share is what the output buffer leaves, and at least 16 MiB.
inline constexpr std::uint64_t kDecodeMemory = std::uint64_t(3) << 28;
inline constexpr std::uint64_t kMinLibraryMemory = std::uint64_t(16) << 20;

}  // namespace jpeg_limits

enum class JpegMethod { Accurate, Fast };  // JDCT_ISLOW for display, JDCT_IFAST for thumbnails
enum class JpegScale { Full = 1, Half = 2, Quarter = 4 };

struct JpegSize {
  int width;
  int height;
};

class JpegDecoder {
 public:
  // Reads the header; throws EJpegError with libjpeg's message when it rejects the data,
  // EQxDIBInvalidDIBPara when the declared full size is over the pixel limit (whatever scale
  // is decoded later), and EJpegError when the source is too small for that size.
  explicit JpegDecoder(ByteSource& source);
  ~JpegDecoder();
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;

  // A flag another thread may set to stop the decoding: Decode then throws EJpegError soon
  // after, at the next row libjpeg reads or hands out.
  void SetStopFlag(const std::atomic<bool>* stop);

  // Output size at a scale, as libjpeg computes it (rounded up).
  JpegSize ScaledSize(JpegScale scale);
  // Decodes into target, which becomes a 24-bit buffer of the scaled size; its storage is
  // kept when it already has that shape and is not shared. Throws EJpegError: libjpeg's own
  // message, also when it would need more memory than the limit leaves it ("Backing store
  // not supported") or the file has more than kMaxScans scans. After a failure part way
  // through, the rows not yet decoded keep their old pixels. With `progress`, the rows are
  // handed on as they are decoded, and the decode's end, whichever it is, is told there.
  void Decode(JpegScale scale, JpegMethod method, TQxDIB& target, RowProgress* progress = nullptr);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace kasumori::imaging
