// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/quality_labels.h"

namespace kasumori::display {

namespace {
constexpr int kFastMode = 1;
}

QString QualityModeText(int qualityMode) {
  return qualityMode == kFastMode ? QStringLiteral("【高速】") : QStringLiteral("【高画質】");
}

QString QualityModeLetter(int qualityMode) {
  return qualityMode == kFastMode ? QStringLiteral("S") : QStringLiteral("Q");
}

int QualityModeLetterLeft(int qualityMode) { return qualityMode == kFastMode ? 130 : 129; }

QString EffectText(int pictureEffect) {
  switch (pictureEffect) {
    case 1:
      return QStringLiteral("クローム");
    case 2:
      return QStringLiteral("セピア");
    case 3:
      return QStringLiteral(" 白黒");
    default:
      return QStringLiteral("ノーマル");
  }
}

QString SharpnessText(int sharpness) {
  switch (sharpness) {
    case 4:
      return QStringLiteral("かなり強");
    case 6:
      return QStringLiteral("だいぶ強");
    case 8:
      return QStringLiteral(" 強め");
    case 10:
      return QStringLiteral("やや強め");
    case 12:
      return QStringLiteral(" 普通");
    case 16:
      return QStringLiteral(" 弱め");
    default:
      return QStringLiteral(" なし");
  }
}

QColor QualityLabelColour(int qualityMode) {
  return qualityMode == kFastMode ? QColor(128, 128, 128) : QColor(255, 255, 255);
}

QString SharpnessMenuCaption(int sharpness) {
  switch (sharpness) {
    case 4:
      return QStringLiteral("かなり強め");
    case 6:
      return QStringLiteral("だいぶ強め");
    case 8:
      return QStringLiteral("強め");
    case 10:
      return QStringLiteral("やや強め");
    case 12:
      return QStringLiteral("普通");
    case 16:
      return QStringLiteral("弱め");
    default:
      return QStringLiteral("なし");
  }
}

QString EffectMenuCaption(int pictureEffect) {
  switch (pictureEffect) {
    case 1:
      return QStringLiteral("クロームモード ［Ｆ12］");
    case 2:
      return QStringLiteral("セピアモード ［Ｆ12］");
    case 3:
      return QStringLiteral("白黒モード");
    default:
      return QStringLiteral("ノーマルモード ［Ｆ12］");
  }
}

QString QualityModeMenuCaption(int qualityMode) {
  return qualityMode == kFastMode ? QStringLiteral("高速モード") : QStringLiteral("高画質モード");
}

QString HistogramModeMenuCaption(int histogramMode) {
  return histogramMode == 1 ? QStringLiteral("自動的に表示する")
                            : QStringLiteral("表示欄をクリックで表示");
}

}  // namespace kasumori::display
