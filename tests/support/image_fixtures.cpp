// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/image_fixtures.h"

#include <algorithm>

namespace kasumori::testkit {

namespace {

void Le(QByteArray& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += char((v >> (8 * i)) & 0xFF);
}

class Writer {
 public:
  explicit Writer(bool big) : big_(big) {}
  void U16(std::uint32_t v) { Put(v, 2); }
  void U32(std::uint32_t v) { Put(v, 4); }
  QByteArray bytes;

 private:
  void Put(std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes += char((v >> (8 * (big_ ? n - 1 - i : i))) & 0xFF);
  }
  bool big_;
};

}  // namespace

QByteArray BuildBmp(const BmpSpec& spec) {
  QByteArray header;
  const bool os2 = spec.headerSize == 12;
  Le(header, std::uint32_t(spec.headerSize), 4);
  if (os2) {
    Le(header, std::uint32_t(spec.width), 2);
    Le(header, std::uint32_t(spec.height), 2);
    Le(header, 1, 2);
    Le(header, spec.bitCount, 2);
  } else {
    Le(header, std::uint32_t(spec.width), 4);
    Le(header, std::uint32_t(spec.height), 4);
    Le(header, 1, 2);
    Le(header, spec.bitCount, 2);
    Le(header, spec.compression, 4);
    Le(header, std::uint32_t(spec.pixels.size()), 4);
    Le(header, 0, 4);  // resolutions 0: the reader makes them 3780
    Le(header, 0, 4);
    Le(header, spec.colorsUsed, 4);
    Le(header, 0, 4);
    while (header.size() < spec.headerSize) header += '\0';
  }
  for (std::uint32_t m : spec.masks) Le(header, m, 4);
  for (std::uint32_t c : spec.colors) Le(header, c, os2 ? 3 : 4);
  const std::uint32_t offBits = spec.offBits.value_or(std::uint32_t(14 + header.size()));
  QByteArray file("BM");
  Le(file, std::uint32_t(offBits + spec.pixels.size()), 4);
  Le(file, 0, 4);
  Le(file, offBits, 4);
  file += header;
  while (file.size() < qsizetype(offBits)) file += '\0';
  return file + spec.pixels;
}

QByteArray Bmp24Pixels(const std::vector<std::vector<std::uint32_t>>& rowsTopDown) {
  QByteArray out;
  for (auto row = rowsTopDown.rbegin(); row != rowsTopDown.rend(); ++row) {
    const qsizetype start = out.size();
    for (std::uint32_t c : *row) Le(out, c, 3);  // blue, green, red
    while ((out.size() - start) % 4 != 0) out += '\0';
  }
  return out;
}

QByteArray BuildTiff(const TiffSpec& spec) {
  Writer w(spec.bigEndian);
  w.bytes = spec.bigEndian ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4);
  w.U32(8);
  const int entries = 3 + (spec.withStrips ? 1 : 0);
  const std::uint32_t dataAt = 8 + 2 + 12 * entries + 4;
  const int n = std::max(1, spec.strips);
  const std::uint32_t arrayBytes = (spec.shortStrips && n <= 2) || (!spec.shortStrips && n == 1)
                                       ? 0
                                       : n * (spec.shortStrips ? 2 : 4);
  const std::uint32_t pixelsAt = dataAt + arrayBytes;
  const std::uint32_t perStrip = std::uint32_t(spec.pixels.size()) / n;
  std::vector<std::uint32_t> offsets;
  for (int s = 0; s < n; ++s) offsets.push_back(pixelsAt + perStrip * s);
  if (spec.stripOffsetOverride) offsets[0] = *spec.stripOffsetOverride;

  w.U16(std::uint32_t(entries));
  const std::uint16_t dimType = spec.shortDimensions ? 3 : 4;
  for (auto [tag, value] : {std::pair{256u, spec.width}, std::pair{257u, spec.height}}) {
    w.U16(tag);
    w.U16(dimType);
    w.U32(1);
    if (spec.shortDimensions) {
      w.U16(value);
      w.U16(0);
    } else {
      w.U32(value);
    }
  }
  w.U16(259);
  w.U16(3);
  w.U32(1);
  w.U16(spec.compression);
  w.U16(0);
  if (spec.withStrips) {
    w.U16(273);
    w.U16(spec.shortStrips ? 3 : 4);
    w.U32(std::uint32_t(n));
    if (arrayBytes == 0 && spec.shortStrips) {
      w.U16(offsets[0]);
      w.U16(n > 1 ? offsets[1] : 0);
    } else if (arrayBytes == 0) {
      w.U32(offsets[0]);
    } else {
      w.U32(dataAt);
    }
  }
  w.U32(0);  // no next directory
  if (arrayBytes > 0)
    for (std::uint32_t o : offsets) spec.shortStrips ? w.U16(o) : w.U32(o);
  return w.bytes + spec.pixels;
}

}  // namespace kasumori::testkit
