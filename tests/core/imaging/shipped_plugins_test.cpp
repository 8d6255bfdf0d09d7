// SPDX-License-Identifier: GPL-3.0-or-later
// The plug-ins built with the program, loaded from beside the executable as the program does.
#include "imaging/decode/photo_decoder.h"
#include "imaging/dib/spi_qx_dib.h"
#include "imaging/io/byte_source.h"
#include "imaging/plugins/spi_host.h"
#include "support/dng_fixture.h"
#include "support/encoded_pictures.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <zlib.h>

#include <cstdlib>

namespace kasumori::imaging {
namespace {

using namespace testkit;

struct ShippedPlugins {
  TSPIs host{{.app = QStringLiteral(KASUMORI_PLUGIN_DIR)}};
  ShippedPlugins() { host.Search("*.spi"); }
  const TSPI* Named(const QString& file) const {
    for (int i = 0; i < host.Count(); ++i) {
      if (host.Plugin(i).FileName() == file) return &host.Plugin(i);
    }
    return nullptr;
  }
};

TEST(ShippedPlugins, DecodeTheirFormatsThroughTheHost) {
  ShippedPlugins plugins;
  TempTree tree;
  const struct {
    const char* name;
    EncodedFormat format;
    int tolerance;  // the lossy coders may move a channel this far
  } cases[] = {{"p.png", EncodedFormat::Png, 0},
               {"p.webp", EncodedFormat::Webp, 24},
               {"p.heic", EncodedFormat::Heic, 24},
               {"p.avif", EncodedFormat::Avif, 24}};
  PhotoDecoder decoder({}, &plugins.host);
  for (const auto& c : cases) {
    const QString path = tree.Path(c.name);
    ASSERT_TRUE(WriteEncodedPicture(path, c.format, 64, 48)) << c.name;
    TSPIQxDIB picture;
    ASSERT_TRUE(decoder.DecodeForDisplay(path, picture, [] { ADD_FAILURE(); })) << c.name;
    ASSERT_EQ(picture.Width(), 64) << c.name;
    ASSERT_EQ(picture.Height(), 48) << c.name;
    for (const auto& [x, y] : {std::pair{0, 0}, {63, 0}, {32, 24}, {63, 47}}) {
      const std::uint32_t want = GradientPixel(x, y, 64, 48);
      const std::uint32_t got = picture.Pixels(x, y);  // 0x00BBGGRR
      for (int shift : {0, 8, 16}) {
        const int w = int((want >> (16 - shift)) & 0xFF);
        const int g = int((got >> shift) & 0xFF);
        EXPECT_LE(std::abs(w - g), c.tolerance) << c.name << " at " << x << "," << y;
      }
    }
  }
}

// A result of a large page or more is allocated apart from the small ones; either way the host
// takes the block and frees it, and every row arrives, the last one included.
TEST(ShippedPlugins, ResultsBelowAndAboveALargePageArriveWhole) {
  ShippedPlugins plugins;
  TempTree tree;
  PhotoDecoder decoder({}, &plugins.host);
  const struct {
    int width, height;
    EncodedFormat format;
    const char* extension;
    int tolerance;
  } sizes[] = {{800, 873, EncodedFormat::Png, "png", 0},  // 3 × 800 × 874 is just over 2 MiB
               {800, 874, EncodedFormat::Png, "png", 0},
               {1025, 1000, EncodedFormat::Webp, "webp", 24},
               {1025, 1000, EncodedFormat::Heic, "heic", 24}};
  for (const auto& size : sizes) {
    const QString path =
        tree.Path(QStringLiteral("%1x%2.%3").arg(size.width).arg(size.height).arg(size.extension));
    ASSERT_TRUE(WriteEncodedPicture(path, size.format, size.width, size.height));
    TSPIQxDIB picture;
    ASSERT_TRUE(decoder.DecodeForDisplay(path, picture, [] { ADD_FAILURE(); }));
    ASSERT_EQ(picture.Width(), size.width);
    ASSERT_EQ(picture.Height(), size.height);
    const int right = size.width - 1, bottom = size.height - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
      const std::uint32_t want = GradientPixel(x, y, size.width, size.height);  // 0x00RRGGBB
      const std::uint32_t got = picture.Pixels(x, y);                           // 0x00BBGGRR
      for (int shift : {0, 8, 16}) {
        const int w = int((want >> (16 - shift)) & 0xFF);
        const int g = int((got >> shift) & 0xFF);
        EXPECT_LE(std::abs(w - g), size.tolerance) << path.toStdString() << " at " << x << "," << y;
      }
    }
  }
}

// Without an embedded preview a RAW file is developed at half size: one pixel per 2 × 2 block.
TEST(ShippedPlugins, RawWithoutPreviewIsDevelopedAtHalfSize) {
  ShippedPlugins plugins;
  TempTree tree;
  const QString path = tree.Path("p.dng");
  ASSERT_TRUE(WriteDng(path, 64, 48, 20000, 20000, 20000));
  TSPIQxDIB picture(&plugins.host);
  picture.LoadFromFile(path);
  EXPECT_EQ(picture.Width(), 32);
  EXPECT_EQ(picture.Height(), 24);
  EXPECT_EQ(picture.BitCount(), 24);
}

TEST(ShippedPlugins, ListTheirExtensionsInTheFirstFilter) {
  ShippedPlugins plugins;
  const struct {
    const char* file;
    const char* extension;
  } cases[] = {{"ifpng.spi", ".png"},
               {"ifwebp.spi", ".webp"},
               {"ifheif.spi", ".heic"},
               {"ifheif.spi", ".avif"},
               {"ifraw.spi", ".dng"}};
  for (const auto& c : cases) {
    const TSPI* plugin = plugins.Named(c.file);
    ASSERT_TRUE(plugin) << c.file;
    EXPECT_TRUE(plugin->IsDecoder());
    EXPECT_TRUE(plugin->Filters().first().contains(QString("*") + c.extension)) << c.file;
  }
}

// A PNG whose header promises 20000 × 20000 pixels: refused before anything is allocated.
TEST(ShippedPlugins, PngAboveThePixelLimitIsRefused) {
  ShippedPlugins plugins;
  QImage small(4, 4, QImage::Format_RGB888);
  small.fill(Qt::red);
  TempTree tree;
  const QString path = tree.Path("huge.png");
  ASSERT_TRUE(small.save(path, "PNG"));
  QByteArray bytes = tree.Read("huge.png");
  constexpr int kIhdrType = 12, kWidthAt = 16, kCrcAt = 29;
  for (int at : {kWidthAt, kWidthAt + 4}) {
    const quint32 side = 20000;
    for (int i = 0; i < 4; ++i) bytes[at + i] = char(side >> (24 - 8 * i));
  }
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(bytes.constData() + kIhdrType), 17);
  for (int i = 0; i < 4; ++i) bytes[kCrcAt + i] = char(crc >> (24 - 8 * i));
  tree.File("huge.png", bytes);
  const TSPI* png = plugins.Named("ifpng.spi");
  ASSERT_TRUE(png);
  void* info = nullptr;
  void* pixels = nullptr;
  EXPECT_EQ(png->Entries().GetPicture(QFile::encodeName(path).constData(), 0, SPI_SOURCE_FILE,
                                      &info, &pixels, nullptr, 0),
            SPI_NO_MEMORY);
  EXPECT_EQ(info, nullptr);
  FileSource file(path);
  EXPECT_FALSE(plugins.host.Decode(file, path));
}

}  // namespace
}  // namespace kasumori::imaging
