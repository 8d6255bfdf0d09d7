// SPDX-License-Identifier: GPL-3.0-or-later
// A window without widgets for the display driver: the target and the histogram are plain
// buffers, and the labels the driver sets are kept for a test to read.
#pragma once

#include "display/display_host.h"
#include "imaging/dib/qx_dib.h"
#include "pixels/dib_views.h"

#include <QString>

namespace kasumori::testkit {

class HeadlessDisplayHost final : public display::DisplayHost {
 public:
  HeadlessDisplayHost() {
    target_.Reshape(800, 600, 24);
    histogram_.Reshape(128, 50, 24);
  }
  void ResizeTarget(int width, int height) { target_.Reshape(width, height, 24); }
  void SetBusy(bool) override {}
  void ClearInfoLabels() override {}
  void ShowPhotoInfo(const imaging::PhotoInfo&) override {}
  void ShowNameLabels(const display::NameLabels& labels) override { nameLabels = labels; }
  void SetSizeText(const QString& text) override { sizeText = text; }
  void ApplyComposeLabels(const display::ComposeLabels&) override {}
  void RepaintNow() override {}
  void HideCommentOverlays() override {}
  pixels::PixelView Target() override { return pixels::ViewOf(target_); }
  pixels::PixelView HistogramImage() override { return pixels::ViewOf(histogram_); }
  void TargetChanged() override {}
  void RefreshStrip(config::Direction) override {}

  display::NameLabels nameLabels;
  QString sizeText;

 private:
  imaging::TQxDIB target_;
  imaging::TQxDIB histogram_;
};

}  // namespace kasumori::testkit
