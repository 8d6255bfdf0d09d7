// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/shown_photo.h"

namespace kasumori::display {

ShownPhoto PlainShownPhoto(const QString& name, const QString& folder, int slot, int index,
                           int rotation) {
  ShownPhoto photo;
  photo.Name = name.left(kMaxShownNameChars);
  photo.Folder = folder;
  photo.Slot = slot;
  photo.Index = index;
  photo.Rotation = std::int8_t(rotation);
  return photo;
}

}  // namespace kasumori::display
