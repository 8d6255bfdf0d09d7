// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding speed: display and thumbnail decoding of a 24-megapixel camera JPEG, each next to
// a bare libjpeg-turbo decode of the same file, and the load of an 80 × 60 cached thumbnail.
#include "bench_support.h"
#include "imaging/decode/load_error.h"
#include "imaging/decode/photo_decoder.h"
#include "imaging/dib/spi_qx_dib.h"
#include "support/camera_jpeg.h"

#include <QDir>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

using namespace kasumori;
using namespace kasumori::imaging;

// The plain library loop the program's decoders are measured against: stdio source,
// default error handling, blue-green-red rows into one buffer.
void BareDecode(const QString& path, int scaleDenom, J_DCT_METHOD method,
                std::vector<unsigned char>& out) {
  FILE* file = std::fopen(path.toLocal8Bit().constData(), "rb");
  if (file == nullptr) return;
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, file);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.scale_num = 1;
  cinfo.scale_denom = unsigned(scaleDenom);
  cinfo.dct_method = method;
  cinfo.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&cinfo);
  const std::size_t stride = (std::size_t(cinfo.output_width) * 3 + 3) & ~std::size_t(3);
  out.resize(stride * cinfo.output_height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out.data() + stride * cinfo.output_scanline;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(file);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Runs candidate and baseline alternately so that load from other processes hits both alike.
void Compare(const std::string& name, const std::function<void()>& candidate,
             const std::function<void()>& baseline, int runs) {
  candidate();  // warm caches and the destination storage
  baseline();
  std::vector<double> mine, base;
  for (int i = 0; i < runs; ++i) {
    base.push_back(bench::MedianMs(baseline, 1));
    mine.push_back(bench::MedianMs(candidate, 1));
  }
  bench::Report(name, Median(mine), Median(base));
}

}  // namespace

int main(int argc, char** argv) {
  const QString work =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/imaging_bench";
  QDir().mkpath(work);
  const QString jpeg = work + "/camera_24mp.jpg";
  if (!testkit::WriteCameraJpeg(jpeg, 6000, 4000, testkit::CameraShot{}, 7)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(jpeg));
    return 1;
  }
  LoadFailedFlags loadFailed;
  PhotoDecoder decoder({}, nullptr, loadFailed);
  std::vector<unsigned char> bare;

  TSPIQxDIB SourcePicture;
  Compare(
      "display decoding 6000x4000 (ISLOW, full size)",
      [&] { decoder.DecodeForDisplay(jpeg, 1, SourcePicture, {}); },
      [&] { BareDecode(jpeg, 1, JDCT_ISLOW, bare); }, 7);

  Compare(
      "thumbnail decoding 6000x4000 (IFAST, 1/4)",
      [&] {
        TSPIQxDIB thumb;  // the thumbnail maker's buffer is new for every photo
        decoder.DecodeForThumbnail(jpeg, thumb, {}, {});
      },
      [&] {
        std::vector<unsigned char> out;
        BareDecode(jpeg, 4, JDCT_IFAST, out);
      },
      9);

  TQxDIB thumbnail;
  thumbnail.SetBitCount(24);
  thumbnail.SetSize(80, 60);
  const QString bmp = work + "/thumb.bmp";
  thumbnail.SaveToFile(bmp);
  constexpr int kBatch = 200;
  const double batchMs = bench::MedianMs(
      [&] {
        for (int i = 0; i < kBatch; ++i) {
          TSPIQxDIB thumb;
          decoder.DecodeForThumbnail(bmp, thumb, {}, {});
        }
      },
      9);
  bench::ReportAbsolute("BMP thumbnail load 80x60 (target < 0.2 ms)", batchMs / kBatch);
  return 0;
}
