// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/load_error.h"

namespace kasumori::display {

LoadErrorActions ShowLoadError(int position, bool notice, const LoadErrorScene& scene,
                               library::LoadFailedFlags& loadFailed) {
  LoadErrorActions actions;
  if (position < 1) return actions;
  loadFailed.Set(position, true);
  actions.ResetShownPhoto = true;
  if (scene.SlideshowActive) {
    actions.FillSlideshowBlack = true;
    return actions;
  }
  actions.ShowFileName = true;
  actions.SizeLbl = QString::fromUtf8(kLoadErrorSizeText);
  if (scene.FullScreenActive) {
    actions.FillFullScreenBlack = true;
    return actions;
  }
  if (notice)
    actions.Notice = {QString::fromUtf8(kLoadErrorLine1) + scene.ListName,
                      QString::fromUtf8(kLoadErrorLine2)};
  actions.FillViewBlack = true;
  return actions;
}

}  // namespace kasumori::display
