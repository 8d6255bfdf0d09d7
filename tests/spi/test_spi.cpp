// SPDX-License-Identifier: GPL-3.0-or-later
// A small decoder plug-in for the host's tests, built in several variants (TEST_SPI_VARIANT).
// It reads pictures that start with "KSMT" and answers with a tiny picture whose red value
// names the variant, so a test sees which plug-in decoded a file.
#include "kasumori/spi_plugin.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum Variant { kA, kB, kC, kJpgJpeg, kLowerVersion, kPal8, kLiar, kNoGetPicture, kBmp };
constexpr int kVariant = TEST_SPI_VARIANT;
constexpr unsigned char kRed = 10 * (kVariant + 1);
constexpr char kMagic[4] = {'K', 'S', 'M', 'T'};

struct Texts {
  const char* version;
  const char* filters[4];  // filter, type, filter, type; null ends
};

constexpr Texts kTexts[] = {
    {"00IN", {"*.gif", "GIF", "*.tga;*.png", "TGA/PNG"}},
    {"00IN", {"*.gif", "GIF", nullptr, nullptr}},
    {"00IN", {"*.png", "PNG", nullptr, nullptr}},
    {"00IN", {"*.jpg;*.jpeg", "JPEG", nullptr, nullptr}},
    {"00in", {"*.png", "PNG", nullptr, nullptr}},
    {"00IN", {"*.pal", "Palette", nullptr, nullptr}},
    {"00IN", {"*.liar", "Liar", nullptr, nullptr}},
    {"00IN", {"*.png", "PNG", nullptr, nullptr}},
    {"00IN", {"*.bmp", "BMP", nullptr, nullptr}},
};

int Copy(const char* text, char* buffer, int length) {
  if (!text) return 0;
  const int n = int(std::strlen(text)) < length ? int(std::strlen(text)) : length;
  std::memcpy(buffer, text, std::size_t(n));
  buffer[n] = '\0';
  return n;
}

// Whether the picture at the source starts with the magic.
[[maybe_unused]] bool HasMagic(const char* source, intptr_t length, unsigned flag) {
  char head[4] = {};
  if (flag == SPI_SOURCE_MEMORY) {
    if (length < 4) return false;
    std::memcpy(head, source, 4);
  } else {
    std::FILE* file = std::fopen(source, "rb");
    if (!file) return false;
    const bool read =
        std::fseek(file, long(length), SEEK_SET) == 0 && std::fread(head, 1, 4, file) == 4;
    std::fclose(file);
    if (!read) return false;
  }
  return std::memcmp(head, kMagic, 4) == 0;
}

void* Header(int width, int height, int bits, unsigned colors, std::size_t bytes) {
  auto* header = static_cast<SpiBitmapHeader*>(std::calloc(1, bytes));
  header->size = 40;
  header->width = width;
  header->height = height;
  header->planes = 1;
  header->bit_count = std::uint16_t(bits);
  header->colors_used = colors;
  return header;
}

// 2 × 1 pixels of (kRed, 0, 0), rows bottom-up.
[[maybe_unused]] void Picture24(void** info, void** pixels) {
  *info = Header(2, 1, 24, 0, 40);
  auto* row = static_cast<unsigned char*>(std::calloc(1, 8));
  row[2] = row[5] = kRed;
  *pixels = row;
}

// 2 × 2 pixels of colour 7 in a full 256-entry table that the header does not count.
[[maybe_unused]] void Picture8(void** info, void** pixels) {
  *info = Header(2, 2, 8, 0, 40 + 256 * 4);
  auto* table = static_cast<unsigned char*>(*info) + 40;
  table[7 * 4 + 0] = 2;
  table[7 * 4 + 1] = 1;
  table[7 * 4 + 2] = kRed;
  auto* rows = static_cast<unsigned char*>(std::calloc(1, 8));
  rows[0] = rows[1] = rows[4] = rows[5] = 7;
  *pixels = rows;
}

}  // namespace

extern "C" {

SPI_EXPORT int GetPluginInfo(int number, char* buffer, int length) {
  const Texts& texts = kTexts[kVariant];
  if (number == 0) return Copy(texts.version, buffer, length);
  if (number == 1) return Copy("Test plug-in", buffer, length);
  if (number - 2 < 4) return Copy(texts.filters[number - 2], buffer, length);
  return 0;
}

SPI_EXPORT int IsSupported(const char*, const void* head) {
  return std::memcmp(head, kMagic, 4) == 0;
}

SPI_EXPORT int GetPictureInfo(const char*, intptr_t, unsigned, SpiPictureInfo* info) {
  std::memset(info, 0, sizeof *info);
  info->text = std::malloc(8);  // the host frees it
  return SPI_OK;
}

#if TEST_SPI_VARIANT != 7
SPI_EXPORT int GetPicture(const char* source, intptr_t length, unsigned flag, void** info,
                          void** pixels, SpiProgressCallback progress, intptr_t user) {
  if (!HasMagic(source, length, flag)) return SPI_UNKNOWN_FORMAT;
  if (progress && progress(1, 2, user) != 0) return SPI_ABORTED;
  if (kVariant == kPal8) {
    Picture8(info, pixels);
  } else if (kVariant == kLiar) {
    *info = Header(4000, 3000, 24, 0, 40);
    *pixels = std::malloc(16);
  } else {
    Picture24(info, pixels);
  }
  return SPI_OK;
}
#endif

}  // extern "C"
