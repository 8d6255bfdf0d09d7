// SPDX-License-Identifier: GPL-3.0-or-later
// The TIFF reader: uncompressed, 8 bits per sample, red-green-blue interleaved, strips read
// in one running sequence of rows from the top. Other layouts are read as if they were that.
#pragma once

namespace kasumori::imaging {

class ByteSource;
class TQxDIB;

enum class TiffReadResult {
  Decoded,     // the picture is in the buffer
  NoStrips,    // no strip offsets: nothing decoded, another decoder may try
  Compressed,  // compression other than none: decoding ends here
};

enum class TiffSampling {
  Full,    // every pixel
  Sparse,  // every d-th row and column, spread over d × d blocks (thumbnails)
};

// Fills target as a 24-bit buffer of the picture's size, rows the strips do not reach black.
// The buffer changes only on Decoded. Throws ETiffError when the structure points outside the
// file, gives no usable size, or promises more than the size limit.
TiffReadResult ReadTiff(ByteSource& source, TiffSampling sampling, TQxDIB& target);

}  // namespace kasumori::imaging
