// SPDX-License-Identifier: GPL-3.0-or-later
// The words the picture-quality labels use for the settings.
#pragma once

#include "config/modes.h"

#include <QColor>
#include <QString>

namespace kasumori::display {

using config::HistogramMode;
using config::PictureEffect;
using config::QualityMode;

QString QualityModeText(QualityMode mode);    // "【高画質】" / "【高速】"
QString QualityModeLetter(QualityMode mode);  // "Q" / "S"
int QualityModeLetterLeft(QualityMode mode);  // where the letter sits in the histogram heading
QString EffectText(PictureEffect effect);
QString SharpnessText(int sharpness);
// KoukaLbl and SharpLbl are white in high-quality mode and grey in fast mode.
QColor QualityLabelColour(QualityMode mode);

// Menu captions of the radio groups.
QString SharpnessMenuCaption(int sharpness);  // 4 "かなり強め" .. 16 "弱め", 0 "なし"
QString EffectMenuCaption(PictureEffect effect);
QString QualityModeMenuCaption(QualityMode mode);
QString HistogramModeMenuCaption(HistogramMode mode);

}  // namespace kasumori::display
