// SPDX-License-Identifier: GPL-3.0-or-later
// What is on screen: the shown-photo record, also kept once per panorama pane.
#pragma once

#include "display/quality_types.h"
#include "records/zoom_scale.h"

#include <QString>

#include <array>
#include <cstdint>

namespace kasumori::display {

inline constexpr int kMaxShownNameChars = 215;

struct ShownPhoto {
  QString Name;  // as listed (an edit record's own name); empty = no photo shown
  QString Folder;
  int Slot = 0;   // 0 = another folder
  int Index = 0;  // position in the list
  std::int8_t Rotation = 0;
  QString Comment;
  int CommentStyle = 0;
  int Brightness = 0;
  int Contrast = 256;
  int Sharpness = 0;  // 0 = the global setting
  int Effect = 0;     // 0 = the global setting
  // The zoom the photo's record asks for, with the scale kept across size changes.
  records::RecordZoom Zoom;

  bool Shown() const { return !Name.isEmpty(); }
  // The edits the compositor applies.
  PhotoEdits Edits() const {
    PhotoEdits e;
    e.rotation = Rotation;
    e.brightness = Brightness;
    e.contrast = Contrast;
    e.sharpness = Sharpness;
    e.effect = Effect;
    return e;
  }
};

// A plain photo of the list: its name, folder, slot and position, the rotation its thumbnail
// sidecar remembers, and no edits.
ShownPhoto PlainShownPhoto(const QString& name, const QString& folder, int slot, int index,
                           int rotation);

// The panes of a panorama display, 1..4 (index 0 is pane 1).
using PaneRecords = std::array<ShownPhoto, 4>;

}  // namespace kasumori::display
