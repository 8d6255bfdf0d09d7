// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_cache.h"

#include "imaging/errors.h"
#include "thumbs/camera_rotation.h"
#include "thumbfiles/thumbnail_files.h"

#include <QFile>
#include <QFileInfo>

namespace kasumori::thumbs {

ThumbnailCache::ThumbnailCache(const library::PhotoList& list, const library::FolderState& folders,
                               const config::Settings& settings, QString thumbnailFolder,
                               library::LoadFailedFlags& loadFailed)
    : list_(list),
      folders_(folders),
      settings_(settings),
      thumbnailFolder_(std::move(thumbnailFolder)),
      loadFailed_(loadFailed),
      buffers_(library::kMaxPhotos + 1),
      loaded_(library::kMaxPhotos + 1, false),
      rotation_(library::kMaxPhotos + 1, 0),
      rotationKnown_(library::kMaxPhotos + 1, false) {}

void ThumbnailCache::Reset() {
  loaded_.assign(loaded_.size(), false);
  rotation_.assign(rotation_.size(), 0);
  rotationKnown_.assign(rotationKnown_.size(), false);
  loadFailed_.Reset();
}

QString ThumbnailCache::ThumbnailPathFor(int slot, const QString& folder,
                                         const QString& name) const {
  if (slot < 1 || slot > library::kSlotCount) return QString();
  return thumbfiles::ThumbnailPath(thumbnailFolder_, slot, settings_.PhotoFolder(slot), folder,
                                   name);
}

QString ThumbnailCache::CurrentThumbnailPath(const QString& name) const {
  return ThumbnailPathFor(folders_.CurrentSlot, folders_.CurrentFolder, name);
}

imaging::TQxDIB& ThumbnailCache::Buffer(int position) {
  auto& buffer = buffers_[Index(InRange(position) ? position : 0)];
  if (!buffer) {
    buffer = std::make_unique<imaging::TQxDIB>();
    buffer->Reshape(thumbfiles::kThumbWidth, thumbfiles::kThumbHeight, 24);
  }
  return *buffer;
}

void ThumbnailCache::MarkNotLoaded(int position) {
  if (InRange(position)) loaded_[Index(position)] = false;
}

void ThumbnailCache::SetRotation(int position, int rotation) {
  if (!InRange(position)) return;
  rotation_[Index(position)] = std::int8_t(rotation);
  rotationKnown_[Index(position)] = true;
}

std::optional<int> ThumbnailCache::StoredRotation(const QString& thumbnailPath) const {
  if (thumbnailPath.isEmpty()) return std::nullopt;
  return thumbfiles::ReadSidecarRotation(thumbfiles::SidecarPath(thumbnailPath));
}

// Asked for lazily, so that a strip of cached thumbnails never opens the photos themselves.
int ThumbnailCache::Rotation(int position) {
  if (!InRange(position)) return 0;
  if (!rotationKnown_[Index(position)] && position <= list_.PhotoCount) {
    const QString& name = list_.Name(position);
    if (name.isEmpty()) return 0;
    const std::optional<int> stored = StoredRotation(CurrentThumbnailPath(name));
    SetRotation(position, stored ? *stored : CameraRotation(folders_.CurrentFolder + u'/' + name));
  }
  return rotation_[Index(position)];
}

void ThumbnailCache::MakeBlack(int position) {
  imaging::TQxDIB& buffer = Buffer(position);
  buffer.Reshape(thumbfiles::kThumbWidth, thumbfiles::kThumbHeight, 24);
  for (int y = 0; y < thumbfiles::kThumbHeight; ++y)
    std::fill_n(buffer.ScanLine(y), thumbfiles::kThumbWidth * 3, 0);
}

// A cache file that cannot be read is taken as missing: it is deleted and made again.
bool ThumbnailCache::LoadCached(int position, const QString& path) {
  if (path.isEmpty() || !QFileInfo::exists(path)) return false;
  try {
    imaging::TQxDIB loaded;
    loaded.LoadFromFile(path);
    if (loaded.Width() == thumbfiles::kThumbWidth && loaded.Height() == thumbfiles::kThumbHeight) {
      loaded.SetPixelFormat(imaging::TQxPixelFormat::Bit24);
      Buffer(position).Assign(loaded);
      return true;
    }
  } catch (const std::exception&) {
  }
  QFile::remove(path);
  return false;
}

void ThumbnailCache::Upcoming(const std::vector<int>& positions) {
  if (!ahead_) return;
  QStringList photos;
  for (const int position : positions) {
    if (!InRange(position) || position > list_.PhotoCount || loaded_[Index(position)] ||
        loadFailed_.Get(position))
      continue;
    const QString& name = list_.Name(position);
    if (name.isEmpty()) continue;
    const QString cached = folders_.CurrentSlot > 0 ? CurrentThumbnailPath(name) : QString();
    if (cached.isEmpty() || !QFileInfo::exists(cached))
      photos << folders_.CurrentFolder + u'/' + name;
  }
  ahead_(photos);
}

void ThumbnailCache::Fetch(int position) {
  if (!InRange(position) || position > list_.PhotoCount) return;
  const QString& name = list_.Name(position);
  if (name.isEmpty()) return;
  QString path;
  if (folders_.CurrentSlot > 0) {
    path = CurrentThumbnailPath(name);
    if (const std::optional<int> rotation = StoredRotation(path)) SetRotation(position, *rotation);
  }
  Buffer(position);
  if (!LoadCached(position, path)) {
    const bool made = !loadFailed_.Get(position) && maker_ && maker_(position, path);
    if (!made) MakeBlack(position);
  }
  loaded_[Index(position)] = true;
}

}  // namespace kasumori::thumbs
