// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/photo_display.h"

#include "display/shown_record.h"

#include "library/record_source.h"

#include "pixels/dib_views.h"
#include "imaging/errors.h"
#include "imaging/exif/exif_reader.h"
#include "library/record_names.h"

#include <QFileInfo>

namespace kasumori::display {

namespace {

constexpr char kLoadingText[] = "(読み込み中)";
constexpr char kPanoramaName[] = "【パノラマ】";

QString ListingExtension(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot).toLower().left(5);
}

}  // namespace

// The state of one ShowPhoto run.
struct PhotoDisplay::PaneRun {
  int firstPane;
  int paneCount;
  QSize displaySize;  // the whole area, while the panes' size is the display size
};

PhotoDisplay::PhotoDisplay(DisplayServices services) : s_(std::move(services)) {
  source_.SetBitCount(24);
}

QString PhotoDisplay::ListPath(int n) const {
  return s_.folders.CurrentFolder + u'/' + s_.list.Name(n);
}

void PhotoDisplay::ShowPhoto(int n) {
  missing_.reset();
  if (n > s_.list.PhotoCount) return;
  // The panes fill, and the list is read, in the list's drawing order.
  const bool forward =
      config::DrawingDirection(s_.settings.ListDirection) == config::Direction::Forward;
  const int step = forward ? 1 : -1;
  if (!modes_.SlideshowActive) {
    s_.host.SetBusy(true);
    s_.host.ClearInfoLabels();
  }
  if (modes_.Panorama()) {
    s_.host.HideCommentOverlays();
    pixels::FillBlack(pixels::SubView(s_.host.Target(), 0, 0, displayWidth_, displayHeight_));
    if (n > 0) {
      for (ShownPhoto& pane : panes_) pane.Name.clear();
    }
  }
  const int savedWidth = displayWidth_;
  const int savedHeight = displayHeight_;
  PaneRun run{1, PaneCount(modes_.PanoramaMode), {savedWidth, savedHeight}};
  if (run.paneCount >= 2) displayWidth_ /= 2;
  if (run.paneCount == 4) displayHeight_ /= 2;
  run.firstPane = forward ? 1 : run.paneCount;

  // Whatever ends the loop, the display size comes back and the cursor is restored.
  struct Finish {
    PhotoDisplay& self;
    int width, height;
    ~Finish() {
      self.displayWidth_ = width;
      self.displayHeight_ = height;
      if (self.modes_.Panorama()) {
        self.shown_ = self.panes_[0];
        self.modes_.ZoomMode = false;
      }
      self.s_.host.TargetChanged();
      if (!self.modes_.SlideshowActive) self.s_.host.SetBusy(false);
    }
  } finish{*this, savedWidth, savedHeight};

  const int shownAt = n;
  for (int k = run.firstPane;;) {
    if (!ShowPane(run, n, k)) break;
    if (n > 0) {
      n += step;
      if (n < 1 || n > s_.list.PhotoCount) break;
    }
    k += step;
    if (k < 1 || k > run.paneCount) break;
  }
  if (shownAt >= 1 && !modes_.Panorama())
    s_.decoder.DecodeAhead(AheadPath(shownAt + step), AheadPath(shownAt - step));
}

// A photo the next step may show, to be decoded meanwhile; records are left to their display.
QString PhotoDisplay::AheadPath(int n) const {
  if (n < 1 || n > s_.list.PhotoCount) return {};
  if (ListingExtension(s_.list.Name(n)) == QStringLiteral(".ksm")) return {};
  return ListPath(n);
}

