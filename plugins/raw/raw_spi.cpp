// SPDX-License-Identifier: GPL-3.0-or-later
// The camera RAW decoder plug-in over LibRaw. A viewer wants the picture quickly: the camera's
// own embedded JPEG preview is used when it is large enough for the display area, otherwise
// the sensor data is developed at half size (one pixel per 2 × 2 block, no demosaicing).
#include "spi_kit.h"

#include <cstdio>

#include <jpeglib.h>
#include <libraw/libraw.h>

#include <csetjmp>
#include <cstring>
#include <memory>

namespace {

const char* const kInformation[] = {SPI_VERSION_DECODER, "Camera RAW decoder (LibRaw)",
                                    "*.dng;*.cr2;*.cr3;*.nef;*.nrw;*.arw;*.srf;*.sr2;*.orf;*.rw2;*."
                                    "raf;*.pef;*.srw;*.x3f;*.3fr;*.raw",
                                    "Camera RAW"};

// The largest display area of the program is 1600 × 1200; a preview at least this long on its
// longer side is sharp enough for it.
constexpr int kPreviewLongSide = 1600;

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void ThrowJpeg(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// Decodes the embedded JPEG preview; SPI_OK with the bitmap filled.
int DecodePreview(const std::uint8_t* data, std::size_t size, spi_kit::Bitmap24& bitmap) {
  jpeg_decompress_struct info{};
  JpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = ThrowJpeg;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return SPI_BROKEN_DATA;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGR;
  if (bitmap.Allocate(int(info.image_width), int(info.image_height)) != SPI_OK) {
    jpeg_destroy_decompress(&info);
    return SPI_NO_MEMORY;
  }
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = bitmap.Row(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return SPI_OK;
}

bool PreviewServes(const libraw_thumbnail_t& thumb) {
  return thumb.tformat == LIBRAW_THUMBNAIL_JPEG &&
         std::max(thumb.twidth, thumb.theight) >= kPreviewLongSide;
}

int DevelopHalfSize(LibRaw& raw, spi_kit::Bitmap24& bitmap) {
  raw.imgdata.params.half_size = 1;
  raw.imgdata.params.use_camera_wb = 1;
  raw.imgdata.params.output_bps = 8;
  if (raw.unpack() != LIBRAW_SUCCESS || raw.dcraw_process() != LIBRAW_SUCCESS) {
    return SPI_BROKEN_DATA;
  }
  int error = 0;
  libraw_processed_image_t* image = raw.dcraw_make_mem_image(&error);
  if (!image) return SPI_BROKEN_DATA;
  const std::unique_ptr<libraw_processed_image_t, void (*)(libraw_processed_image_t*)> owned(
      image, LibRaw::dcraw_clear_mem);
  if (image->type != LIBRAW_IMAGE_BITMAP || image->colors != 3 || image->bits != 8) {
    return SPI_BROKEN_DATA;
  }
  if (const int r = bitmap.Allocate(image->width, image->height); r != SPI_OK) return r;
  for (int y = 0; y < image->height; ++y) {
    const std::uint8_t* in = image->data + std::size_t(y) * image->width * 3;
    std::uint8_t* out = bitmap.Row(y);
    for (int x = 0; x < image->width; ++x, in += 3, out += 3) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
  return SPI_OK;
}

// Opens the bytes; false when LibRaw does not know them or they are over the pixel limit.
bool Open(LibRaw& raw, const spi_kit::PictureBytes& bytes) {
  return bytes.ok() &&
         raw.open_buffer(const_cast<std::uint8_t*>(bytes.data()), bytes.size()) == LIBRAW_SUCCESS &&
         spi_kit::WithinLimit(raw.imgdata.sizes.raw_width, raw.imgdata.sizes.raw_height);
}

}  // namespace

extern "C" {

int GetPluginInfo(int number, char* buffer, int length) {
  return spi_kit::CopyInformation(number, buffer, length, kInformation, 4);
}

// RAW files have no common signature: the name decides, and LibRaw's own parse then checks.
int IsSupported(const char* name, const void* head) {
  if (!name || !head) return 0;
  const char* dot = std::strrchr(name, '.');
  if (!dot) return 0;
  char pattern[16] = "*";
  std::strncat(pattern, dot, sizeof pattern - 2);
  for (char* c = pattern; *c; ++c) *c = char(*c >= 'A' && *c <= 'Z' ? *c + 32 : *c);
  const char* list = kInformation[2];
  const std::size_t n = std::strlen(pattern);
  for (const char* at = std::strstr(list, pattern); at; at = std::strstr(at + 1, pattern)) {
    if (at[n] == ';' || at[n] == '\0') return 1;
  }
  return 0;
}

int GetPictureInfo(const char* source, intptr_t length, unsigned flag, SpiPictureInfo* info) {
  const spi_kit::PictureBytes bytes(source, length, flag);
  auto raw = std::make_unique<LibRaw>();
  if (!Open(*raw, bytes)) return SPI_UNKNOWN_FORMAT;
  spi_kit::FillInfo(info, raw->imgdata.sizes.width, raw->imgdata.sizes.height, 24);
  return SPI_OK;
}

int GetPicture(const char* source, intptr_t length, unsigned flag, void** bitmapInfo, void** pixels,
               SpiProgressCallback progress, intptr_t user) {
  if (!bitmapInfo || !pixels) return SPI_BROKEN_DATA;
  const spi_kit::PictureBytes bytes(source, length, flag);
  auto raw = std::make_unique<LibRaw>();  // large: kept off the stack
  if (!Open(*raw, bytes)) return SPI_UNKNOWN_FORMAT;
  if (spi_kit::Stopped(progress, 0, 2, user)) return SPI_ABORTED;
  spi_kit::Bitmap24 bitmap;
  int result = SPI_BROKEN_DATA;
  if (raw->unpack_thumb() == LIBRAW_SUCCESS && PreviewServes(raw->imgdata.thumbnail)) {
    const libraw_thumbnail_t& thumb = raw->imgdata.thumbnail;
    result =
        DecodePreview(reinterpret_cast<const std::uint8_t*>(thumb.thumb), thumb.tlength, bitmap);
  }
  if (result != SPI_OK) {
    spi_kit::Bitmap24 developed;
    result = DevelopHalfSize(*raw, developed);
    if (result == SPI_OK) developed.Release(bitmapInfo, pixels);
    return result;
  }
  bitmap.Release(bitmapInfo, pixels);
  return SPI_OK;
}

}  // extern "C"
