// SPDX-License-Identifier: GPL-3.0-or-later
// One JPEG encode with libjpeg-turbo from a 24-bit view: the library reads the blue-green-red
// rows in place, with its defaults beside the quality (4:2:0, baseline, accurate DCT).
#pragma once

#include "pixels/pixel_view.h"

#include <cstdint>
#include <vector>

namespace kasumori::exporting {

// The whole file, from its start-of-image marker to its end-of-image marker, with a JFIF
// header as libjpeg writes one. Throws imaging::EJpegError with libjpeg's message (also when
// the picture is empty or larger than JPEG allows).
std::vector<std::uint8_t> EncodeJpeg(const pixels::ConstPixelView& picture, int quality);

}  // namespace kasumori::exporting
