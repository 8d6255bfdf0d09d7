// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exif/exif_containers.h"

#include "imaging/exif/exif_reader.h"
#include "imaging/io/byte_source.h"
#include "support/camera_jpeg.h"

#include <gtest/gtest.h>

namespace kasumori::imaging {
namespace {

using namespace testkit;

QByteArray Be32(std::uint32_t v) {
  const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
  return QByteArray(b, 4);
}
QByteArray Le32(std::uint32_t v) {
  const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  return QByteArray(b, 4);
}
QByteArray PngChunk(const char* type, const QByteArray& data) {
  return Be32(std::uint32_t(data.size())) + type + data + "CRC!";
}
QByteArray Png(const QByteArray& chunks) {
  return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", QByteArray(13, 0)) + chunks +
         PngChunk("IEND", {});
}
QByteArray RiffChunk(const char* type, const QByteArray& data) {
  return type + Le32(std::uint32_t(data.size())) + data + QByteArray(data.size() % 2, '\0');
}
QByteArray Webp(const QByteArray& chunks) {
  return "RIFF" + Le32(std::uint32_t(chunks.size() + 4)) + "WEBP" + chunks;
}

TEST(ContainerExif, FindsTheTiffStructureInPngAndWebp) {
  const QByteArray tiff = BuildTiffExif(CameraExif({}));
  const QByteArray prefixed = QByteArray("Exif\0\0", 6) + tiff;
  const struct {
    const char* what;
    QByteArray file;
    bool found;
  } cases[] = {
      {"PNG", Png(PngChunk("tEXt", "a") + PngChunk("eXIf", tiff)), true},
      {"PNG with the segment's prefix", Png(PngChunk("eXIf", prefixed)), true},
      {"PNG without Exif", Png({}), false},
      {"PNG chunk longer than the file", Png(Be32(1 << 30) + "eXIf"), false},
      {"WebP after an odd chunk", Webp(RiffChunk("VP8 ", "abc") + RiffChunk("EXIF", tiff)), true},
      {"WebP with the segment's prefix", Webp(RiffChunk("EXIF", prefixed)), true},
      {"WebP without Exif", Webp(RiffChunk("VP8 ", "abcd")), false},
      {"neither format", "GIF89a and some more bytes", false},
  };
  for (const auto& c : cases) {
    MemorySource source(c.file.constData(), std::size_t(c.file.size()));
    ASSERT_EQ(FindContainerExif(source).has_value(), c.found) << c.what;
    const auto date = ReadExifDateTimeOriginal(source, "photo.png");
    ASSERT_EQ(date.has_value(), c.found) << c.what;
    if (date) {
      EXPECT_EQ(std::string(date->data(), date->size()), "2026:05:14 10:23:45") << c.what;
    }
  }
}

}  // namespace
}  // namespace kasumori::imaging
