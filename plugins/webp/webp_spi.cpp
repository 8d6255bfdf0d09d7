// SPDX-License-Identifier: GPL-3.0-or-later
// The WebP decoder plug-in: libwebp decodes straight into the result rows.
#include "spi_kit.h"

#include <webp/decode.h>

#include <cstring>

namespace {

const char* const kInformation[] = {SPI_VERSION_DECODER, "WebP decoder (libwebp)", "*.webp",
                                    "WebP"};

// "RIFF", a size, "WEBP".
bool IsWebp(const std::uint8_t* head) {
  return std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WEBP", 4) == 0;
}

}  // namespace

extern "C" {

int GetPluginInfo(int number, char* buffer, int length) {
  return spi_kit::CopyInformation(number, buffer, length, kInformation, 4);
}

int IsSupported(const char*, const void* head) {
  return head && IsWebp(static_cast<const std::uint8_t*>(head));
}

int GetPictureInfo(const char* source, intptr_t length, unsigned flag, SpiPictureInfo* info) {
  const spi_kit::PictureBytes bytes(source, length, flag);
  int width = 0, height = 0;
  if (!bytes.ok() || !WebPGetInfo(bytes.data(), bytes.size(), &width, &height)) {
    return SPI_UNKNOWN_FORMAT;
  }
  spi_kit::FillInfo(info, width, height, 24);
  return SPI_OK;
}

int GetPicture(const char* source, intptr_t length, unsigned flag, void** bitmapInfo, void** pixels,
               SpiProgressCallback progress, intptr_t user) {
  if (!bitmapInfo || !pixels) return SPI_BROKEN_DATA;
  const spi_kit::PictureBytes bytes(source, length, flag);
  int width = 0, height = 0;
  if (!bytes.ok() || !WebPGetInfo(bytes.data(), bytes.size(), &width, &height)) {
    return SPI_UNKNOWN_FORMAT;
  }
  if (spi_kit::Stopped(progress, 0, 1, user)) return SPI_ABORTED;
  spi_kit::Bitmap24 bitmap;
  if (const int result = bitmap.Allocate(width, height); result != SPI_OK) return result;
  if (!WebPDecodeBGRInto(bytes.data(), bytes.size(), bitmap.Row(0),
                         bitmap.Stride() * std::size_t(height), int(bitmap.Stride()))) {
    return SPI_BROKEN_DATA;
  }
  if (spi_kit::Stopped(progress, 1, 1, user)) return SPI_ABORTED;
  bitmap.Release(bitmapInfo, pixels);
  return SPI_OK;
}

}  // extern "C"
