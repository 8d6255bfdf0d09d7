// SPDX-License-Identifier: GPL-3.0-or-later
// The display driver: shows photo N of the list on the display target, keeps the display
// state, and turns the shown photo.
#pragma once

#include "display/compose_normal.h"
#include "display/compose_zoom.h"
#include "display/display_host.h"
#include "display/display_modes.h"
#include "display/histogram.h"
#include "display/shown_photo.h"
#include "display/load_error.h"
#include "imaging/decode/photo_decoder.h"
#include "imaging/dib/spi_qx_dib.h"
#include "imaging/exif/photo_info.h"
#include "library/archive_folder.h"
#include "library/folder_state.h"
#include "library/photo_list.h"
#include "platform/dialog_service.h"
#include "config/settings.h"

#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>
#include <utility>

namespace kasumori::display {

// A shown record whose source photo is not there, left for the window to ask about.
struct MissingRecordSource {
  int position = 0;  // in the list
  QString recordPath;
  QString sourcePath;
};

struct DisplayServices {
  const library::PhotoList& list;
  library::FolderState& folders;
  config::Settings& settings;
  platform::DialogService& dialogs;
  library::LoadFailedFlags& loadFailed;
  imaging::PhotoDecoder& decoder;
  DisplayHost& host;
  // The rotation of a list position's photo: its sidecar's, or the turn its camera recorded.
  std::function<int(int position)> photoRotation;
  // A listed path that names no file: the archive member extracted for this pane (reporting an
  // archive that does not open); nothing when the path runs through no archive.
  std::function<std::optional<library::ExtractedPhoto>(const QString& path)> extractArchived = {};
};

class PhotoDisplay {
 public:
  explicit PhotoDisplay(DisplayServices services);

  // Shows photo n (1..PhotoCount; 0 redraws the panorama panes); a panorama's panes fill in the
  // list's direction.
  void ShowPhoto(int n);
  // Composes the shown photo again from the decoded picture (after a size, mode or quality
  // change); nothing when no photo is shown.
  void Recompose();
  // Composes the shown photo by the normal compositor, which ends zoom mode.
  void RecomposeNormal();
  // After a slideshow's transition: the labels and information of the photo now on screen,
  // which the show composed without them.
  void ShowShownInfo();
  // Removes the photo from the display (the area is left as the caller filled it).
  void Forget() {
    shown_ = {};
    sourceIsShown_ = false;
  }

  void SetDisplaySize(const QSize& size) {
    displayWidth_ = size.width();
    displayHeight_ = size.height();
  }
  // A new display size that keeps a zoomed photo's enlargement relative to the fitted width
  // (within the zoom pixel limit); the caller composes the photo again.
  void SetDisplaySizeKeepingZoom(const QSize& size);

  // Zoom mode: the view drawn again (with sharpening and histogram when `full`), and moved by
  // a drag step of dx, dy (previous − current pointer position), quickly.
  void DrawZoomView(bool full);
  void PanZoom(int dx, int dy);
  // The whole zoomed picture, as a save of the whole zoom writes it.
  void RenderWholeZoom(pixels::WorkPicture& out);
  const ZoomCompositor& Zoom() const { return zoom_; }
  QSize DisplaySize() const { return {displayWidth_, displayHeight_}; }

  const ShownPhoto& Shown() const { return shown_; }
  ShownPhoto& Shown() { return shown_; }
  DisplayModes& Modes() { return modes_; }
  const DisplayModes& Modes() const { return modes_; }
  const NormalComposeResult& LastComposition() const { return last_; }
  // What each panorama pane shows (an empty name: a black pane).
  const PaneRecords& Panes() const { return panes_; }
  // False after a load error: the last composition is then another photo's.
  bool SourceIsShown() const { return sourceIsShown_; }
  const imaging::ExifLayout& Exif() const { return exif_; }
  HistogramPanel& Histogram() { return histogram_; }
  NormalCompositor& Compositor() { return compositor_; }
  const imaging::TSPIQxDIB& Source() const { return source_; }
  // The photo point in the middle of the zoomed view (−1: none); it follows the view.
  int ZoomCentreX = -1;
  int ZoomCentreY = -1;
  // Raised by a turn before the photo is zoomed again; cleared by every zoom composition.
  bool JustRotated = false;
  // The zoom window the shown edit record asks for (off for a plain photo).
  const records::RecordZoom& RequestedZoom() const { return shown_.Zoom; }
  // The record of the last ShowPhoto whose source was missing (already reported as a load
  // error without a notice); taking it clears it.
  std::optional<MissingRecordSource> TakeMissingSource() { return std::exchange(missing_, {}); }

 private:
  struct PaneRun;
  bool ShowPane(PaneRun& run, int n, int k);
  // The file to show for the path: itself, or its member extracted from an archive.
  QString Located(const QString& path, library::ExtractedFiles& extracted);
  // The photo a listed record stands for; nothing, after a load error, when it is not there.
  std::optional<QString> RecordSource(int n, const QString& recordPath);
  bool ApplyRecord(int n, const QString& recordPath);
  bool ReadInfo(int n, const QString& path);
  bool Decode(int n, const QString& path, imaging::RowProgress* progress);
  void ReportLoadError(int n, bool notice);
  void ComposeShown(int originX, int originY);
  QString AheadPath(int n) const;
  void ComposeZoomShown(const NormalComposeRequest& scene);
  NormalComposeRequest Scene(int originX, int originY, const ShownPhoto& photo);
  // Where pane k lies in the display target.
  QPoint PaneOriginOf(int k) const;
  QString ListPath(int n) const;

  DisplayServices s_;
  DisplayModes modes_;
  int displayWidth_ = 800;
  int displayHeight_ = 600;
  ShownPhoto shown_;
  PaneRecords panes_;
  imaging::TSPIQxDIB source_;  // SourcePicture
  imaging::ExifLayout exif_;
  NormalCompositor compositor_;
  ZoomCompositor zoom_;
  double zoomWidthFit_ = 0;  // the shown zoom's enlargement relative to the fitted width
  HistogramPanel histogram_;
  NormalComposeResult last_;
  bool sourceIsShown_ = false;
  std::optional<MissingRecordSource> missing_;  // SourcePicture holds the shown photo's pixels
};

}  // namespace kasumori::display
