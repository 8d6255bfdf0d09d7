// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/encoded_pictures.h"

#include <QFile>
#include <QImage>

#include <libheif/heif.h>
#include <webp/encode.h>

#include <vector>

namespace kasumori::testkit {

namespace {

std::vector<std::uint8_t> GradientRgb(int width, int height) {
  std::vector<std::uint8_t> rgb(std::size_t(width) * std::size_t(height) * 3);
  std::uint8_t* p = rgb.data();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x, p += 3) {
      const std::uint32_t c = GradientPixel(x, y, width, height);
      p[0] = std::uint8_t(c >> 16);
      p[1] = std::uint8_t(c >> 8);
      p[2] = std::uint8_t(c);
    }
  }
  return rgb;
}

bool WriteWebp(const QString& path, const std::vector<std::uint8_t>& rgb, int width, int height) {
  std::uint8_t* out = nullptr;
  const std::size_t size = WebPEncodeRGB(rgb.data(), width, height, width * 3, 90, &out);
  QFile file(path);
  const bool written = size > 0 && file.open(QIODevice::WriteOnly) &&
                       file.write(reinterpret_cast<const char*>(out), qint64(size)) == qint64(size);
  WebPFree(out);
  return written;
}

bool WriteHeif(const QString& path, const std::vector<std::uint8_t>& rgb, int width, int height,
               heif_compression_format compression, const QByteArray& exif) {
  heif_context* context = heif_context_alloc();
  heif_image* image = nullptr;
  heif_encoder* encoder = nullptr;
  bool ok =
      heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image)
              .code == heif_error_Ok &&
      heif_image_add_plane(image, heif_channel_interleaved, width, height, 8).code == heif_error_Ok;
  if (ok) {
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < height; ++y) {
      std::copy_n(rgb.data() + std::size_t(y) * std::size_t(width) * 3, width * 3,
                  plane + std::size_t(y) * std::size_t(stride));
    }
    ok = heif_context_get_encoder_for_format(context, compression, &encoder).code == heif_error_Ok;
  }
  if (ok) {
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_image_handle* handle = nullptr;
    ok = heif_context_encode_image(context, image, encoder, nullptr, &handle).code == heif_error_Ok;
    // libheif puts the offset of the TIFF header in front of the data, as the format wants.
    if (ok && !exif.isEmpty()) {
      ok = heif_context_add_exif_metadata(context, handle, exif.constData(), int(exif.size()))
               .code == heif_error_Ok;
    }
    if (handle) heif_image_handle_release(handle);
    ok = ok && heif_context_write_to_file(context, QFile::encodeName(path).constData()).code ==
                   heif_error_Ok;
  }
  if (encoder) heif_encoder_release(encoder);
  if (image) heif_image_release(image);
  heif_context_free(context);
  return ok;
}

}  // namespace

std::uint32_t GradientPixel(int x, int y, int width, int height) {
  const std::uint32_t r = std::uint32_t(x * 255 / std::max(width - 1, 1));
  const std::uint32_t g = std::uint32_t(y * 255 / std::max(height - 1, 1));
  return (r << 16) | (g << 8) | 128;
}

bool WriteEncodedPicture(const QString& path, EncodedFormat format, int width, int height,
                         const QByteArray& exif) {
  const std::vector<std::uint8_t> rgb = GradientRgb(width, height);
  switch (format) {
    case EncodedFormat::Png:
      return QImage(rgb.data(), width, height, width * 3, QImage::Format_RGB888).save(path, "PNG");
    case EncodedFormat::Webp:
      return WriteWebp(path, rgb, width, height);
    case EncodedFormat::Heic:
      return WriteHeif(path, rgb, width, height, heif_compression_HEVC, exif);
    case EncodedFormat::Avif:
      return WriteHeif(path, rgb, width, height, heif_compression_AV1, exif);
  }
  return false;
}

}  // namespace kasumori::testkit
