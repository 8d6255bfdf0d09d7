// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmp/bmp_format.h"
#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "support/image_fixtures.h"

#include <gtest/gtest.h>

namespace kasumori::imaging {
namespace {

using testkit::BmpFixture;
using testkit::BuildBmp;

TQxDIB Load(const QByteArray& file) {
  MemorySource source(file.constData(), std::size_t(file.size()));
  TQxDIB dib;
  dib.LoadFromStream(source);
  return dib;
}

// Loading fails with the message, and the buffer keeps what it had.
void ExpectRefused(const QByteArray& file, const char* message) {
  TQxDIB dib;
  dib.SetBitCount(24);
  dib.SetSize(2, 2);
  dib.SetPixels(1, 1, 0x00123456);
  MemorySource source(file.constData(), std::size_t(file.size()));
  try {
    dib.LoadFromStream(source);
    FAIL() << "loaded, expected " << message;
  } catch (const EQxDIBError& e) {
    EXPECT_STREQ(e.what(), message);
  }
  EXPECT_EQ(dib.Width(), 2);
  EXPECT_EQ(dib.Pixels(1, 1), 0x00123456u);
}

TEST(BmpRoundTrip, EightyBySixtyThumbnailIsBitExactAnd14454Bytes) {
  TQxDIB dib;
  dib.SetBitCount(24);
  dib.SetSize(80, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x)
      dib.SetPixels(x, y, std::uint32_t(x * 3 + (y << 8) + (x ^ y) * 65536));
  const std::vector<std::uint8_t> bytes = dib.SaveToBytes();
  ASSERT_EQ(bytes.size(), 14454u);
  // Bottom-up on disk: the first stored row is the picture's bottom row.
  EXPECT_EQ(bytes[54 + 2], std::uint8_t(0));  // red of (0, 59) is 0
  EXPECT_EQ(bytes[54 + 1], std::uint8_t(59));
  MemorySource source(bytes.data(), bytes.size());
  TQxDIB back;
  back.LoadFromStream(source);
  ASSERT_EQ(back.Width(), 80);
  ASSERT_EQ(back.Height(), 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x) ASSERT_EQ(back.Pixels(x, y), dib.Pixels(x, y)) << x << "," << y;
}

TEST(BmpReading, RowOrderFollowsTheHeightSign) {
  const auto rows = testkit::Bmp24Pixels({{0x00FF0000, 0x0000FF00}, {0x000000FF, 0x00FFFFFF}});
  const TQxDIB bottomUp = Load(BuildBmp({.width = 2, .height = 2, .pixels = rows}));
  EXPECT_EQ(bottomUp.Pixels(0, 0), 0x000000FFu);  // top-left is red
  EXPECT_EQ(bottomUp.Pixels(1, 1), 0x00FFFFFFu);
  // The same bytes with a negative height are top-down: the first stored row is the top.
  const TQxDIB topDown = Load(BuildBmp({.width = 2, .height = -2, .pixels = rows}));
  EXPECT_EQ(topDown.Height(), 2);
  EXPECT_EQ(topDown.Pixels(0, 0), 0x00FF0000u);
}

TEST(BmpReading, SixteenBitsWithoutMasksAreFiveFiveFive) {
  // 0x7FFF white, 0x001F blue, 0x7C00 red; 3 pixels = 6 bytes + 2 padding.
  const QByteArray row("\xFF\x7F\x1F\x00\x00\x7C\x00\x00", 8);
  const TQxDIB dib = Load(BuildBmp({.width = 3, .height = 1, .bitCount = 16, .pixels = row}));
  EXPECT_EQ(dib.BitCount(), 24);
  EXPECT_EQ(dib.Pixels(0, 0), 0x00FFFFFFu);
  EXPECT_EQ(dib.Pixels(1, 0), 0x00FF0000u);  // pure blue
  EXPECT_EQ(dib.Pixels(2, 0), 0x000000FFu);  // pure red
}

TEST(BmpReading, BitFieldMasksAndThirtyTwoBits) {
  // 5-6-5: 0x07E0 is full green.
  const TQxDIB rgb565 = Load(BuildBmp({.width = 1,
                                       .height = 1,
                                       .bitCount = 16,
                                       .compression = 3,
                                       .masks = {0xF800, 0x07E0, 0x001F},
                                       .pixels = QByteArray("\xE0\x07\x00\x00", 4)}));
  EXPECT_EQ(rgb565.Pixels(0, 0), 0x0000FF00u);
  const TQxDIB rgb32 = Load(BuildBmp(
      {.width = 1, .height = 1, .bitCount = 32, .pixels = QByteArray("\x10\x20\x30\x00", 4)}));
  EXPECT_EQ(rgb32.Pixels(0, 0), 0x00102030u);
  ExpectRefused(BuildBmp({.width = 1,
                          .height = 1,
                          .bitCount = 16,
                          .compression = 3,
                          .masks = {0xF800, 0, 0x001F},
                          .pixels = QByteArray(4, '\0')}),
                "TQxInternalDIB.LoadFromStream: Invalid Masks");
}

TEST(BmpReading, PaletteFilesWindowsAndOs2) {
  const TQxDIB pal8 = Load(BuildBmp({.width = 2,
                                     .height = 1,
                                     .bitCount = 8,
                                     .colorsUsed = 2,
                                     .colors = {0x00000000, 0x00ABCDEF},
                                     .pixels = QByteArray("\x01\x00\x00\x00", 4)}));
  EXPECT_EQ(pal8.PixelFormat(), TQxPixelFormat::Bit8);
  EXPECT_EQ(pal8.Pixels(0, 0), 1u);
  TQxDIB rgb(pal8);
  rgb.SetPixelFormat(TQxPixelFormat::Bit24);
  EXPECT_EQ(rgb.Pixels(0, 0), 0x00EFCDABu);

  std::vector<std::uint32_t> gray;
  for (std::uint32_t i = 0; i < 256; ++i) gray.push_back(i * 0x010101);
  const TQxDIB os2 = Load(BuildBmp({.headerSize = 12,
                                    .width = 1,
                                    .height = 1,
                                    .bitCount = 8,
                                    .colors = gray,
                                    .pixels = QByteArray("\x80\0\0\0", 4)}));
  TQxDIB os2rgb(os2);
  os2rgb.SetPixelFormat(TQxPixelFormat::Bit24);
  EXPECT_EQ(os2rgb.Pixels(0, 0), 0x00808080u);
}

BmpFixture Rle8(const QByteArray& data) {
  return {.width = 4,
          .height = 2,
          .bitCount = 8,
          .compression = 1,
          .colorsUsed = 4,
          .colors = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000},
          .pixels = data};
}

TEST(BmpRunLength, EightAndFourBitDataDecodeBottomUp) {
  // Bottom line: 4 × index 1; top line: absolute run 2, 3, 1 (padded), then index 0 left.
  const QByteArray rle8("\x04\x01\x00\x00\x00\x03\x02\x03\x01\x00\x00\x01", 12);
  TQxDIB dib = Load(BuildBmp(Rle8(rle8)));
  EXPECT_EQ(dib.PixelFormat(), TQxPixelFormat::Bit8Rle);
  EXPECT_THROW(dib.Pixels(0, 0), EQxDIBBadDIBType);
  dib.SetPixelFormat(TQxPixelFormat::Bit24);
  EXPECT_EQ(dib.Pixels(0, 1), 0x00FF0000u);  // index 1 = 0x0000FF blue in table order
  EXPECT_EQ(dib.Pixels(0, 0), 0x0000FF00u);
  EXPECT_EQ(dib.Pixels(1, 0), 0x000000FFu);
  EXPECT_EQ(dib.Pixels(3, 0), 0u);

  // 4 bits: run of 4 alternating 1 and 2, end of line, delta right 2, run of two 3s.
  const QByteArray rle4("\x04\x12\x00\x00\x00\x02\x02\x00\x02\x33\x00\x01", 12);
  BmpFixture fixture = Rle8(rle4);
  fixture.bitCount = 4;
  fixture.compression = 2;
  TQxDIB four = Load(BuildBmp(fixture));
  four.SetPixelFormat(TQxPixelFormat::Bit24);
  EXPECT_EQ(four.Pixels(0, 1), 0x00FF0000u);
  EXPECT_EQ(four.Pixels(1, 1), 0x0000FF00u);
  EXPECT_EQ(four.Pixels(1, 0), 0u);
  EXPECT_EQ(four.Pixels(2, 0), 0x000000FFu);
  EXPECT_EQ(four.Pixels(3, 0), 0x000000FFu);
}

TEST(BmpRunLength, BrokenDataFailsOnConversion) {
  const struct {
    QByteArray data;
    const char* message;
  } cases[] = {
      {QByteArray("\x05\x01", 2), "Convert8BitRLETo8BitRGB: Bad RLE Data 1"},  // run > width
      {QByteArray("\x00\x04\x01\x02", 4), "Convert8BitRLETo8BitRGB: Bad RLE Data 2"},  // cut off
      {QByteArray("\x00\x02\x01\x05", 4), "Convert8BitRLETo8BitRGB: Bad RLE Data 3"},  // delta out
      {QByteArray("\x00\x00\x00\x00\x01\x01", 6), "Convert8BitRLETo8BitRGB: Bad RLE Data 4"},
  };
  for (const auto& c : cases) {
    TQxDIB dib = Load(BuildBmp(Rle8(c.data)));
    try {
      dib.SetPixelFormat(TQxPixelFormat::Bit24);
      ADD_FAILURE() << "converted, expected " << c.message;
    } catch (const EQxDIBInvalidDIB& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(dib.PixelFormat(), TQxPixelFormat::Bit8Rle);  // unchanged
  }
  BmpFixture four = Rle8(QByteArray("\x05\x11", 2));
  four.bitCount = 4;
  four.compression = 2;
  TQxDIB dib = Load(BuildBmp(four));
  EXPECT_THROW(dib.SetPixelFormat(TQxPixelFormat::Bit24), EQxDIBInvalidDIB);
}

TEST(BmpBadFiles, HeaderFaultsKeepTheBufferAndNameTheFault) {
  const QByteArray pixel("\0\0\0\0", 4);
  ExpectRefused("PK\x03\x04 not a bitmap at all",
                "TQxInternalDIB.LoadFromFile: File type is invalid");
  ExpectRefused("BM", "TQxInternalDIB.LoadFromFile: File type is invalid");
  ExpectRefused(BuildBmp({.headerSize = 64, .pixels = pixel}),
                "TQxInternalDIB.LoadFromStream: Invalid Bitmap Header Size");
  ExpectRefused(BuildBmp({.bitCount = 12, .pixels = pixel}),
                "TQxInternalDIB.LoadFromStream: Invalid BitCout");
  ExpectRefused(BuildBmp({.headerSize = 12, .bitCount = 16, .pixels = pixel}),
                "TQxInternalDIB.LoadFromStream: Invalid BitCount");
  ExpectRefused(BuildBmp({.width = 0, .pixels = pixel}),
                "TQxInternalDIB.LoadFromStream: Invalid Width or Height");
  ExpectRefused(BuildBmp({.bitCount = 8, .pixels = pixel, .offBits = 54}),
                "TQxInternalDIB.LoadFromFile: bfOffBits is too small");
  ExpectRefused(BuildBmp({.bitCount = 24, .compression = 1, .pixels = pixel}),
                "TQxInternalDIB.LoadFromStream: Invalid Compression");
}

TEST(BmpBadFiles, HugeWidthIsRefusedBeforeAllocating) {
  ExpectRefused(
      BuildBmp({.width = 0x7FFFFFFF, .height = 0x7FFFFFFF, .pixels = QByteArray(4, '\0')}),
      "TQxInternalDIB.LoadFromStream: Image is too large");
  ExpectRefused(BuildBmp({.width = 20000, .height = 20000, .pixels = QByteArray(4, '\0')}),
                "TQxInternalDIB.LoadFromStream: Image is too large");
}

TEST(BmpBadFiles, TruncatedDataAndOffsetPastTheEnd) {
  // 100 × 100 × 3 bytes promised, 12 present.
  ExpectRefused(BuildBmp({.width = 100, .height = 100, .pixels = QByteArray(12, '\0')}),
                "TQxInternalDIB.LoadFromStream: File is truncated");
  QByteArray offsetPastEnd = BuildBmp({.width = 1, .height = 1, .pixels = QByteArray(4, '\0')});
  offsetPastEnd[10] = '\xF0';  // bfOffBits = 0xF0 + ...: far beyond the 58-byte file
  offsetPastEnd[11] = '\xFF';
  ExpectRefused(offsetPastEnd, "TQxInternalDIB.LoadFromStream: File is truncated");
  QByteArray rleOffsetPastEnd = BuildBmp(Rle8(QByteArray("\x00\x01", 2)));
  rleOffsetPastEnd[12] = '\x7F';
  ExpectRefused(rleOffsetPastEnd, "TQxInternalDIB.LoadFromStream: File is truncated");
  const QByteArray whole = BuildBmp({.width = 4, .height = 4, .pixels = QByteArray(48, '\0')});
  ExpectRefused(whole.left(40), "TQxInternalDIB.LoadFromStream: File is truncated");
}

}  // namespace
}  // namespace kasumori::imaging
