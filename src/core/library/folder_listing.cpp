// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folder_listing.h"

#include "library/date_keys.h"
#include "library/record_names.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace kasumori::library {
namespace {

class DirectoryHandle {
 public:
  explicit DirectoryHandle(const QString& path)
      : dir_(::opendir(QFile::encodeName(path).constData())) {}
  ~DirectoryHandle() {
    if (dir_ != nullptr) ::closedir(dir_);
  }
  DirectoryHandle(const DirectoryHandle&) = delete;
  DirectoryHandle& operator=(const DirectoryHandle&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

bool IsDotEntry(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

bool MayBeFile(unsigned char type) {
  return type == DT_REG || type == DT_LNK || type == DT_UNKNOWN;
}

// The name as the program holds it, or "" when it cannot be held faithfully.
QString DecodedName(const char* raw) {
  const QString name = QFile::decodeName(raw);
  if (name.contains(QChar::ReplacementCharacter) && QFile::encodeName(name) != raw) {
    return QString();
  }
  if (CodePointCount(name) > kMaxNameLength) return QString();
  return name;
}

}  // namespace

bool ListFolderPhotos(const QString& folder, const PhotoExtensions& extensions,
                      std::vector<ListedPhoto>& photos) {
  if (!EnumeratePhotoFiles(folder, extensions, photos)) return false;
  DropPhotosWithRecords(photos);
  return true;
}

bool EnumeratePhotoFiles(const QString& folder, const PhotoExtensions& extensions,
                         std::vector<ListedPhoto>& photos) {
  photos.clear();
  const DirectoryHandle dir(folder);
  if (dir.get() == nullptr) return false;
  const int dirFd = ::dirfd(dir.get());
  while (const dirent* entry = ::readdir(dir.get())) {
    if (IsDotEntry(entry->d_name) || !MayBeFile(entry->d_type)) continue;
    // The extension test runs on the raw bytes' decoded name; most entries stop here.
    const QString name = DecodedName(entry->d_name);
    if (name.isEmpty() || !extensions.IsPhotoName(name)) continue;
    struct stat info {};
    if (::fstatat(dirFd, entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode)) continue;
    photos.push_back({name, FileDateKeyOfTime(info.st_mtim.tv_sec)});
  }
  return true;
}

QStringList ListSubFolders(const QString& folder) {
  QStringList names;
  const DirectoryHandle dir(folder);
  if (dir.get() == nullptr) return names;
  const int dirFd = ::dirfd(dir.get());
  while (const dirent* entry = ::readdir(dir.get())) {
    // Hidden folders (and "." and "..") stay out, as in the desktop's file manager.
    if (entry->d_name[0] == '.') continue;
    if (entry->d_type != DT_DIR) {
      if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) continue;
      struct stat info {};
      if (::fstatat(dirFd, entry->d_name, &info, 0) != 0 || !S_ISDIR(info.st_mode)) continue;
    }
    const QString name = DecodedName(entry->d_name);
    if (!name.isEmpty()) names << name;
  }
  return names;
}

void DropPhotosWithRecords(std::vector<ListedPhoto>& photos) {
  QSet<QString> records;
  for (const ListedPhoto& photo : photos) {
    // Only the unnumbered companion stands in for its photo; numbered records list beside it.
    if (IsRecordName(photo.name)) records.insert(photo.name.toCaseFolded());
  }
  if (records.isEmpty()) return;
  std::erase_if(photos, [&](const ListedPhoto& photo) {
    return records.contains(CompanionRecordName(photo.name).toCaseFolded());
  });
}

bool IsExistingFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

QString NearestExistingFolder(const QString& path) {
  QString candidate = path;
  while (!candidate.isEmpty()) {
    if (IsExistingFolder(candidate)) return candidate;
    const qsizetype slash = candidate.lastIndexOf(u'/');
    if (slash < 0) return QString();
    candidate = slash == 0 ? QStringLiteral("/") : candidate.left(slash);
    if (slash == 0 && !IsExistingFolder(candidate)) return QString();
  }
  return QString();
}

}  // namespace kasumori::library
