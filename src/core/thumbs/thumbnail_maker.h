// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail maker: one 80 × 60 thumbnail from a photo file or an edit record, made at
// reduced JPEG scale, rotated, fitted into the cell or cut to the record's zoom window, toned
// with the record's brightness and contrast, sharpened, and stored in the disk cache when it is
// worth keeping.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "pixels/sharpen.h"
#include "imaging/dib/qx_dib.h"
#include "library/archive_folder.h"
#include "thumbs/thumbnail_edits.h"

namespace kasumori::imaging {
class PhotoDecoder;
class TSPIQxDIB;
}  // namespace kasumori::imaging
namespace kasumori::library {
struct FolderState;
struct PhotoList;
}  // namespace kasumori::library
namespace kasumori::config {
struct Settings;
}

namespace kasumori::thumbs {

class ThumbnailCache;
class ThumbnailDecodeAhead;

enum class ThumbnailMode { List, Favourites };

// The photo a thumbnail is made for, and where the result and a failure go.
struct ThumbnailSubject {
  QString photoPath;
  int rotation = 0;  // 0, 1, 2, -1
  imaging::TQxDIB* target = nullptr;
  std::function<void(bool failed)> setFailed;
};

// Favourites mode: the subject of favourite number `index`, nothing for an unknown one.
using FavouriteSubjects = std::function<std::optional<ThumbnailSubject>(int index)>;

// A photo path that is not on disk may name a member of an archive: the extractor puts it
// into the temporary folder; nothing when there is no such member.
using ExtractedPhoto = library::ExtractedPhoto;
using ArchiveExtractor = std::function<std::optional<ExtractedPhoto>(const QString& path)>;

// Everything the maker reads and changes outside its own buffers. All references must outlive
// the maker.
struct ThumbnailMakerContext {
  const library::PhotoList& list;    // PhotoNames
  library::FolderState& folders;     // CurrentFolder; WatchEnabled is cleared on a failure
  const config::Settings& settings;  // Sharpness
  imaging::PhotoDecoder& decoder;
  ThumbnailCache& cache;                   // list mode: buffers, rotations, failed flags
  FavouriteSubjects favourites = {};       // favourites mode
  ArchiveExtractor extractArchived = {};   // default: nothing is ever found in an archive
  std::function<void()> redrawStrip = {};  // after a failed decoding step (direction 1, hover)
  std::function<void(bool busy)> busyCursor = {};  // the window skips it during a slideshow
};

class ThumbnailMaker {
 public:
  explicit ThumbnailMaker(ThumbnailMakerContext context);
  ~ThumbnailMaker();
  ThumbnailMaker(ThumbnailMaker&&) noexcept;

  // Makes the thumbnail of list position `index` (list mode) or favourite `index` (favourites
  // mode) into its buffer, and stores it at storePath ("" = do not store) when the photo came
  // from an edit record or an archive or is larger than the cell. False when no thumbnail
  // could be made; the caller shows a black one. Never throws for a bad photo or record.
  bool MakeThumbnail(ThumbnailMode mode, int index, const QString& storePath);
  // The photo files of the thumbnails about to be made, in the order they will be asked for:
  // the plain JPEG ones are decoded meanwhile on the second core.
  void DecodeAhead(const QStringList& photoPaths);

 private:
  class TemporaryFiles;
  struct LocatedPhoto {
    QString path;  // the file to decode
    ThumbnailEdits edits;
    bool record;     // made from an edit record
    bool extracted;  // taken out of an archive
  };
  std::optional<ThumbnailSubject> SubjectFor(ThumbnailMode mode, int index);
  // The photo file and its edits, through an archive and an edit record; nothing when missing.
  std::optional<LocatedPhoto> Locate(const ThumbnailSubject& subject,
                                     TemporaryFiles& temporaries) const;
  // The JPEG reduction the picture was decoded at; nothing when it could not be decoded.
  std::optional<int> Decode(const ThumbnailSubject& subject, const LocatedPhoto& photo,
                            imaging::TSPIQxDIB& decoded);
  void Render(const imaging::TQxDIB& decoded, ThumbnailEdits edits, int reduction,
              imaging::TQxDIB& thumbnail);
  bool Make(const ThumbnailSubject& subject, const QString& storePath, TemporaryFiles& temporaries);

  ThumbnailMakerContext context_;
  pixels::SharpenStage sharpen_;
  std::unique_ptr<ThumbnailDecodeAhead> ahead_;  // made at the first DecodeAhead
};

// Makes `maker` the cache's maker for the current list (CurrentFolder + PhotoNames[position]).
void ConnectThumbnailMaker(ThumbnailCache& cache, ThumbnailMaker& maker);

}  // namespace kasumori::thumbs
