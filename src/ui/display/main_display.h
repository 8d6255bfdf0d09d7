// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the photo display: it owns the display driver and the picture
// quality commands, and shows what they produce in the window's labels and pictures.
#pragma once

#include "display/display_host.h"
#include "display/photo_display.h"
#include "display/photo_rotation.h"
#include "display/quality_commands.h"
#include "imaging/decode/photo_decoder.h"
#include "shell/window_layout.h"
#include "thumbs/thumbnail_cache.h"
#include "ui/display/zoom_pan.h"
#include "ui/display/comment_overlays.h"

#include <QPoint>

#include <functional>

class QWidget;

namespace kasumori::ui {

struct MainMenu;
struct MainPanels;
class ViewImage;

struct MainDisplayParts {
  QWidget& window;
  MainPanels& panels;
  ViewImage& view;
  MainMenu& menu;
  library::PhotoList& list;
  library::FolderState& folders;
  config::Settings& settings;
  platform::DialogService& dialogs;
  library::LoadFailedFlags& loadFailed;
  thumbs::ThumbnailCache& thumbnails;
  std::function<void()> saveSettings;
  std::function<void(config::Direction direction)> refreshStrip;
  std::function<bool()> uiReady;
  // The strip's name tag goes before a photo is shown.
  std::function<void()> hideNameTag;
  // Where the pointer waits, on the screen, while a photo stepped to by key is drawn.
  std::function<QPoint()> selectionFrameCentre;
  // A click on a quality label while a slideshow runs stops it.
  std::function<void()> stopSlideshow;
  // A shown record's photo was not there: the window asks the user what to do.
  std::function<void(const display::MissingRecordSource&)> missingSource;
  // A listed photo inside an archive, extracted for one display.
  std::function<std::optional<library::ExtractedPhoto>(const QString& path)> extractArchived;
};

class MainDisplay final : public display::DisplayHost, public display::QualityHost {
 public:
  explicit MainDisplay(MainDisplayParts parts);

  display::PhotoDisplay& Driver() { return display_; }
  imaging::PhotoDecoder& Decoder() { return decoder_; }
  display::QualityCommands& Quality();

  // Photo commands of the window.
  void ShowPhoto(int n);
  // Next and previous photo; the wheel leaves the pointer where it is, keys park it on the
  // strip's selection meanwhile.
  void NextPhoto(bool shift, bool pointerStays = false);
  void PreviousPhoto(bool shift, bool pointerStays = false);
  void Rotate(bool right, display::RotateFrom from);
  // Fill the display area (cutting the overhang) or fit the whole photo.
  void ToggleWideMode(bool fromKey = false);

  // The picture on screen is the view, or the full-screen window's picture while it is open.
  void SetScreenImage(ViewImage* image);
  ViewImage& ScreenImage() { return screen_ ? *screen_ : p_.view; }
  // The display area of the picture on screen, whatever a slideshow composes into.
  pixels::PixelView Screen();
  // While a slideshow is active, photos are composed into its back buffer instead.
  void SetSlideBuffer(imaging::TQxDIB* buffer) { slideBuffer_ = buffer; }

  // A left-button drag over the picture on screen pans a zoomed photo; true when the event
  // was part of one.
  bool HandlePan(const QEvent& event) { return pan_.Handle(event); }

  // The layout changed the display area: the shown photo is drawn again for the new size.
  void LayoutChanged(shell::LayoutKind layout, const QSize& displaySize, bool photoRedraw);

  // Every pane's comment drawn again over the picture on screen.
  void DrawAllComments();
  CommentBoard& Comments() { return comments_; }

  // display::DisplayHost
  void SetBusy(bool busy) override;
  void ClearInfoLabels() override;
  void ShowPhotoInfo(const imaging::PhotoInfo& info) override;
  void ShowNameLabels(const display::NameLabels& labels) override;
  void SetSizeText(const QString& text) override;
  void ApplyComposeLabels(const display::ComposeLabels& labels) override;
  void RepaintNow() override;
  void HideCommentOverlays() override { comments_.HideComments(); }
  void DrawComment(int pane, const display::ShownPhoto& record, const QSize& display) override {
    comments_.DrawComment(pane, record, display);
  }
  pixels::PixelView Target() override;
  pixels::PixelView HistogramImage() override;
  void TargetChanged() override;
  void RefreshStrip(config::Direction direction) override;

  // display::QualityHost
  void SaveSettings() override;
  void ShowQualitySettings() override;
  void RepaintMainWindow() override;
  void Recompose() override;
  void RecomposeNormal() override;
  void RedrawComments() override { DrawAllComments(); }
  void StopSlideshow() override {
    if (p_.stopSlideshow) p_.stopSlideshow();
  }
  void DrawHistogram() override;
  void SharpenOnScreen() override;

 private:
  void UpdateQualityState();
  void ApplyEditsToShown();
  void PersistRotation(const display::ShownPhoto& photo, int rotation);
  void ShowStepped(bool pointerStays);
  // Runs the work with the pointer parked over the strip's selection, then puts it back.
  void WithPointerOnSelection(const std::function<void()>& work);

  MainDisplayParts p_;
  imaging::PhotoDecoder decoder_;
  display::PhotoDisplay display_;
  display::QualityState qualityState_;
  display::PhotoEdits edits_;  // the quality commands' view of the shown photo's edits
  display::QualityCommands quality_;
  ZoomPanDrag pan_;
  shell::LayoutKind layout_ = shell::LayoutKind::C800;
  bool busy_ = false;
  ViewImage* screen_ = nullptr;
  CommentBoard comments_;
  imaging::TQxDIB* slideBuffer_ = nullptr;
};

}  // namespace kasumori::ui
