// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/plugins/spi_graphic.h"

#include "imaging/io/endian.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace kasumori::imaging {
namespace {

struct Header {
  std::uint32_t size = 40;
  std::int32_t width = 3;
  std::int32_t height = 2;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
};

std::vector<std::uint8_t> Bytes(const Header& h) {
  std::vector<std::uint8_t> b(40);
  WriteLe32(b.data(), h.size);
  WriteLe32(b.data() + 4, std::uint32_t(h.width));
  WriteLe32(b.data() + 8, std::uint32_t(h.height));
  WriteLe16(b.data() + 14, h.bits);
  WriteLe32(b.data() + 16, h.compression);
  WriteLe32(b.data() + 32, h.colorsUsed);
  return b;
}

TEST(SpiBitmapCheck, AcceptsOnlyWhatTheBlocksHold) {
  const struct {
    const char* what;
    Header header;
    std::size_t infoBytes, pixelBytes;
    bool accepted;
    std::uint32_t headerSize = 0;
  } cases[] = {
      {"24 bits, exact blocks", {}, 40, 24, true, 40},
      {"top-down", {.height = -2}, 40, 24, true, 40},
      {"pixel block a byte short", {}, 40, 23, false},
      {"header block short", {}, 39, 24, false},
      {"a larger header", {.size = 108}, 108, 24, false},
      {"run-length data", {.bits = 8, .compression = 1}, 1064, 16, false},
      {"12 bits", {.bits = 12}, 40, 24, false},
      {"no rows", {.height = 0}, 40, 24, false},
      {"most negative height", {.height = INT_MIN}, 40, 24, false},
      {"over the pixel limit", {.width = 1 << 15, .height = 1 << 14}, 40, SIZE_MAX, false},
      {"8 bits, colours-used 0", {.bits = 8}, 1064, 8, true, 1064},
      {"8 bits, table short", {.bits = 8}, 1063, 8, false},
      {"8 bits, 2 colours", {.bits = 8, .colorsUsed = 2}, 48, 8, true, 48},
      {"8 bits, 257 colours", {.bits = 8, .colorsUsed = 257}, 2000, 8, false},
      {"1 bit, 3 colours", {.bits = 1, .colorsUsed = 3}, 52, 8, false},
      {"24 bits with a table", {.colorsUsed = 5}, 60, 24, true, 60},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> info = Bytes(c.header);
    info.resize(std::max<std::size_t>(info.size(), c.infoBytes));
    const auto g = CheckSpiBitmap(info.data(), c.infoBytes, c.pixelBytes);
    ASSERT_EQ(g.has_value(), c.accepted) << c.what;
    if (g) {
      EXPECT_EQ(g->headerSize, c.headerSize) << c.what;
    }
  }
}

TEST(SpiBitmapCheck, HandOverImageIsABmpFile) {
  auto* info = static_cast<std::uint8_t*>(std::malloc(40));
  const auto header = Bytes({.width = 1, .height = 1});
  std::memcpy(info, header.data(), 40);
  auto* pixels = static_cast<std::uint8_t*>(std::malloc(4));
  std::memcpy(pixels, "\x01\x02\x03\x00", 4);
  auto graphic = TSPIGraphic::FromBlocks(SpiBlock(info), SpiBlock(pixels));
  ASSERT_TRUE(graphic);
  ByteSource& image = graphic->HandOverImage();
  ASSERT_EQ(image.Size(), 14u + 40u + 4u);
  std::uint8_t bytes[58];
  ASSERT_TRUE(image.ReadAt(0, bytes, sizeof bytes));
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(ReadLe32(bytes + 2), 58u);
  EXPECT_EQ(ReadLe32(bytes + 10), 54u);
  EXPECT_EQ(std::memcmp(bytes + 54, "\x01\x02\x03", 3), 0);
  EXPECT_FALSE(image.ReadAt(50, bytes, 9));
  const auto storage = graphic->ConvertAndRelease();
  EXPECT_EQ(storage->Width(), 1);
  EXPECT_EQ(graphic->Width(), 0);
}

}  // namespace
}  // namespace kasumori::imaging
