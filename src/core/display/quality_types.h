// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-quality modes as the code uses them. The settings file and the edit records hold
// plain integers; the settings codec and the *FromSetting functions turn them into these.
#pragma once

#include "config/modes.h"

namespace kasumori::display {

using config::HistogramMode;
using config::PictureEffect;
using config::QualityMode;
enum class Rotation { None, Right, Half, Left };  // 0, 1, 2, -1

// An edit record's effect number: 0 (and unknown) normal, 1, 2, 3.
PictureEffect EffectFromSetting(int value);
Rotation RotationFromSetting(int value);  // unknown values turn nothing
int ToSetting(Rotation rotation);

// The effect that applies to a photo: its own when not 0, else the global one.
inline PictureEffect EffectiveEffect(int ownEffect, PictureEffect globalEffect) {
  return ownEffect != 0 ? EffectFromSetting(ownEffect) : globalEffect;
}
// The sharpening strength that applies: the photo's own when not 0, else the global one.
// A strength of 0 or below means no sharpening.
inline int EffectiveSharpness(int ownSharpness, int globalSharpness) {
  return ownSharpness != 0 ? ownSharpness : globalSharpness;
}

// The per-photo edits of the shown photo that the compositor and the quality stage read.
struct PhotoEdits {
  int rotation = 0;    // 0, 1 (a quarter turn clockwise), 2, -1
  int brightness = 0;  // added to each channel
  int contrast = 256;  // factor in 1/256
  int sharpness = 0;   // 0 = the global setting
  int effect = 0;      // 0 = the global setting

  bool Adjusted() const { return brightness != 0 || contrast != 256; }
};

}  // namespace kasumori::display
