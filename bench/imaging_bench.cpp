// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding speed: display and thumbnail decoding of a 24-megapixel camera JPEG, each next to
// a bare libjpeg-turbo decode of the same file, and the load of an 80 × 60 cached thumbnail.
#include "bench_jpeg.h"
#include "bench_support.h"
#include "imaging/decode/photo_decoder.h"
#include "imaging/dib/spi_qx_dib.h"
#include "support/camera_jpeg.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <vector>

namespace {

using namespace kasumori;
using namespace kasumori::imaging;
using kasumori::bench::BareDecode;
using kasumori::bench::Compare;

}  // namespace

int main(int argc, char** argv) {
  const QString work =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/imaging_bench";
  QDir().mkpath(work);
  const QString jpeg = work + "/camera_24mp.jpg";
  if (!bench::WriteCameraLikeJpeg(jpeg, 6000, 4000)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(jpeg));
    return 1;
  }
  PhotoDecoder decoder({}, nullptr);
  std::vector<unsigned char> bare;

  TSPIQxDIB SourcePicture;
  Compare(
      "display decoding 6000x4000 (ISLOW, full size)",
      [&] { decoder.DecodeForDisplay(jpeg, SourcePicture, {}); },
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