// One pane; false when the pane loop ends here.
bool PhotoDisplay::ShowPane(PaneRun& run, int n, int k) {
  QString path;
  if (n < 1) {
    const ShownPhoto& pane = panes_[std::size_t(k - 1)];
    if (pane.Name.isEmpty()) return true;  // an empty pane is skipped
    path = pane.Folder + u'/' + pane.Name;
  } else {
    s_.loadFailed.Set(n, false);
    path = ListPath(n);
  }
  sourceIsShown_ = false;
  // Whatever ends this pane deletes what was extracted for it.
  library::ExtractedFiles extracted;
  path = Located(path, extracted);
  QString extension = ListingExtension(path);
  if (!modes_.SlideshowActive && k == run.firstPane) {
    s_.host.ShowNameLabels(modes_.Panorama() ? NameLabels{QString::fromUtf8(kPanoramaName), {}, {}}
                                             : NameLabelsFor(QFileInfo(path).fileName()));
    s_.host.SetSizeText(QString::fromUtf8(kLoadingText));
    s_.host.RepaintNow();
    s_.host.HideCommentOverlays();
    histogram_.ClearHistogram(s_.host.HistogramImage(), modes_.FullScreenActive);
  }
  const QString recordPath = extension == QStringLiteral(".ksm") ? path : QString();
  if (!recordPath.isEmpty()) {
    const std::optional<QString> source = RecordSource(n, recordPath);
    if (!source) return false;
    path = *source;
  }
  if (!modes_.Panorama() && !modes_.SlideshowActive) ReadInfo(n, path);
  // A photo whose file could not even be read is not offered to the decoders as well.
  if (n >= 1 && s_.loadFailed.Get(n)) return false;
  ShownPhoto next;
  if (n < 1) {
    next = panes_[std::size_t(k - 1)];
  } else {
    const int rotation = s_.photoRotation ? s_.photoRotation(n) : 0;
    next = PlainShownPhoto(s_.list.Name(n), s_.folders.CurrentFolder, s_.folders.CurrentSlot, n,
                           rotation);
  }
  const QPoint origin = PaneOriginOf(k);
  // The resampling follows the decoding on the second core when what it makes is already
  // known (not for a record, whose edits come after the decode, nor for a zoomed pane) and
  // there is a decoding to follow.
  struct Unfollow {
    NormalCompositor& compositor;
    ~Unfollow() { compositor.StopFollowing(); }
  } unfollow{compositor_};
  imaging::RowProgress* progress =
      recordPath.isEmpty() && !next.Zoom.On && s_.decoder.DecodesRowsOf(path)
          ? compositor_.FollowDecoding(Scene(origin.x(), origin.y(), next))
          : nullptr;
  if (!Decode(n, path, progress)) return false;
  source_.SetPixelFormat(imaging::TQxPixelFormat::Bit24);
  sourceIsShown_ = true;

  shown_ = next;
  modes_.ZoomMode = false;
  // A pane drawn again keeps the edits it was first shown with.
  if (n >= 1 && !recordPath.isEmpty() && !ApplyRecord(n, recordPath)) return false;
  modes_.ZoomMode = shown_.Zoom.On;
  zoomWidthFit_ = 0;
  ZoomCentreX = shown_.Zoom.CentreX;
  ZoomCentreY = shown_.Zoom.CentreY;
  if (modes_.Panorama() && n > 0) panes_[std::size_t(k - 1)] = shown_;
  ComposeShown(origin.x(), origin.y());
  if (!modes_.SlideshowActive) s_.host.DrawComment(k, shown_, run.displaySize);
  return true;
}

QPoint PhotoDisplay::PaneOriginOf(int k) const {
  if (!modes_.Panorama()) return {0, 0};
  int column = (k - 1) % 2;
  if (modes_.PanoramaMode == PanoramaMode::TwoReversed) column = 1 - column;
  return {column * displayWidth_, (k - 1) / 2 * displayHeight_};
}

QString PhotoDisplay::Located(const QString& path, library::ExtractedFiles& extracted) {
  if (!s_.extractArchived || QFileInfo::exists(path)) return path;
  const std::optional<library::ExtractedPhoto> member = s_.extractArchived(path);
  if (!member) return path;
  extracted.Add(member->temporaryFiles);
  return member->path;
}

std::optional<QString> PhotoDisplay::RecordSource(int n, const QString& recordPath) {
  std::optional<QString> source = library::RecordSourcePath(recordPath);
  if (source) return source;
  // A record whose photo is missing is an entry that cannot be shown; the area must not keep
  // the previous photo under this record's labels. The user is not told twice: asking where
  // the photo went is the window's part.
  ReportLoadError(n, false);
  const QFileInfo record(recordPath);
  const QString sourcePath = record.path() + u'/' + library::RecordSourceName(record.fileName());
  // A record taken out of an archive has no place of its own to look for its photo from.
  const bool inArchive = n >= 1 && !QFileInfo::exists(ListPath(n));
  if (n >= 1 && !modes_.SlideshowActive && !modes_.Panorama() && !inArchive) {
    missing_ = MissingRecordSource{n, recordPath, sourcePath};
  }
  return std::nullopt;
}

bool PhotoDisplay::ApplyRecord(int n, const QString& recordPath) {
  records::EditRecord record;
  try {
    record = records::ReadEditRecord(recordPath);
  } catch (const records::RecordError&) {
    // The screen still holds the previous photo while the labels already name this record:
    // reported like a photo that cannot be read, the area is cleared and the shown photo
    // becomes this entry with nothing applied, so no later command acts on the previous one.
    sourceIsShown_ = false;
    ReportLoadError(n, true);
    return false;
  }
  ApplyEditRecord(record, shown_);
  shown_.Zoom = ZoomOfRecord(record, source_.Width(), source_.Height(), displayWidth_);
  return true;
}

