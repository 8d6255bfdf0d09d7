// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourite_thumbnails.h"

#include "favourites/favourite_keys.h"
#include "library/folder_state.h"
#include "thumbfiles/thumbnail_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kasumori::favourites {

int PhotoFolderSlotOf(const QString& photoPath, const config::Settings& settings) {
  for (int slot = 1; slot <= library::kSlotCount; ++slot) {
    const QString& root = settings.PhotoFolder(slot);
    if (!root.isEmpty() && photoPath.startsWith(root, Qt::CaseInsensitive)) return slot;
  }
  return 0;
}

namespace {

// Names and folder parts are free text (a hand-edited file, or ".." typed as a folder name):
// a "/" must not open a sub-folder, nor "." or ".." leave the thumbnail folder. Full-width
// forms keep them readable.
QString PathPart(const QString& text) {
  QString part = QString(text).replace(u'/', QChar(0xFF0F));
  if (part == u"." || part == u"..") part.replace(u'.', QChar(0xFF0E));
  return part;
}

}  // namespace

QString OwnThumbnailPath(const QString& thumbnailFolder, const QString& favouritesFolder,
                         const QString& name) {
  QString folder = thumbnailFolder + QStringLiteral("/OK");
  if (!favouritesFolder.isEmpty()) {
    for (const QString& part : favouritesFolder.split(kKeySeparator))
      folder += u'/' + PathPart(part);
  }
  return folder + u'/' + thumbfiles::ThumbnailFileName(PathPart(name));
}

FavouriteThumbnails::FavouriteThumbnails(const config::Settings& settings, QString thumbnailFolder,
                                         LoadedFolder& folder)
    : settings_(settings), thumbnailFolder_(std::move(thumbnailFolder)), folder_(folder) {}

QString FavouriteThumbnails::ThumbnailPath(int number) const {
  const FavouriteEntry* entry = folder_.Entry(number);
  if (entry == nullptr) return QString();
  if (const int slot = PhotoFolderSlotOf(entry->PhotoPath, settings_); slot > 0) {
    const QFileInfo photo(entry->PhotoPath);
    return thumbfiles::ThumbnailPath(thumbnailFolder_, slot, settings_.PhotoFolder(slot),
                                     photo.path(), photo.fileName());
  }
  const QString path = OwnThumbnailPath(thumbnailFolder_, folder_.Path, entry->Name);
  QDir().mkpath(QFileInfo(path).path());
  return path;
}

void FavouriteThumbnails::DropLeftoverOwnThumbnail(const FavouriteEntry& entry) const {
  const QString own = OwnThumbnailPath(thumbnailFolder_, folder_.Path, entry.Name);
  if (QFile::remove(own)) QDir().rmdir(QFileInfo(own).path());
}

namespace {

void PaintBlack(imaging::TQxDIB& buffer) {
  buffer.Reshape(thumbfiles::kThumbWidth, thumbfiles::kThumbHeight, 24);
  for (int y = 0; y < thumbfiles::kThumbHeight; ++y) {
    std::fill_n(buffer.ScanLine(y), thumbfiles::kThumbWidth * 3, 0);
  }
}

// A thumbnail file that cannot be read as 80 × 60 is taken as missing and made again.
bool LoadThumbnailFile(const QString& path, imaging::TQxDIB& buffer) {
  if (!QFileInfo::exists(path)) return false;
  try {
    imaging::TQxDIB loaded;
    loaded.LoadFromFile(path);
    if (loaded.Width() == thumbfiles::kThumbWidth && loaded.Height() == thumbfiles::kThumbHeight) {
      loaded.SetPixelFormat(imaging::TQxPixelFormat::Bit24);
      buffer.Assign(loaded);
      return true;
    }
  } catch (const std::exception&) {
  }
  QFile::remove(path);
  return false;
}

}  // namespace

void FavouriteThumbnails::Load(int number) {
  FavouriteEntry* entry = folder_.Entry(number);
  if (entry == nullptr || entry->Name.isEmpty()) return;
  if (PhotoFolderSlotOf(entry->PhotoPath, settings_) > 0) DropLeftoverOwnThumbnail(*entry);
  const QString path = ThumbnailPath(number);
  if (QFileInfo::exists(path)) {
    const auto rotation = thumbfiles::ReadSidecarRotation(thumbfiles::SidecarPath(path));
    if (rotation) entry->Rotation = std::int8_t(*rotation);
  }
  if (!entry->Thumbnail) {
    entry->Thumbnail = std::make_unique<imaging::TQxDIB>();
    entry->Thumbnail->Reshape(thumbfiles::kThumbWidth, thumbfiles::kThumbHeight, 24);
  }
  if (!LoadThumbnailFile(path, *entry->Thumbnail)) {
    const bool made = !entry->Failed && maker_ && maker_(number, path);
    if (!made) PaintBlack(*entry->Thumbnail);
  }
  entry->Loaded = true;
}

void FavouriteThumbnails::Upcoming(const std::vector<int>& numbers) {
  if (!ahead_) return;
  QStringList photos;
  for (const int number : numbers) {
    const FavouriteEntry* entry = folder_.Entry(number);
    if (entry == nullptr || entry->Name.isEmpty() || entry->Loaded || entry->Failed) continue;
    if (!QFileInfo::exists(ThumbnailPath(number))) photos << entry->PhotoPath;
  }
  ahead_(photos);
}

thumbs::FavouriteSubjects FavouriteSubjectsOf(LoadedFolder& folder) {
  return [&folder](int index) -> std::optional<thumbs::ThumbnailSubject> {
    FavouriteEntry* entry = folder.Entry(index);
    if (entry == nullptr || !entry->Thumbnail) return std::nullopt;
    return thumbs::ThumbnailSubject{entry->PhotoPath, entry->Rotation, entry->Thumbnail.get(),
                                    [entry](bool failed) { entry->Failed = failed; }};
  };
}

}  // namespace kasumori::favourites
