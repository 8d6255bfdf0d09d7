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

QByteArray BuildBmp(const BmpFixture& fixture) {
  QByteArray header;
  const bool os2 = fixture.headerSize == 12;
  Le(header, std::uint32_t(fixture.headerSize), 4);
  if (os2) {
    Le(header, std::uint32_t(fixture.width), 2);
    Le(header, std::uint32_t(fixture.height), 2);
    Le(header, 1, 2);
    Le(header, fixture.bitCount, 2);
  } else {
    Le(header, std::uint32_t(fixture.width), 4);
    Le(header, std::uint32_t(fixture.height), 4);
    Le(header, 1, 2);
    Le(header, fixture.bitCount, 2);
    Le(header, fixture.compression, 4);
    Le(header, std::uint32_t(fixture.pixels.size()), 4);
    Le(header, 0, 4);  // resolutions 0: the reader makes them 3780
    Le(header, 0, 4);
    Le(header, fixture.colorsUsed, 4);
    Le(header, 0, 4);
    while (header.size() < fixture.headerSize) header += '\0';
  }
  for (std::uint32_t m : fixture.masks) Le(header, m, 4);
  for (std::uint32_t c : fixture.colors) Le(header, c, os2 ? 3 : 4);
  const std::uint32_t offBits = fixture.offBits.value_or(std::uint32_t(14 + header.size()));
  QByteArray file("BM");
  Le(file, std::uint32_t(offBits + fixture.pixels.size()), 4);
  Le(file, 0, 4);
  Le(file, offBits, 4);
  file += header;
  while (file.size() < qsizetype(offBits)) file += '\0';
  return file + fixture.pixels;
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

QByteArray BuildTiff(const TiffFixture& fixture) {
  Writer w(fixture.bigEndian);
  w.bytes = fixture.bigEndian ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4);
  w.U32(8);
  const int entries = 3 + (fixture.withStrips ? 1 : 0);
  const std::uint32_t dataAt = 8 + 2 + 12 * entries + 4;
  const int n = std::max(1, fixture.strips);
  const std::uint32_t arrayBytes =
      (fixture.shortStrips && n <= 2) || (!fixture.shortStrips && n == 1)
          ? 0
          : n * (fixture.shortStrips ? 2 : 4);
  const std::uint32_t pixelsAt = dataAt + arrayBytes;
  const std::uint32_t perStrip = std::uint32_t(fixture.pixels.size()) / n;
  std::vector<std::uint32_t> offsets;
  for (int s = 0; s < n; ++s) offsets.push_back(pixelsAt + perStrip * s);
  if (fixture.stripOffsetOverride) offsets[0] = *fixture.stripOffsetOverride;

  w.U16(std::uint32_t(entries));
  const std::uint16_t dimType = fixture.shortDimensions ? 3 : 4;
  for (auto [tag, value] : {std::pair{256u, fixture.width}, std::pair{257u, fixture.height}}) {
    w.U16(tag);
    w.U16(dimType);
    w.U32(1);
    if (fixture.shortDimensions) {
      w.U16(value);
      w.U16(0);
    } else {
      w.U32(value);
    }
  }
  w.U16(259);
  w.U16(3);
  w.U32(1);
  w.U16(fixture.compression);
  w.U16(0);
  if (fixture.withStrips) {
    w.U16(273);
    w.U16(fixture.shortStrips ? 3 : 4);
    w.U32(std::uint32_t(n));
    if (arrayBytes == 0 && fixture.shortStrips) {
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
    for (std::uint32_t o : offsets) fixture.shortStrips ? w.U16(o) : w.U32(o);
  return w.bytes + fixture.pixels;
}

}  // namespace kasumori::testkit
