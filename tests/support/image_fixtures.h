// SPDX-License-Identifier: GPL-3.0-or-later
// Writers for BMP and TIFF test files built field by field, so that tests can make both
// well-formed files and files with one field wrong.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

namespace kasumori::testkit {

struct BmpFixture {
  int headerSize = 40;  // 40 Windows, 12 OS/2
  std::int32_t width = 1;
  std::int32_t height = 1;  // negative: rows top-down
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;               // the header field
  std::vector<std::uint32_t> colors = {};     // 0x00RRGGBB, written as 4 (or, for OS/2, 3) bytes
  std::vector<std::uint32_t> masks = {};      // written after the header when given
  QByteArray pixels = {};                     // the pixel data exactly as on disk
  std::optional<std::uint32_t> offBits = {};  // default: right after the colour table
};

QByteArray BuildBmp(const BmpFixture& fixture);

// Bytes of a 24-bit BMP row set from top-down rows of 0x00RRGGBB values (bottom-up on disk,
// rows padded to 4 bytes).
QByteArray Bmp24Pixels(const std::vector<std::vector<std::uint32_t>>& rowsTopDown);

struct TiffFixture {
  bool bigEndian = false;
  std::uint32_t width = 1;
  std::uint32_t height = 1;
  bool shortDimensions = true;  // width and length as SHORT (else LONG)
  std::uint16_t compression = 1;
  bool withStrips = true;
  int strips = 1;
  bool shortStrips = false;  // strip offsets as SHORT values (else LONG)
  QByteArray pixels = {};    // red, green, blue interleaved, all strips one after another
  std::optional<std::uint32_t> stripOffsetOverride = {};  // first strip's offset
};

QByteArray BuildTiff(const TiffFixture& fixture);

}  // namespace kasumori::testkit
