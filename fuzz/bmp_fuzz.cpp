// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as a BMP file: read, convert to 24 bits, write again.
#include "fuzz_entries.h"
#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"

#include <cstddef>
#include <cstdint>

int kasumori::fuzz::FuzzBmp(const std::uint8_t* data, std::size_t size) {
  using namespace kasumori::imaging;
  MemorySource source(data, size);
  TQxDIB dib;
  try {
    dib.LoadFromStream(source);
  } catch (const ImagingError&) {
    return 0;
  }
  // Run-length data expand into large buffers; keep each run quick.
  constexpr std::int64_t kConvertLimit = 4'000'000;
  if (std::int64_t(dib.Width()) * dib.Height() > kConvertLimit) return 0;
  try {
    dib.SetPixelFormat(TQxPixelFormat::Bit24);
    (void)dib.Pixels(dib.Width() - 1, dib.Height() - 1);
    (void)dib.SaveToBytes();
  } catch (const ImagingError&) {
  }
  return 0;
}