bool PhotoDisplay::ReadInfo(int n, const QString& path) {
  imaging::PhotoInfo info;
  try {
    info = imaging::ReadPhotoInfo(path, exif_);
  } catch (const imaging::ImagingError&) {
    ReportLoadError(n, true);
    return false;
  }
  s_.host.ShowPhotoInfo(info);
  return true;
}

bool PhotoDisplay::Decode(int n, const QString& path, imaging::RowProgress* progress) {
  try {
    return s_.decoder.DecodeForDisplay(
        path, source_, [this, n] { ReportLoadError(n, true); }, progress);
  } catch (const imaging::ImagingError&) {
    return false;  // already reported
  }
}

void PhotoDisplay::ReportLoadError(int n, bool notice) {
  LoadErrorScene scene;
  scene.SlideshowActive = modes_.SlideshowActive;
  scene.FullScreenActive = modes_.FullScreenActive;
  if (n >= 1 && n <= s_.list.PhotoCount) scene.ListName = s_.list.Name(n);
  const LoadErrorActions actions = ShowLoadError(n, notice, scene, s_.loadFailed);
  if (n < 1) return;
  if (actions.ShowFileName) {
    s_.host.ShowNameLabels(NameLabelsFor(scene.ListName));
    s_.host.SetSizeText(actions.SizeLbl);
  }
  if (!actions.Notice.isEmpty()) s_.dialogs.Notice(actions.Notice);
  if (actions.SuspendWatching) s_.folders.WatchEnabled = false;
  if (actions.ResetShownPhoto) {
    const FailedShownPhoto& f = actions.ShownPhoto;
    shown_ = PlainShownPhoto(scene.ListName, s_.folders.CurrentFolder, s_.folders.CurrentSlot, n,
                             f.Rotation);
    shown_.Comment = f.Comment;
    shown_.Brightness = f.Brightness;
    shown_.Contrast = f.Contrast;
    shown_.Sharpness = f.Sharpness;
    shown_.Effect = f.Effect;
    shown_.CommentStyle = f.CommentStyle;
    exif_.ExifLength = f.ExifLength;
  }
  // Whatever the photo is drawn into (the view, the full-screen picture, the slideshow's back
  // buffer) must not keep the previous photo under this one's labels. A panorama's area was
  // blackened before its panes, so the failed pane and those after it are black already.
  const bool fill =
      actions.FillViewBlack || actions.FillFullScreenBlack || actions.FillSlideshowBlack;
  if (fill && !modes_.Panorama()) {
    pixels::FillBlack(pixels::SubView(s_.host.Target(), 0, 0, displayWidth_, displayHeight_));
    if (!actions.FillSlideshowBlack) {
      s_.host.TargetChanged();
      s_.host.RepaintNow();
    }
  }
}

NormalComposeRequest PhotoDisplay::Scene(int originX, int originY, const ShownPhoto& photo) {
  NormalComposeRequest request;
  request.source = pixels::ConstViewOf(source_);
  request.target = s_.host.Target();
  request.paneOriginX = originX;
  request.paneOriginY = originY;
  request.width = displayWidth_;
  request.height = displayHeight_;
  request.edits = photo.Edits();
  request.pictureEffect = s_.settings.PictureEffect;
  request.sharpness = s_.settings.Sharpness;
  request.quality = s_.settings.QualityMode;
  request.histogramMode = s_.settings.HistogramMode;
  request.wide = modes_.WideMode;
  request.panoramaMode = modes_.PanoramaMode;
  request.slideshowActive = modes_.SlideshowActive;
  request.fullScreenActive = modes_.FullScreenActive;
  request.histogram = &histogram_;
  request.histogramImage = s_.host.HistogramImage();
  return request;
}

void PhotoDisplay::ComposeShown(int originX, int originY) {
  const NormalComposeRequest request = Scene(originX, originY, shown_);
  if (modes_.ZoomMode) {
    ComposeZoomShown(request);
    return;
  }
  last_ = compositor_.ComposeNormal(request);
  modes_.ZoomMode = false;
  ZoomCentreX = ZoomCentreY = -1;
  zoom_.Release();
  s_.host.ApplyComposeLabels(last_.labels);
  s_.host.TargetChanged();
}

