// SPDX-License-Identifier: GPL-3.0-or-later
// The picture effects as the tone of the high-quality paths sees them: chrome is a harder,
// darker contrast, sepia and black and white are finishes of the toned colour.
#pragma once

#include "display/quality_types.h"
#include "pixels/tone.h"

namespace kasumori::display {

// B and C for the high-quality paths: chrome darkens by 12 and adds 24 to the contrast (at
// most 1024); the other effects use the photo's values as they are.
pixels::ToneParams FullToneParams(PictureEffect effect, int brightness, int contrast);

// One colour through the full tone; for callers outside the kernels.
pixels::Bgr FullTone(int r, int g, int b, PictureEffect effect, int brightness, int contrast);

}  // namespace kasumori::display
