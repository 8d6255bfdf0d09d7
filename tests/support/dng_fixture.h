// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal camera RAW file: an uncompressed 16-bit DNG with a red-green-green-blue mosaic,
// enough for LibRaw to develop it (no camera writes one this small, but it is a real DNG).
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace kasumori::testkit {

// The Exif directory a camera writes beside its picture directory; none when the date is empty.
struct DngShot {
  QByteArray dateTimeOriginal;  // "YYYY:MM:DD hh:mm:ss"
  std::uint32_t fNumberTimes10 = 40;
  std::uint32_t exposureDenominator = 125;
  std::uint16_t iso = 200;
};

// A width × height mosaic (both even) of one flat colour per 2 × 2 block: red, green and blue
// sensor values 0..65535, made by "Kasumori", model "Kasumori Test DNG". False when the file
// cannot be written.
bool WriteDng(const QString& path, int width, int height, int red, int green, int blue,
              const DngShot& shot = {});

}  // namespace kasumori::testkit
