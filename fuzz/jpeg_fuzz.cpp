// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as a JPEG file: the header and its size checks, the quarter-scale decode of
// a thumbnail and, for pictures of a few megapixels, the full-size decode of the display;
// through libjpeg's memory source and through this program's own source manager.
#include "fuzz_entries.h"
#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_decoder.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace kasumori::imaging;

// The same bytes as a source that is not a MemorySource, so the decoder reads them through
// its own fill and skip hooks, as it reads a file.
class ReadAtSource final : public ByteSource {
 public:
  ReadAtSource(const std::uint8_t* data, std::size_t size) : memory_(data, size) {}
  std::uint64_t Size() const override { return memory_.Size(); }
  bool ReadAt(std::uint64_t offset, void* dest, std::size_t n) override {
    return memory_.ReadAt(offset, dest, n);
  }

 private:
  MemorySource memory_;
};

// Full-size decodes of larger pictures only repeat the quarter-scale work, slower.
constexpr std::int64_t kFullDecodeLimit = 4'000'000;

void Decode(ByteSource& source, JpegScale scale, JpegMethod method) {
  try {
    JpegDecoder decoder(source);
    const JpegSize size = decoder.ScaledSize(scale);
    if (scale == JpegScale::Full && std::int64_t(size.width) * size.height > kFullDecodeLimit)
      return;
    TQxDIB target;
    decoder.Decode(scale, method, target);
    if (target.Width() != size.width || target.Height() != size.height || target.BitCount() != 24)
      __builtin_trap();
  } catch (const ImagingError&) {
  }
}

}  // namespace

int kasumori::fuzz::FuzzJpeg(const std::uint8_t* data, std::size_t size) {
  MemorySource memory(data, size);
  Decode(memory, JpegScale::Quarter, JpegMethod::Fast);
  Decode(memory, JpegScale::Full, JpegMethod::Accurate);
  ReadAtSource file(data, size);
  Decode(file, JpegScale::Half, JpegMethod::Fast);
  return 0;
}
