// SPDX-License-Identifier: GPL-3.0-or-later
// Test pictures in the formats the shipped plug-ins read, written through the formats' own
// libraries: a smooth gradient whose every pixel a test can predict.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace kasumori::testkit {

enum class EncodedFormat { Png, Webp, Heic, Avif };

// The gradient's colour at (x, y) of a width × height picture, as 0x00RRGGBB.
std::uint32_t GradientPixel(int x, int y, int width, int height);

// Writes the gradient; false when the library could not encode or the file not be written.
// `exif` (a TIFF structure, see BuildTiffExif) becomes the Exif item of a HEIC or AVIF file;
// the other formats are written without it.
bool WriteEncodedPicture(const QString& path, EncodedFormat format, int width, int height,
                         const QByteArray& exif = {});

}  // namespace kasumori::testkit
