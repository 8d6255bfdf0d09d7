// SPDX-License-Identifier: GPL-3.0-or-later
// A deliberately plain reference of the display stages, written pixel by pixel from the
// formulas, against which the planned and banded kernels are compared bit for bit.
#pragma once

#include <array>
#include <cstdint>

#include "support/test_picture.h"

namespace kasumori::display::reference {

using testkit::TestColour;
using testkit::TestPicture;

// The tone of the high-quality paths (full = true) or of the fast paths.
TestColour Tone(TestColour c, bool full, int effect, int brightness, int contrast);

struct Compose {
  int width = 0;
  int height = 0;
  int rotation = 0;  // 0, 1, 2, -1
  bool wide = false;
  bool fast = false;
  int brightness = 0;
  int contrast = 256;
  int effect = 0;  // effective effect
};

// The composed area (W × H) before sharpening, including the black bands. Also gives the
// scale and the margins the composition used.
struct Composed {
  double scale;
  int marginX;
  int marginY;
};
Composed ComposeArea(const TestPicture& source, const Compose& c, TestPicture& out);

// Sharpening with the mask and darkened-colour pictures combined by AND and OR.
void Sharpen(TestPicture& picture, int strength);

std::array<std::uint64_t, 128> Histogram(const TestPicture& picture, int left, int top);

}  // namespace kasumori::display::reference
