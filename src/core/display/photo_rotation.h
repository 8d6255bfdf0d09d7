// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the shown photo a quarter turn.
#pragma once

#include "display/photo_display.h"

#include <functional>

namespace kasumori::display {

// Where the command came from: each has its own explanation when no photo is shown.
enum class RotateFrom { Button, Menu, Key };

// The next rotation code: right 0 → 1 → 2 → −1 → 0, left the reverse.
int TurnedRotation(int rotation, bool right);

struct RotationEffects {
  // The turned photo's thumbnail and sidecar are renewed (photos of a slot only).
  std::function<void(const ShownPhoto& photo, int rotation)> persist;
  // The photo is in the listed folder: its strip thumbnail is made again. Its place in the
  // list is the list's to say, since rescans may have moved it since it was shown.
  std::function<void(int rotation)> updateStrip;
};

// Turns the shown photo right or left and composes it again. Without a photo, or in panorama
// mode, a notice explains the command instead. True when the photo turned.
bool RotateShownPhoto(PhotoDisplay& display, bool right, RotateFrom from,
                      const library::FolderState& folders, platform::DialogService& dialogs,
                      const RotationEffects& effects);

}  // namespace kasumori::display
