// SPDX-License-Identifier: GPL-3.0-or-later
// What the display driver asks of the window it draws into.
#pragma once

#include "config/modes.h"
#include "display/compose_labels.h"
#include "display/name_labels.h"
#include "display/shown_photo.h"
#include "pixels/pixel_view.h"
#include "imaging/exif/photo_info.h"

#include <QSize>

namespace kasumori::display {

class DisplayHost {
 public:
  virtual ~DisplayHost() = default;
  virtual void SetBusy(bool busy) = 0;  // the hourglass cursor
  virtual void ClearInfoLabels() = 0;
  virtual void ShowPhotoInfo(const imaging::PhotoInfo& info) = 0;
  // FileNameLbl made as wide as the panel, with the name (or the panorama text).
  virtual void ShowNameLabels(const NameLabels& labels) = 0;
  virtual void SetSizeText(const QString& text) = 0;
  virtual void ApplyComposeLabels(const ComposeLabels& labels) = 0;
  virtual void RepaintNow() = 0;  // the main window, at once
  virtual void HideCommentOverlays() = 0;
  // Pane k's comment laid over the picture just composed; the display size is the whole area,
  // all panes.
  virtual void DrawComment(int /*pane*/, const ShownPhoto& /*record*/, const QSize& /*display*/) {}
  // The display target (ViewImg's buffer) and the histogram image, 24-bit views.
  virtual pixels::PixelView Target() = 0;
  virtual pixels::PixelView HistogramImage() = 0;
  // The target's pixels changed: show them.
  virtual void TargetChanged() = 0;
  // The thumbnail strip around the current position (after a rotation or a new position).
  virtual void RefreshStrip(config::Direction direction) = 0;
};

}  // namespace kasumori::display
