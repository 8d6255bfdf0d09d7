// SPDX-License-Identifier: GPL-3.0-or-later
// The plain libjpeg-turbo decode that decoding and display paths are measured against, and a
// comparison that runs a candidate and that baseline alternately.
#pragma once

#include "bench_support.h"
#include "support/camera_jpeg.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace kasumori::bench {

// The plain library loop the program's decoders are measured against: stdio source,
// default error handling, blue-green-red rows into one buffer.
inline void BareDecode(const QString& path, int scaleDenom, J_DCT_METHOD method,
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

// The plain library encode the save is measured against: memory destination, default error
// handling and settings beside the quality, blue-green-red rows read in place.
inline void BareEncode(const unsigned char* rows, int width, int height, std::size_t stride,
                       int quality, std::vector<unsigned char>& out) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rows + stride * cinfo.next_scanline);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  out.assign(buffer, buffer + size);
  std::free(buffer);
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Runs candidate and baseline alternately so that load from other processes hits both alike.
inline void Compare(const std::string& name, const std::function<void()>& candidate,
                    const std::function<void()>& baseline, int runs) {
  candidate();  // warm caches and the destination storage
  baseline();
  std::vector<double> mine, base;
  for (int i = 0; i < runs; ++i) {
    base.push_back(MedianMs(baseline, 1));
    mine.push_back(MedianMs(candidate, 1));
  }
  Report(name, Median(mine), Median(base));
}

// A camera-like JPEG with an Exif segment, written to the path.
inline bool WriteCameraLikeJpeg(const QString& path, int width, int height, int seed = 7,
                                int noise = 12) {
  const QByteArray jpeg =
      testkit::EncodeJpeg(testkit::MakeCameraLikePicture(width, height, seed, noise),
                          testkit::BuildExifPayload(testkit::CameraExif({})), {90});
  std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
  if (!file) return false;
  const bool written =
      std::fwrite(jpeg.constData(), 1, std::size_t(jpeg.size()), file) == std::size_t(jpeg.size());
  return std::fclose(file) == 0 && written;
}

}  // namespace kasumori::bench