void PhotoDisplay::ComposeZoomShown(const NormalComposeRequest& scene) {
  const ZoomRequest request{shown_.Zoom.Scale.Scale, shown_.Zoom.Scale.ViewPercent, ZoomCentreX,
                            ZoomCentreY, JustRotated};
  const ZoomComposeResult result = zoom_.ComposeZoom(scene, request, compositor_);
  if (JustRotated) zoomWidthFit_ = 0;  // the width it was relative to has changed
  JustRotated = false;
  ZoomCentreX = result.centre.x;
  ZoomCentreY = result.centre.y;
  // What the other stages read of the last composition: a zoomed picture has no margins.
  last_ = {};
  last_.RotatedWidth = result.geometry.RotatedWidth;
  last_.RotatedHeight = result.geometry.RotatedHeight;
  last_.scale.Scale = result.geometry.Scale;
  last_.ViewPercent = result.geometry.ViewPercent;
  last_.histogram = result.histogram;
  last_.labels = result.labels;
  s_.host.ApplyComposeLabels(result.labels);
  s_.host.TargetChanged();
}

void PhotoDisplay::DrawZoomView(bool full) {
  if (!modes_.ZoomMode || modes_.Panorama()) return;
  const ZoomOrigin centre = zoom_.DrawZoomView(Scene(0, 0, shown_), full, compositor_);
  ZoomCentreX = centre.x;
  ZoomCentreY = centre.y;
  s_.host.TargetChanged();
}

void PhotoDisplay::PanZoom(int dx, int dy) {
  if (!modes_.ZoomMode || modes_.Panorama()) return;
  const ZoomOrigin centre = zoom_.Pan(Scene(0, 0, shown_), dx, dy, compositor_);
  ZoomCentreX = centre.x;
  ZoomCentreY = centre.y;
  s_.host.TargetChanged();
}

void PhotoDisplay::RenderWholeZoom(pixels::WorkPicture& out) {
  zoom_.RenderWhole(Scene(0, 0, shown_), out, compositor_);
}

void PhotoDisplay::SetDisplaySizeKeepingZoom(const QSize& size) {
  const int oldWidth = displayWidth_;
  SetDisplaySize(size);
  if (!modes_.ZoomMode || !shown_.Shown() || oldWidth == displayWidth_) return;
  // The enlargement is remembered from before the first change, so a size at which it had to
  // stay smaller does not shrink it for the sizes after.
  if (zoomWidthFit_ <= 0)
    zoomWidthFit_ = WidthFitOf(last_.RotatedWidth, shown_.Zoom.Scale.Scale, oldWidth);
  const ZoomRescale r =
      RescaleZoom(last_.RotatedWidth, last_.RotatedHeight, zoomWidthFit_, displayWidth_);
  if (!r.changed) return;
  shown_.Zoom.Scale.Scale = r.Scale;
  shown_.Zoom.Scale.ViewPercent = r.ViewPercent;
}

void PhotoDisplay::ShowShownInfo() {
  s_.host.ClearInfoLabels();
  ComposeLabels labels;
  if (modes_.Panorama()) {
    labels.JoutaiLbl = QString::fromUtf8(kPanoramaName);
    labels.SizeLbl = QString();
    s_.host.ApplyComposeLabels(labels);
    return;
  }
  if (!shown_.Shown()) return;
  s_.host.ShowNameLabels(NameLabelsFor(shown_.Name));
  if (!sourceIsShown_) {
    s_.host.SetSizeText(QString::fromUtf8(kLoadErrorSizeText));
    return;
  }
  // A record's information is its photo's.
  const QString path = shown_.Folder + u'/' + shown_.Name;
  try {
    s_.host.ShowPhotoInfo(
        imaging::ReadPhotoInfo(library::RecordSourcePath(path).value_or(path), exif_));
  } catch (const imaging::ImagingError&) {
    // The photo decoded, so only its information is missing: the labels stay empty.
  }
  labels.SizeLbl = SizeText(last_.RotatedWidth, last_.RotatedHeight);
  labels.RitsuLbl = RatioText(last_.ViewPercent);
  labels.HenshuHint = RatioHint(last_.ViewPercent);
  s_.host.ApplyComposeLabels(labels);
}

void PhotoDisplay::Recompose() {
  if (!shown_.Shown()) return;
  // A photo that failed to load is shown as a black area, also in a new place or size.
  if (!sourceIsShown_) {
    pixels::FillBlack(pixels::SubView(s_.host.Target(), 0, 0, displayWidth_, displayHeight_));
    s_.host.TargetChanged();
    return;
  }
  if (modes_.Panorama()) {
    ShowPhoto(0);
    return;
  }
  s_.host.SetBusy(true);
  ComposeShown(0, 0);
  s_.host.RepaintNow();
  s_.host.SetBusy(false);
}

void PhotoDisplay::RecomposeNormal() {
  if (!modes_.Panorama()) modes_.ZoomMode = false;
  Recompose();
}

}  // namespace kasumori::display
