// SPDX-License-Identifier: GPL-3.0-or-later
// The HEIC and AVIF decoder plug-in: libheif decodes the primary picture (with its rotation
// and mirroring applied), whose rows are then turned into blue, green, red.
#include "spi_kit.h"

#include <libheif/heif.h>

#include <memory>

namespace {

const char* const kInformation[] = {SPI_VERSION_DECODER, "HEIF/AVIF decoder (libheif)",
                                    "*.heif;*.avif;*.heic", "HEIF/AVIF"};

struct ContextDeleter {
  void operator()(heif_context* c) const { heif_context_free(c); }
};
struct HandleDeleter {
  void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};
struct ImageDeleter {
  void operator()(heif_image* i) const { heif_image_release(i); }
};
using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;
using Image = std::unique_ptr<heif_image, ImageDeleter>;

// The primary picture's handle, or null when the bytes are no readable HEIF file.
Handle PrimaryPicture(const spi_kit::PictureBytes& bytes, Context& context) {
  if (!bytes.ok()) return nullptr;
  context.reset(heif_context_alloc());
  if (!context) return nullptr;
  heif_error error = heif_context_read_from_memory_without_copy(context.get(), bytes.data(),
                                                                bytes.size(), nullptr);
  heif_image_handle* handle = nullptr;
  if (error.code == heif_error_Ok)
    error = heif_context_get_primary_image_handle(context.get(), &handle);
  return error.code == heif_error_Ok ? Handle(handle) : nullptr;
}

void CopyAsBgr(const std::uint8_t* from, int fromStride, spi_kit::Bitmap24& bitmap, int width,
               int height) {
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* in = from + std::size_t(y) * std::size_t(fromStride);
    std::uint8_t* out = bitmap.Row(y);
    for (int x = 0; x < width; ++x, in += 3, out += 3) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
}

}  // namespace

extern "C" {

int GetPluginInfo(int number, char* buffer, int length) {
  return spi_kit::CopyInformation(number, buffer, length, kInformation, 4);
}

int IsSupported(const char*, const void* head) {
  if (!head) return 0;
  const heif_filetype_result type =
      heif_check_filetype(static_cast<const std::uint8_t*>(head), SPI_HEAD_SIZE);
  return type == heif_filetype_yes_supported || type == heif_filetype_maybe;
}

int GetPictureInfo(const char* source, intptr_t length, unsigned flag, SpiPictureInfo* info) {
  const spi_kit::PictureBytes bytes(source, length, flag);
  Context context;
  const Handle handle = PrimaryPicture(bytes, context);
  if (!handle) return SPI_UNKNOWN_FORMAT;
  spi_kit::FillInfo(info, heif_image_handle_get_width(handle.get()),
                    heif_image_handle_get_height(handle.get()),
                    3 * heif_image_handle_get_luma_bits_per_pixel(handle.get()));
  return SPI_OK;
}

int GetPicture(const char* source, intptr_t length, unsigned flag, void** bitmapInfo, void** pixels,
               SpiProgressCallback progress, intptr_t user) {
  if (!bitmapInfo || !pixels) return SPI_BROKEN_DATA;
  const spi_kit::PictureBytes bytes(source, length, flag);
  Context context;
  const Handle handle = PrimaryPicture(bytes, context);
  if (!handle) return SPI_UNKNOWN_FORMAT;
  // Refused before libheif allocates the decoded planes.
  if (!spi_kit::WithinLimit(heif_image_handle_get_width(handle.get()),
                            heif_image_handle_get_height(handle.get()))) {
    return SPI_NO_MEMORY;
  }
  if (spi_kit::Stopped(progress, 0, 2, user)) return SPI_ABORTED;
  heif_image* decoded = nullptr;
  const heif_error error = heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB,
                                             heif_chroma_interleaved_RGB, nullptr);
  const Image image(decoded);
  if (error.code != heif_error_Ok || !image) return SPI_BROKEN_DATA;
  const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
  const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
  int stride = 0;
  const std::uint8_t* plane =
      heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
  if (!plane || stride < 3 * width) return SPI_BROKEN_DATA;
  if (spi_kit::Stopped(progress, 1, 2, user)) return SPI_ABORTED;
  spi_kit::Bitmap24 bitmap;
  if (const int result = bitmap.Allocate(width, height); result != SPI_OK) return result;
  CopyAsBgr(plane, stride, bitmap, width, height);
  bitmap.Release(bitmapInfo, pixels);
  return SPI_OK;
}

}  // extern "C"
