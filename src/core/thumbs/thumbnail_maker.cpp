// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_maker.h"

#include "library/record_source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <exception>

#include "imaging/decode/photo_decoder.h"
#include "imaging/dib/spi_qx_dib.h"
#include "library/folder_state.h"
#include "library/photo_list.h"
#include "library/record_names.h"
#include "config/settings.h"
#include "imaging/photo_type.h"
#include "thumbs/thumbnail_ahead.h"
#include "thumbs/thumbnail_blocks.h"
#include "thumbs/thumbnail_cache.h"
#include "thumbs/thumbnail_edits.h"
#include "thumbfiles/thumbnail_files.h"
#include "thumbs/thumbnail_fit.h"
#include "thumbs/thumbnail_zoom.h"

namespace kasumori::thumbs {

namespace {

// Any magnification this large already asks the decoder for the full JPEG scale; capping it
// keeps the decoder's target size (320 × 240 times the factor) within int.
constexpr double kDecoderZoomCap = 1024;

class BusyGuard {
 public:
  explicit BusyGuard(const std::function<void(bool)>& busy) : busy_(busy) {
    if (busy_) busy_(true);
  }
  ~BusyGuard() {
    if (busy_) busy_(false);
  }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  const std::function<void(bool)>& busy_;
};

pixels::ConstPixelView ViewOf(const imaging::TQxDIB& picture) {
  return {picture.ConstScanLine(0), picture.Width(), picture.Height(), picture.Stride()};
}

// The file is written under a temporary name and renamed into place, so a reader (another
// window, the program after a crash) never sees half a thumbnail. A store that fails leaves
// nothing behind: the thumbnail stays in memory and is made again next time.
void Store(const imaging::TQxDIB& thumbnail, const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  const QString partial = path + QStringLiteral(".part");
  try {
    thumbnail.SaveToFile(partial);
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) ==
        0)
      return;
  } catch (const std::exception&) {
  }
  QFile::remove(partial);
  QFile::remove(path);  // an older thumbnail there is no longer the photo's
}

}  // namespace

// Extracted files go on every way out, also when something threw.
class ThumbnailMaker::TemporaryFiles {
 public:
  TemporaryFiles() = default;
  TemporaryFiles(const TemporaryFiles&) = delete;
  TemporaryFiles& operator=(const TemporaryFiles&) = delete;
  ~TemporaryFiles() {
    for (const QString& file : files_) QFile::remove(file);
  }
  void Add(const QStringList& files) { files_ += files; }

 private:
  QStringList files_;
};

ThumbnailMaker::ThumbnailMaker(ThumbnailMakerContext context) : context_(std::move(context)) {}
ThumbnailMaker::~ThumbnailMaker() = default;
ThumbnailMaker::ThumbnailMaker(ThumbnailMaker&&) noexcept = default;

void ThumbnailMaker::DecodeAhead(const QStringList& photoPaths) {
  QStringList jpegs;
  for (const QString& path : photoPaths) {
    if (imaging::PhotoTypeOf(path) == imaging::PhotoType::Jpeg) jpegs << path;
  }
  if (jpegs.size() < 2 && !ahead_) return;  // one photo is made as fast alone
  if (!ahead_) ahead_ = std::make_unique<ThumbnailDecodeAhead>();
  ahead_->Start(jpegs);
}

std::optional<ThumbnailSubject> ThumbnailMaker::SubjectFor(ThumbnailMode mode, int index) {
  switch (mode) {
    case ThumbnailMode::List: {
      if (index < 1 || index > context_.list.PhotoCount) return std::nullopt;
      const QString& name = context_.list.Name(index);
      if (name.isEmpty()) return std::nullopt;
      ThumbnailCache& cache = context_.cache;
      return ThumbnailSubject{
          context_.folders.CurrentFolder + '/' + name, cache.Rotation(index), &cache.Buffer(index),
          [&cache, index](bool failed) { cache.LoadFailed().Set(index, failed); }};
    }
    case ThumbnailMode::Favourites:
      if (!context_.favourites) return std::nullopt;
      return context_.favourites(index);
  }
  return std::nullopt;
}

bool ThumbnailMaker::MakeThumbnail(ThumbnailMode mode, int index, const QString& storePath) {
  std::optional<ThumbnailSubject> subject = SubjectFor(mode, index);
  if (!subject || !subject->target) return false;
  if (!subject->setFailed) subject->setFailed = [](bool) {};
  BusyGuard busy(context_.busyCursor);
  TemporaryFiles temporaries;
  try {
    return Make(*subject, storePath, temporaries);
  } catch (const std::exception&) {
    // A decoder's error has already run the failure action; anything else (memory for a
    // giant picture) leaves the photo marked as well, so it is not tried at every redraw.
    subject->setFailed(true);
    return false;
  }
}

