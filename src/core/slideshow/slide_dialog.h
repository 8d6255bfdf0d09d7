// SPDX-License-Identifier: GPL-3.0-or-later
// What the slideshow's settings dialog shows and gives back, as plain data: the dialog's
// choices taken from the settings when it opens, and written back into them when the show
// starts. The dialog itself only shows these values.
#pragma once

#include "config/settings.h"
#include "slideshow/slide_options.h"
#include "slideshow/slideshow_run.h"

#include <QSize>
#include <QString>

namespace kasumori::slideshow {

enum class SlideStart { FromFirst, FromCursor };

// The interval buttons in the dialog's order; Custom is "任意", the seconds typed in.
enum class IntervalChoice { S1, S5, S10, S30, S60, Custom };

struct SlideDialogValues {
  SlideStart start = SlideStart::FromCursor;
  bool nextFolder = true;
  bool repeat = false;
  int panorama = 0;  // the panorama box's index, the panorama mode
  config::QualityMode quality = config::QualityMode::High;
  config::PictureEffect effect = config::PictureEffect::Chrome;
  int sharpIndex = 4;  // "最強" … "なし"
  IntervalChoice interval = IntervalChoice::S5;
  QString customText = QStringLiteral("1");
  TransitionKind transition = TransitionKind::PageTurn;
  int starSpeed = 2;
  int pageDirection = 0;
  int pageSpeed = 3;
  int fadeMode = 0;
  int fadeSpeed = 2;

  bool operator==(const SlideDialogValues&) const = default;
};

// The dialog's start: from the first photo when the position is on the last one.
SlideDialogValues DialogValuesFrom(const config::Settings& settings, int panorama,
                                   bool atLastPhoto);

// The sharpness box's index of a strength, and back: 4, 6, 8, 10, 12, 16, anything else none.
int SharpIndexOf(int sharpness);
int SharpnessOf(int sharpIndex);

// Writes the choices into the settings; false, with the settings untouched, when the custom
// interval is not a whole number 1 … 99999 (whichever interval is chosen).
bool ApplyDialogValues(const SlideDialogValues& values, config::Settings& settings);

// The show's options from the settings, for a display area of `area`.
SlideshowOptions ShowOptionsFrom(const config::Settings& settings, QSize area);

}  // namespace kasumori::slideshow
