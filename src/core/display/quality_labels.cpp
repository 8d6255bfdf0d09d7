// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/quality_labels.h"

namespace kasumori::display {

QString QualityModeText(QualityMode mode) {
  return mode == QualityMode::Fast ? QStringLiteral("【高速】") : QStringLiteral("【高画質】");
}

QString QualityModeLetter(QualityMode mode) {
  return mode == QualityMode::Fast ? QStringLiteral("S") : QStringLiteral("Q");
}

int QualityModeLetterLeft(QualityMode mode) { return mode == QualityMode::Fast ? 130 : 129; }

QString EffectText(PictureEffect effect) {
  switch (effect) {
    case PictureEffect::Chrome:
      return QStringLiteral("クローム");
    case PictureEffect::Sepia:
      return QStringLiteral("セピア");
    case PictureEffect::BlackWhite:
      return QStringLiteral(" 白黒");
    case PictureEffect::Normal:
      break;
  }
  return QStringLiteral("ノーマル");
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

QColor QualityLabelColour(QualityMode mode) {
  return mode == QualityMode::Fast ? QColor(128, 128, 128) : QColor(255, 255, 255);
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

QString EffectMenuCaption(PictureEffect effect) {
  switch (effect) {
    case PictureEffect::Chrome:
      return QStringLiteral("クロームモード ［Ｆ12］");
    case PictureEffect::Sepia:
      return QStringLiteral("セピアモード ［Ｆ12］");
    case PictureEffect::BlackWhite:
      return QStringLiteral("白黒モード");
    case PictureEffect::Normal:
      break;
  }
  return QStringLiteral("ノーマルモード ［Ｆ12］");
}

QString QualityModeMenuCaption(QualityMode mode) {
  return mode == QualityMode::Fast ? QStringLiteral("高速モード") : QStringLiteral("高画質モード");
}

QString HistogramModeMenuCaption(HistogramMode mode) {
  return mode == HistogramMode::Automatic ? QStringLiteral("自動的に表示する")
                                          : QStringLiteral("表示欄をクリックで表示");
}

}  // namespace kasumori::display
