// SPDX-License-Identifier: GPL-3.0-or-later
// The words the picture-quality labels use for the settings.
#pragma once

#include <QColor>
#include <QString>

namespace kasumori::display {

QString QualityModeText(int qualityMode);    // "【高画質】" / "【高速】"
QString QualityModeLetter(int qualityMode);  // "Q" / "S"
int QualityModeLetterLeft(int qualityMode);  // where the letter sits in the histogram heading
QString EffectText(int pictureEffect);
QString SharpnessText(int sharpness);
// KoukaLbl and SharpLbl are white in high-quality mode and grey in fast mode.
QColor QualityLabelColour(int qualityMode);

// Menu captions of the radio groups.
QString SharpnessMenuCaption(int sharpness);  // 4 "かなり強め" .. 16 "弱め", 0 "なし"
QString EffectMenuCaption(int pictureEffect);
QString QualityModeMenuCaption(int qualityMode);
QString HistogramModeMenuCaption(int histogramMode);

}  // namespace kasumori::display
