// SPDX-License-Identifier: GPL-3.0-or-later
// The words the picture-quality labels use for the settings.
#pragma once

#include <QString>

namespace kasumori::display {

QString QualityModeText(int qualityMode);  // "【高画質】" / "【高速】"
QString QualityModeLetter(int qualityMode);  // "Q" / "S"
int QualityModeLetterLeft(int qualityMode);  // where the letter sits in the histogram heading
QString EffectText(int pictureEffect);
QString SharpnessText(int sharpness);

}  // namespace kasumori::display
