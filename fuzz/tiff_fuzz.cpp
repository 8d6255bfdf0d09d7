// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as a TIFF file, read at full size and sparsely.
#include "fuzz_entries.h"
#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "imaging/tiff/tiff_reader.h"

#include <cstddef>
#include <cstdint>

int kasumori::fuzz::FuzzTiff(const std::uint8_t* data, std::size_t size) {
  using namespace kasumori::imaging;
  for (TiffSampling sampling : {TiffSampling::Full, TiffSampling::Sparse}) {
    MemorySource source(data, size);
    TQxDIB dib;
    try {
      ReadTiff(source, sampling, dib);
    } catch (const ImagingError&) {
    }
  }
  return 0;
}