std::optional<ThumbnailMaker::LocatedPhoto> ThumbnailMaker::Locate(
    const ThumbnailSubject& subject, TemporaryFiles& temporaries) const {
  LocatedPhoto photo{subject.photoPath, {}, false, false};
  photo.edits.rotation = subject.rotation;
  if (!QFileInfo::exists(photo.path)) {
    std::optional<ExtractedPhoto> member;
    if (context_.extractArchived) member = context_.extractArchived(photo.path);
    if (member) temporaries.Add(member->temporaryFiles);
    if (!member || !QFileInfo::exists(member->path)) return std::nullopt;
    photo.path = member->path;
    photo.extracted = true;
  }
  photo.record = library::IsRecordName(QFileInfo(photo.path).fileName());
  if (photo.record) {
    const std::optional<ThumbnailEdits> edits = ReadThumbnailEdits(photo.path);
    const std::optional<QString> source =
        edits ? library::RecordSourcePath(photo.path) : std::nullopt;
    if (!source) return std::nullopt;
    photo.edits = *edits;
    photo.path = *source;
  }
  return photo;
}

std::optional<int> ThumbnailMaker::Decode(const ThumbnailSubject& subject,
                                          const LocatedPhoto& photo, imaging::TSPIQxDIB& decoded) {
  bool stepFailed = false;
  const auto failureAction = [&] {
    stepFailed = true;
    context_.folders.WatchEnabled = false;
    subject.setFailed(true);
    if (context_.redrawStrip) context_.redrawStrip();
  };
  const ThumbnailEdits& edits = photo.edits;
  int aheadReduction = 1;
  if (ahead_ && !edits.zoomed && ahead_->Take(photo.path, decoded, aheadReduction))
    return aheadReduction;
  const imaging::ThumbnailZoom zoom{edits.zoomed, std::min(edits.zoomFactor, kDecoderZoomCap)};
  const std::optional<int> reduction =
      context_.decoder.DecodeForThumbnail(photo.path, decoded, zoom, failureAction);
  if (!reduction) {
    subject.setFailed(true);  // also a compressed TIFF, which runs no failure action
  } else if (stepFailed) {
    subject.setFailed(false);  // a later decoding step succeeded: the photo is readable
  }
  return reduction;
}

void ThumbnailMaker::Render(const imaging::TQxDIB& decoded, ThumbnailEdits edits, int reduction,
                            imaging::TQxDIB& thumbnail) {
  const RotatedSource source(ViewOf(decoded), edits.rotation);
  const int t0 = source.Width(), u0 = source.Height();
  thumbnail.Reshape(thumbfiles::kThumbWidth, thumbfiles::kThumbHeight, 24);  // new storage: black
  const pixels::PixelView cell{thumbnail.ScanLine(0), thumbfiles::kThumbWidth,
                               thumbfiles::kThumbHeight, thumbnail.Stride()};
  const BlockColour colour(edits.brightness, edits.contrast);
  if (edits.zoomed) {
    // The centre is in photo pixels; the decoded picture may be a JPEG reduction of it.
    if (edits.zoomCentreX > 0) edits.zoomCentreX /= reduction;
    if (edits.zoomCentreY > 0) edits.zoomCentreY /= reduction;
    RenderZoomWindow(source,
                     PlanZoom(t0, u0, edits.zoomFactor, edits.zoomCentreX, edits.zoomCentreY),
                     colour, cell);
  } else {
    RenderFitted(source, PlanFit(t0, u0), colour, cell);
  }
  // Thumbnails are sharpened in the fast quality mode too, with the photo's own strength when
  // it has one and the global one otherwise.
  const int strength = edits.sharpness != 0 ? edits.sharpness : context_.settings.Sharpness;
  sharpen_.Run(cell, strength, 1);
}

bool ThumbnailMaker::Make(const ThumbnailSubject& subject, const QString& storePath,
                          TemporaryFiles& temporaries) {
  const std::optional<LocatedPhoto> photo = Locate(subject, temporaries);
  if (!photo) {
    subject.setFailed(true);
    return false;
  }
  imaging::TSPIQxDIB decoded;
  const std::optional<int> reduction = Decode(subject, *photo, decoded);
  if (!reduction) return false;
  imaging::TQxDIB thumbnail;
  Render(decoded, photo->edits, *reduction, thumbnail);
  subject.target->Assign(thumbnail);

  // A plain photo that fits the cell is cheap to make again and is not stored.
  const bool sideways = photo->edits.rotation == 1 || photo->edits.rotation == -1;
  const int t0 = sideways ? decoded.Height() : decoded.Width();
  const int u0 = sideways ? decoded.Width() : decoded.Height();
  const bool worthStoring = photo->record || photo->extracted || t0 > thumbfiles::kThumbWidth - 1 ||
                            u0 > thumbfiles::kThumbHeight - 1;
  if (!storePath.isEmpty() && worthStoring) Store(*subject.target, storePath);
  return true;
}

void ConnectThumbnailMaker(ThumbnailCache& cache, ThumbnailMaker& maker) {
  cache.SetMaker([&maker](int position, const QString& storePath) {
    return maker.MakeThumbnail(ThumbnailMode::List, position, storePath);
  });
  cache.SetDecodeAhead([&maker](const QStringList& paths) { maker.DecodeAhead(paths); });
}

}  // namespace kasumori::thumbs
