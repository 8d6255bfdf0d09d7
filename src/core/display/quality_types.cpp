// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/quality_types.h"

namespace kasumori::display {

PictureEffect EffectFromSetting(int value) {
  switch (value) {
    case 1:
      return PictureEffect::Chrome;
    case 2:
      return PictureEffect::Sepia;
    case 3:
      return PictureEffect::BlackWhite;
    default:
      return PictureEffect::Normal;
  }
}

Rotation RotationFromSetting(int value) {
  switch (value) {
    case 1:
      return Rotation::Right;
    case 2:
      return Rotation::Half;
    case -1:
      return Rotation::Left;
    default:
      return Rotation::None;
  }
}

int ToSetting(Rotation rotation) {
  switch (rotation) {
    case Rotation::None:
      return 0;
    case Rotation::Right:
      return 1;
    case Rotation::Half:
      return 2;
    case Rotation::Left:
      return -1;
  }
  return 0;
}

}  // namespace kasumori::display
