// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom window an edit record asks for, reduced to the scale the zoom compositor starts from.
#pragma once

namespace kasumori::records {

// Beyond this many pixels the enlarged photo would not fit in memory; such a zoom falls back to
// the photo's width over 80 pixels.
inline constexpr double kZoomPixelLimit = 50'000'000;

struct ZoomScale {
  double Scale = 1;  // photo pixels per display pixel
  int ViewPercent = 100;
};

// From the rotated photo's size, the display width and the record's magnification (> 0).
ZoomScale RecordZoomScale(int rotatedWidth, int rotatedHeight, int displayWidth,
                          double magnification);

// The zoom values of a shown record, kept for the zoom compositor; the normal compositor
// replaces them.
struct RecordZoom {
  bool On = false;
  ZoomScale Scale;
  int CentreX = -1;  // in rotated photo pixels
  int CentreY = -1;
};

// The record's centre, clamped the way the record format defines it: a coordinate at or past
// the rotated size becomes the middle.
RecordZoom MakeRecordZoom(bool on, double magnification, int centreX, int centreY, int rotatedWidth,
                          int rotatedHeight, int displayWidth);

}  // namespace kasumori::records
