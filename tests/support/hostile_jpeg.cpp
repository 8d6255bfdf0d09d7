// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/hostile_jpeg.h"

#include "support/camera_jpeg.h"

#include <stdexcept>

namespace kasumori::testkit {
namespace {

constexpr unsigned char kPrefix = 0xFF;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kBaselineFrame = 0xC0;
constexpr unsigned char kProgressiveFrame = 0xC2;

unsigned char At(const QByteArray& bytes, qsizetype i) {
  return static_cast<unsigned char>(bytes[i]);
}

// The offset of the first segment with `marker` among the segments after the start-of-image
// marker, each FF, marker, a two-byte length that counts itself, and the payload.
qsizetype SegmentOffset(const QByteArray& jpeg, unsigned char marker) {
  qsizetype at = 2;
  while (at + 4 <= jpeg.size() && At(jpeg, at) == kPrefix) {
    if (At(jpeg, at + 1) == marker) return at;
    at += 2 + ((qsizetype(At(jpeg, at + 2)) << 8) | At(jpeg, at + 3));
  }
  throw std::runtime_error("no such segment before the first scan");
}

}  // namespace

QByteArray JpegDeclaring(int width, int height, bool progressive) {
  QByteArray jpeg = EncodeJpeg(MakeTestPicture(16, 16, 5), {}, {.progressive = progressive});
  // FF Cx, length (2), precision (1), height (2), width (2).
  const qsizetype frame = SegmentOffset(jpeg, progressive ? kProgressiveFrame : kBaselineFrame);
  jpeg[frame + 5] = char(height >> 8);
  jpeg[frame + 6] = char(height & 0xFF);
  jpeg[frame + 7] = char(width >> 8);
  jpeg[frame + 8] = char(width & 0xFF);
  return jpeg;
}

QByteArray PaddedTo(QByteArray jpeg, qsizetype size) {
  if (jpeg.size() < size) jpeg.append(QByteArray(size - jpeg.size(), '\0'));
  return jpeg;
}

QByteArray WithFirstScanRepeated(const QByteArray& jpeg, int scans) {
  const qsizetype scan = SegmentOffset(jpeg, kStartOfScan);
  // The scan's entropy-coded data run to the next marker: FF not followed by a stuffed zero
  // or a restart number.
  qsizetype end = scan + 2 + ((qsizetype(At(jpeg, scan + 2)) << 8) | At(jpeg, scan + 3));
  while (end + 1 < jpeg.size()) {
    const unsigned char next = At(jpeg, end + 1);
    if (At(jpeg, end) == kPrefix && next != 0 && (next < 0xD0 || next > 0xD7)) break;
    ++end;
  }
  QByteArray out = jpeg.left(scan);
  for (int i = 0; i < scans; ++i) out += jpeg.mid(scan, end - scan);
  out += "\xFF\xD9";
  return out;
}

}  // namespace kasumori::testkit
