// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-quality modes as the code uses them. The settings file and the edit records hold
// plain integers; they are turned into these at the boundary by the *FromSetting functions.
#pragma once

namespace kasumori::display {

enum class QualityMode { High, Fast };                           // setting 0, 1
enum class PictureEffect { Normal, Chrome, Sepia, BlackWhite };  // 0 (and unknown), 1, 2, 3
enum class HistogramMode { OnClick, Automatic };                 // setting 0, 1
enum class Rotation { None, Right, Half, Left };                 // 0, 1, 2, -1

QualityMode QualityModeFromSetting(int value);  // 1 fast, anything else high quality
int ToSetting(QualityMode mode);
PictureEffect EffectFromSetting(int value);
HistogramMode HistogramModeFromSetting(int value);  // 1 automatic, anything else on click
int ToSetting(HistogramMode mode);
Rotation RotationFromSetting(int value);  // unknown values turn nothing
int ToSetting(Rotation rotation);

// The effect that applies to a photo: its own when not 0, else the global one.
inline int EffectiveEffect(int ownEffect, int globalEffect) {
  return ownEffect != 0 ? ownEffect : globalEffect;
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
