// SPDX-License-Identifier: GPL-3.0-or-later
#include "slideshow/slide_dialog.h"

#include <array>

namespace kasumori::slideshow {

namespace {

constexpr std::array kSharpnessByIndex{4, 6, 8, 10, 12, 16, 0};
constexpr std::array kSecondsByInterval{1, 5, 10, 30, 60, 0};

IntervalChoice IntervalOf(int slideInterval) {
  switch (slideInterval) {
    case 0:
      return IntervalChoice::Custom;
    case 1:
      return IntervalChoice::S1;
    case 5:
      return IntervalChoice::S5;
    case 30:
      return IntervalChoice::S30;
    case 60:
      return IntervalChoice::S60;
    default:
      return IntervalChoice::S10;
  }
}

// A list box shows one of its entries; a number from a damaged settings file shows the standard.
int ListIndex(int value, int count, int standard) {
  return value >= 0 && value < count ? value : standard;
}

}  // namespace

int SharpIndexOf(int sharpness) {
  for (std::size_t i = 0; i + 1 < kSharpnessByIndex.size(); ++i) {
    if (kSharpnessByIndex[i] == sharpness) return int(i);
  }
  return int(kSharpnessByIndex.size()) - 1;
}

int SharpnessOf(int sharpIndex) {
  return sharpIndex >= 0 && sharpIndex < int(kSharpnessByIndex.size())
             ? kSharpnessByIndex[std::size_t(sharpIndex)]
             : 0;
}

SlideDialogValues DialogValuesFrom(const config::Settings& settings, int panorama,
                                   bool atLastPhoto) {
  SlideDialogValues v;
  v.start = atLastPhoto ? SlideStart::FromFirst : SlideStart::FromCursor;
  v.nextFolder = settings.SlideNextFolder == 1;
  v.repeat = settings.SlideRepeat == 1;
  v.panorama = panorama;
  v.quality = settings.QualityMode;
  v.effect = settings.PictureEffect;
  v.sharpIndex = SharpIndexOf(settings.Sharpness);
  v.interval = IntervalOf(settings.SlideInterval);
  v.customText = QString::number(settings.SlideCustomInterval);
  v.transition = TransitionFromSetting(settings.SlideTransition);
  v.starSpeed = ListIndex(settings.SlideStarSpeed, 5, 2);
  v.pageDirection = ListIndex(settings.SlidePageDirection, 4, 0);
  v.pageSpeed = ListIndex(settings.SlidePageSpeed, 5, 3);
  v.fadeMode = ListIndex(settings.SlideFadeMode, 4, 0);
  v.fadeSpeed = ListIndex(settings.SlideFadeSpeed, 5, 2);
  return v;
}

bool ApplyDialogValues(const SlideDialogValues& values, config::Settings& settings) {
  const std::optional<int> custom = ParseCustomInterval(values.customText);
  if (!custom) return false;
  settings.SlideCustomInterval = *custom;
  settings.SlideNextFolder = values.nextFolder ? 1 : 0;
  settings.SlideRepeat = values.repeat ? 1 : 0;
  settings.QualityMode = values.quality;
  settings.PictureEffect = values.effect;
  settings.Sharpness = SharpnessOf(values.sharpIndex);
  settings.SlideInterval = kSecondsByInterval[std::size_t(values.interval)];
  settings.SlideTransition = int(values.transition);
  settings.SlideStarSpeed = values.starSpeed;
  settings.SlidePageDirection = values.pageDirection;
  settings.SlidePageSpeed = values.pageSpeed;
  settings.SlideFadeMode = values.fadeMode;
  settings.SlideFadeSpeed = values.fadeSpeed;
  return true;
}

SlideshowOptions ShowOptionsFrom(const config::Settings& settings, QSize area) {
  SlideshowOptions options;
  options.intervalSeconds = IntervalSeconds(settings.SlideInterval, settings.SlideCustomInterval);
  options.repeat = settings.SlideRepeat == 1;
  options.nextFolder = settings.SlideNextFolder == 1;
  options.rightToLeft = settings.ListDirection == config::ListDirection::RightToLeft;
  TransitionChoice& t = options.transition;
  t.kind = TransitionFromSetting(settings.SlideTransition);
  t.starFrames = StarSandFrames(settings.SlideStarSpeed);
  t.pageDirection = PageDirectionFromSetting(settings.SlidePageDirection);
  t.pageBand = PageBandWidth(settings.SlidePageSpeed);
  t.fadeMode = FadeModeFromSetting(settings.SlideFadeMode);
  t.fadeSteps = FadeSteps(settings.SlideFadeSpeed);
  options.width = area.width();
  options.height = area.height();
  return options;
}

}  // namespace kasumori::slideshow
