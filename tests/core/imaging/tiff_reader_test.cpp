// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/tiff/tiff_reader.h"

#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "support/image_fixtures.h"

#include <gtest/gtest.h>

namespace kasumori::imaging {
namespace {

using testkit::BuildTiff;
using testkit::TiffFixture;

// Pixel (x, row) of the fixture pictures: red x, green row, blue 7.
QByteArray Gradient(int width, int rows) {
  QByteArray out;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < width; ++x) {
      out += char(x);
      out += char(y);
      out += char(7);
    }
  return out;
}

std::uint32_t GradientColor(int x, int y) {
  return 0x070000u | std::uint32_t(y << 8) | std::uint32_t(x);
}

TiffReadResult Read(const QByteArray& file, TiffSampling sampling, TQxDIB& dib) {
  MemorySource source(file.constData(), std::size_t(file.size()));
  return ReadTiff(source, sampling, dib);
}

TEST(TiffReader, HundredByHundredOneInTwoStripsLeavesTheLastRowBlack) {
  for (bool big : {false, true}) {
    const QByteArray file = BuildTiff({.bigEndian = big,
                                       .width = 100,
                                       .height = 101,
                                       .strips = 2,
                                       .shortStrips = true,
                                       .pixels = Gradient(100, 100)});
    TQxDIB dib;
    ASSERT_EQ(Read(file, TiffSampling::Full, dib), TiffReadResult::Decoded);
    ASSERT_EQ(dib.Width(), 100);
    ASSERT_EQ(dib.Height(), 101);
    EXPECT_EQ(dib.BitCount(), 24);
    EXPECT_EQ(dib.Pixels(0, 0), GradientColor(0, 0));
    EXPECT_EQ(dib.Pixels(99, 49), GradientColor(99, 49));
    EXPECT_EQ(dib.Pixels(5, 50), GradientColor(5, 50));  // second strip follows on
    EXPECT_EQ(dib.Pixels(99, 99), GradientColor(99, 99));
    EXPECT_EQ(dib.Pixels(50, 100), 0u);
  }
}

TEST(TiffReader, LongDimensionsAndStripArrays) {
  const QByteArray file = BuildTiff(
      {.width = 3, .height = 6, .shortDimensions = false, .strips = 3, .pixels = Gradient(3, 6)});
  TQxDIB dib;
  ASSERT_EQ(Read(file, TiffSampling::Full, dib), TiffReadResult::Decoded);
  EXPECT_EQ(dib.Pixels(2, 5), GradientColor(2, 5));
}

TEST(TiffReader, CompressionAndMissingStripsAreNotDecoded) {
  TQxDIB dib;
  dib.SetBitCount(24);
  dib.SetSize(2, 2);
  const TQxDIB before(dib);
  EXPECT_EQ(Read(BuildTiff({.width = 4, .height = 4, .compression = 5, .pixels = Gradient(4, 4)}),
                 TiffSampling::Full, dib),
            TiffReadResult::Compressed);
  EXPECT_EQ(
      Read(BuildTiff({.width = 4, .height = 4, .withStrips = false}), TiffSampling::Full, dib),
      TiffReadResult::NoStrips);
  EXPECT_EQ(dib.StorageId(), before.StorageId());
}

TEST(TiffReader, SparseReadingFillsBlocksWithinEachStrip) {
  // 480 × 240: step min(480 div 160, 240 div 80) = 3. Four strips of 60 rows.
  const QByteArray file = BuildTiff({.width = 480,
                                     .height = 240,
                                     .shortDimensions = false,
                                     .strips = 4,
                                     .pixels = Gradient(480, 240)});
  TQxDIB dib;
  ASSERT_EQ(Read(file, TiffSampling::Sparse, dib), TiffReadResult::Decoded);
  ASSERT_EQ(dib.Width(), 480);
  ASSERT_EQ(dib.Height(), 240);
  // Pixel (4, 4) comes from the block read at (3, 3); red wraps at 256 in the fixture.
  EXPECT_EQ(dib.Pixels(4, 4), GradientColor(3, 3));
  EXPECT_EQ(dib.Pixels(5, 2), GradientColor(3, 0));
  // Strips keep their place: row 60 starts the second strip's first block.
  EXPECT_EQ(dib.Pixels(0, 61), GradientColor(0, 60));
  EXPECT_EQ(dib.Pixels(479, 239), GradientColor(477 % 256, 237));
}

TEST(TiffReaderHostile, OffsetsPastTheEndAndPromisesTheFileCannotKeep) {
  const struct {
    const char* pins;
    QByteArray file;
  } cases[] = {
      {"strip offset past end",
       BuildTiff(
           {.width = 4, .height = 4, .pixels = Gradient(4, 4), .stripOffsetOverride = 0x7FFFFFF0})},
      {"truncated strip", BuildTiff({.width = 4, .height = 4, .pixels = Gradient(4, 4)}).left(60)},
      {"truncated directory", BuildTiff({.width = 4, .height = 4}).left(20)},
      {"huge width", BuildTiff({.width = 0xFFFFFFFF,
                                .height = 0xFFFFFFFF,
                                .shortDimensions = false,
                                .pixels = Gradient(4, 4)})},
      {"more rows than bytes", BuildTiff({.width = 30000,
                                          .height = 30000,
                                          .shortDimensions = false,
                                          .strips = 30000,
                                          .pixels = Gradient(4, 4)})},
      {"zero width", BuildTiff({.width = 0, .height = 4, .pixels = Gradient(4, 4)})},
      {"empty file", QByteArray()},
  };
  for (const auto& c : cases) {
    TQxDIB dib;
    EXPECT_THROW(Read(c.file, TiffSampling::Full, dib), ETiffError) << c.pins;
    EXPECT_EQ(dib.Width(), 1) << c.pins;
  }
}

}  // namespace
}  // namespace kasumori::imaging
