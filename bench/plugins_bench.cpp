// SPDX-License-Identifier: GPL-3.0-or-later
// A 12-megapixel PNG, WebP and HEIC decoded into the program's buffer through the shipped
// plug-ins (the host, the hand-over image and the BMP reader included), next to the same
// library decoding the same file into a plain buffer of its own.
#include "bench_support.h"

#include "imaging/dib/spi_qx_dib.h"
#include "imaging/plugins/spi_host.h"
#include "support/encoded_pictures.h"

#include <QDir>
#include <QFile>

#include <libheif/heif.h>
#include <png.h>
#include <webp/decode.h>

#include <cstring>
#include <vector>

namespace kasumori {
namespace {

constexpr int kWidth = 4000, kHeight = 3000;

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each baseline reads the file and decodes it to 24-bit rows, as the plug-in does.
void DecodePng(const QString& path) {
  const QByteArray bytes = ReadFile(path);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  png_image_begin_read_from_memory(&image, bytes.constData(), std::size_t(bytes.size()));
  image.format = PNG_FORMAT_BGR;
  std::vector<std::uint8_t> out(PNG_IMAGE_SIZE(image));
  png_image_finish_read(&image, nullptr, out.data(), 0, nullptr);
}

void DecodeWebp(const QString& path) {
  const QByteArray bytes = ReadFile(path);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  std::vector<std::uint8_t> out(std::size_t(kWidth) * kHeight * 3);
  WebPDecodeBGRInto(data, std::size_t(bytes.size()), out.data(), out.size(), kWidth * 3);
}

void DecodeHeif(const QString& path) {
  const QByteArray bytes = ReadFile(path);
  heif_context* context = heif_context_alloc();
  heif_context_read_from_memory_without_copy(context, bytes.constData(), std::size_t(bytes.size()),
                                             nullptr);
  heif_image_handle* handle = nullptr;
  heif_context_get_primary_image_handle(context, &handle);
  heif_image* image = nullptr;
  heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
  heif_image_release(image);
  heif_image_handle_release(handle);
  heif_context_free(context);
}

}  // namespace
}  // namespace kasumori

int main(int argc, char** argv) {
  using namespace kasumori;
  const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/spi";
  QDir().mkpath(work);
  imaging::TSPIs host({.app = QStringLiteral(KASUMORI_PLUGIN_DIR)});
  host.Search("*.spi");
  const struct {
    const char* name;
    testkit::EncodedFormat format;
    void (*baseline)(const QString&);
  } cases[] = {{"p.png", testkit::EncodedFormat::Png, DecodePng},
               {"p.webp", testkit::EncodedFormat::Webp, DecodeWebp},
               {"p.heic", testkit::EncodedFormat::Heic, DecodeHeif}};
  for (const auto& c : cases) {
    const QString path = work + '/' + c.name;
    if (!testkit::WriteEncodedPicture(path, c.format, kWidth, kHeight)) return 1;
    imaging::TSPIQxDIB buffer(&host);
    const double plugin = bench::MedianMs([&] { buffer.LoadFromFile(path); });
    const double library = bench::MedianMs([&] { c.baseline(path); });
    bench::Report(std::string("12 MP ") + (c.name + 2) + " through the plug-in vs the library",
                  plugin, library);
  }
  return 0;
}
