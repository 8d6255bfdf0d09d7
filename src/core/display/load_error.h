// SPDX-License-Identifier: GPL-3.0-or-later
// The load-error report: what the display does when a photo cannot be read or decoded. The
// notice and the changes to windows come back as a record the display driver applies, so the
// rule itself runs without any window or dialog.
#pragma once

#include "library/load_failed_flags.h"

#include <QString>
#include <QStringList>

namespace kasumori::display {

inline constexpr char kLoadErrorSizeText[] = "読み込みエラー";
inline constexpr char kLoadErrorLine1[] = "画像ファイル ";
inline constexpr char kLoadErrorLine2[] = "は壊れているか、「Kasumori２」で読み込めない形式です。";

// The state the display is in while `ShowLoadError` runs.
struct LoadErrorScene {
  bool SlideshowActive = false;
  bool FullScreenActive = false;
  QString ListName = {};  // the photo's name in the list
};

// The shown-photo state after a failed load: the photo, with nothing applied.
struct FailedShownPhoto {
  unsigned ExifLength = 0;
  int Rotation = 0;
  QString Comment;
  int Brightness = 0;
  int Contrast = 256;
  int Sharpness = 0;
  int Effect = 0;
  int CommentStyle = 0;
};

// What the display driver does next. The labels are set before the notice is shown, so that
// the size label already reads the error while the notice waits for the user.
struct LoadErrorActions {
  bool SuspendWatching = true;      // `WatchEnabled` = 0
  bool ResetShownPhoto = false;     // shown photo = this list entry (`CurrentFolder`, slot, index)
  FailedShownPhoto ShownPhoto;      // ... with these values
  bool FillSlideshowBlack = false;  // the slideshow's back buffer over the display area
  bool ShowFileName = false;        // the file-name label for the photo
  QString SizeLbl;                  // "読み込みエラー" when ShowFileName
  QStringList Notice;               // the notice's lines; none when no notice is shown
  bool FillFullScreenBlack = false;
  // `ViewImg` black over the display area (the pane's rectangle in panorama mode), repainted.
  bool FillViewBlack = false;
};

// `ShowLoadError`: marks the position failed and asks for the two-line notice when `notice`.
LoadErrorActions ShowLoadError(int position, bool notice, const LoadErrorScene& scene,
                               library::LoadFailedFlags& loadFailed);

}  // namespace kasumori::display
