// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/photo_rotation.h"

namespace kasumori::display {

namespace {

void ExplainRotation(bool right, RotateFrom from, platform::DialogService& dialogs) {
  const QString second = right ? QStringLiteral("右回りに９０°回転させたいときに使います。")
                               : QStringLiteral("左回りに９０°回転させたいときに使います。");
  switch (from) {
    case RotateFrom::Button:
      dialogs.Notice({QStringLiteral("このボタンは、現在表示されている写真を"), second});
      return;
    case RotateFrom::Menu:
      dialogs.Notice({QStringLiteral("このメニューは、現在表示されている写真を"), second});
      return;
    case RotateFrom::Key:
      dialogs.Notice({right ? QStringLiteral("『２』キーは、現在表示されている写真を")
                            : QStringLiteral("『１』キーは、現在表示されている写真を"),
                      second});
      return;
  }
}

// In zoom mode the zoom centre turns with the photo; w × h is the rotated size before the turn.
void TurnZoomCentre(PhotoDisplay& display, bool right) {
  const int w = display.LastComposition().RotatedWidth;
  const int h = display.LastComposition().RotatedHeight;
  const int x = display.ZoomCentreX;
  const int y = display.ZoomCentreY;
  display.ZoomCentreX = right ? h - y - 1 : y;
  display.ZoomCentreY = right ? x : w - x - 1;
}

}  // namespace

int TurnedRotation(int rotation, bool right) {
  switch (rotation) {
    case 0:
      return right ? 1 : -1;
    case 1:
      return right ? 2 : 0;
    case 2:
      return right ? -1 : 1;
    case -1:
      return right ? 0 : 2;
    default:
      return right ? 1 : -1;
  }
}

bool RotateShownPhoto(PhotoDisplay& display, bool right, RotateFrom from,
                      const library::FolderState& folders, platform::DialogService& dialogs,
                      const RotationEffects& effects) {
  ShownPhoto& shown = display.Shown();
  if (!shown.Shown()) {
    ExplainRotation(right, from, dialogs);
    return false;
  }
  if (display.Modes().Panorama()) {
    dialogs.Notice({QStringLiteral("現在パノラマモードになっていますので"),
                    QStringLiteral("画像の編集はできません。"),
                    QStringLiteral("編集したい写真をダブルクリックしたのち"),
                    QStringLiteral("編集をおこなってください。")});
    return false;
  }
  shown.Rotation = std::int8_t(TurnedRotation(shown.Rotation, right));
  if (display.Modes().ZoomMode) TurnZoomCentre(display, right);
  if (shown.Slot > 0 && effects.persist) effects.persist(shown, shown.Rotation);
  if (folders.CurrentFolder == shown.Folder && effects.updateStrip) {
    effects.updateStrip(shown.Rotation);
  }
  if (display.Modes().ZoomMode) display.JustRotated = true;
  display.Recompose();
  return true;
}

}  // namespace kasumori::display
