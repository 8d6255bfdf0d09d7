// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal camera RAW file: an uncompressed 16-bit DNG with a red-green-green-blue mosaic,
// enough for LibRaw to develop it (no camera writes one this small, but it is a real DNG).
#pragma once

#include <QString>

namespace kasumori::testkit {

// A width × height mosaic (both even) of one flat colour per 2 × 2 block: red, green and blue
// sensor values 0..65535. False when the file cannot be written.
bool WriteDng(const QString& path, int width, int height, int red, int green, int blue);

}  // namespace kasumori::testkit
