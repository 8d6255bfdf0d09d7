// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnails of the current photo list: one 80 × 60 buffer per list position, loaded from
// the disk cache or made on first use, with the rotation each photo's sidecar remembers (or,
// without one, the turn its camera recorded).
#pragma once

#include "imaging/dib/qx_dib.h"
#include "library/folder_state.h"
#include "library/load_failed_flags.h"
#include "library/photo_list.h"
#include "config/settings.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kasumori::thumbs {

class ThumbnailCache {
 public:
  // Makes the thumbnail of a position into its buffer and stores it at the path ("" = do not
  // store); false when the photo could not be made.
  using Maker = std::function<bool(int position, const QString& storePath)>;

  ThumbnailCache(const library::PhotoList& list, const library::FolderState& folders,
                 const config::Settings& settings, QString thumbnailFolder,
                 library::LoadFailedFlags& loadFailed);

  void SetMaker(Maker maker) { maker_ = std::move(maker); }
  // Given the photo files about to be made, in order, so their decoding can begin meanwhile.
  using DecodeAhead = std::function<void(const QStringList& photoPaths)>;
  void SetDecodeAhead(DecodeAhead ahead) { ahead_ = std::move(ahead); }

  // The list was rebuilt: no position is loaded, failed or rotated any more. The buffers
  // stay allocated and are refilled on demand.
  void Reset();

  // Makes sure the position's buffer holds its thumbnail.
  void Fetch(int position);
  // The positions about to be fetched, in order: those whose thumbnails will have to be made
  // from their photos begin decoding meanwhile.
  void Upcoming(const std::vector<int>& positions);

  // The cache file of a photo of the current folder; "" outside the slots.
  QString CurrentThumbnailPath(const QString& name) const;
  // The cache file of a photo of a slot's folder.
  QString ThumbnailPathFor(int slot, const QString& folder, const QString& name) const;

  imaging::TQxDIB& Buffer(int position);
  bool Loaded(int position) const { return InRange(position) && loaded_[Index(position)]; }
  void MarkNotLoaded(int position);
  // The photo's rotation code. The first ask after a rebuild reads the sidecar, and without one
  // (or outside the slots) the turn the photo's camera recorded.
  int Rotation(int position);
  void SetRotation(int position, int rotation);
  library::LoadFailedFlags& LoadFailed() { return loadFailed_; }

 private:
  static bool InRange(int position) { return position >= 1 && position <= library::kMaxPhotos; }
  static std::size_t Index(int position) { return std::size_t(position); }
  void MakeBlack(int position);
  bool LoadCached(int position, const QString& path);
  // The sidecar of the position when there is one; nothing otherwise.
  std::optional<int> StoredRotation(const QString& thumbnailPath) const;

  const library::PhotoList& list_;
  const library::FolderState& folders_;
  const config::Settings& settings_;
  QString thumbnailFolder_;
  library::LoadFailedFlags& loadFailed_;
  Maker maker_;
  DecodeAhead ahead_;
  std::vector<std::unique_ptr<imaging::TQxDIB>> buffers_;  // created on first use
  std::vector<bool> loaded_;
  std::vector<std::int8_t> rotation_;
  std::vector<bool> rotationKnown_;  // rotation_ holds the sidecar's, the camera's or a turn
};

}  // namespace kasumori::thumbs
