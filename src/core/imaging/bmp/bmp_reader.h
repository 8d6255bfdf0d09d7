// SPDX-License-Identifier: GPL-3.0-or-later
// The BMP reader: Windows and OS/2 headers; 1, 4, 8, 24 bits kept as stored (run-length data
// kept compressed), 16 and 32 bits converted to 24 bits through their masks.
#pragma once

#include "imaging/dib/qx_internal_dib.h"

#include <memory>

namespace kasumori::imaging {
class ByteSource;
}

namespace kasumori::imaging::bmp {

// A complete new storage, or an EQxDIBError; nothing is allocated before the header has been
// checked against the limits and the pixel data against the file's size.
std::unique_ptr<TQxInternalDIB> ReadBmp(ByteSource& source);

}  // namespace kasumori::imaging::bmp
