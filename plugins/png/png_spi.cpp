// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG decoder plug-in: libpng's simplified reader, straight into the result rows.
#include "spi_kit.h"

#include <png.h>

#include <cstring>

namespace {

const char* const kInformation[] = {
    SPI_VERSION_DECODER, "PNG decoder (libpng " PNG_LIBPNG_VER_STRING ")", "*.png", "PNG"};
constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Transparent pixels are shown over white, as on the page they were made for.
constexpr png_color kBackground = {255, 255, 255};

// Reads the header; false when the bytes are no PNG. The caller frees the image.
bool BeginRead(const spi_kit::PictureBytes& bytes, png_image& image) {
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  return bytes.ok() && png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) != 0;
}

}  // namespace

extern "C" {

int GetPluginInfo(int number, char* buffer, int length) {
  return spi_kit::CopyInformation(number, buffer, length, kInformation, 4);
}

int IsSupported(const char*, const void* head) {
  return head && std::memcmp(head, kSignature, sizeof kSignature) == 0;
}

int GetPictureInfo(const char* source, intptr_t length, unsigned flag, SpiPictureInfo* info) {
  const spi_kit::PictureBytes bytes(source, length, flag);
  png_image image;
  if (!BeginRead(bytes, image)) return SPI_UNKNOWN_FORMAT;
  spi_kit::FillInfo(info, int(image.width), int(image.height),
                    int(PNG_IMAGE_PIXEL_CHANNELS(image.format) * 8));
  png_image_free(&image);
  return SPI_OK;
}

int GetPicture(const char* source, intptr_t length, unsigned flag, void** bitmapInfo, void** pixels,
               SpiProgressCallback progress, intptr_t user) {
  if (!bitmapInfo || !pixels) return SPI_BROKEN_DATA;
  const spi_kit::PictureBytes bytes(source, length, flag);
  png_image image;
  if (!BeginRead(bytes, image)) return SPI_UNKNOWN_FORMAT;
  if (spi_kit::Stopped(progress, 0, 1, user)) {
    png_image_free(&image);
    return SPI_ABORTED;
  }
  spi_kit::Bitmap24 bitmap;
  // The size is checked against the limit before anything is allocated for the rows.
  if (const int result = bitmap.Allocate(int(image.width), int(image.height)); result != SPI_OK) {
    png_image_free(&image);
    return result;
  }
  image.format = PNG_FORMAT_BGR;
  if (!png_image_finish_read(&image, &kBackground, bitmap.Row(0), png_int_32(bitmap.Stride()),
                             nullptr)) {
    png_image_free(&image);
    return SPI_BROKEN_DATA;
  }
  if (spi_kit::Stopped(progress, 1, 1, user)) return SPI_ABORTED;
  bitmap.Release(bitmapInfo, pixels);
  return SPI_OK;
}

}  // extern "C"
