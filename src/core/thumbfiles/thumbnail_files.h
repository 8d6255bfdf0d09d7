// SPDX-License-Identifier: GPL-3.0-or-later
// Where a photo's cached thumbnail and its rotation sidecar live, and how they are kept.
#pragma once

#include <QString>

#include <optional>

namespace kasumori::thumbfiles {

inline constexpr int kThumbWidth = 80;
inline constexpr int kThumbHeight = 60;

// The thumbnail file of photo `name` in `folder` of slot 1..3 (whose root is `slotRoot`):
// ThumbnailFolder/0n/ + the folder from the slot root's last component on + base_ext.bmp.
// The folder part is created when missing.
QString ThumbnailPath(const QString& thumbnailFolder, int slot, const QString& slotRoot,
                      const QString& folder, const QString& name);

// The cache folder of `folder` that ThumbnailPath puts its thumbnails in; nothing is created.
QString ThumbnailFolderOf(const QString& thumbnailFolder, int slot, const QString& slotRoot,
                          const QString& folder);

// After a photo folder was renamed: its cache folder takes the new name, replacing what was
// left there by a folder of that name that is gone. False when it could not move; the old
// cache folder is then kept as it was.
bool MoveThumbnailFolder(const QString& from, const QString& to);

// The file name a photo's thumbnail gets: "IMG_0001.JPG" → "IMG_0001_JPG.bmp".
QString ThumbnailFileName(const QString& photoName);

// The sidecar beside a thumbnail file: the same path ending ".dat".
QString SidecarPath(const QString& thumbnailPath);

// The rotation a sidecar keeps (its second line, as a signed 8-bit value: 255 reads as −1);
// nothing when there is no readable sidecar.
std::optional<int> ReadSidecarRotation(const QString& sidecarPath);

// After the photo was turned: the old thumbnail and sidecar go, and a sidecar with "100" and
// the rotation is written unless the rotation is the one the photo has without a sidecar (the
// turn its camera recorded, 0 for most photos). False when the sidecar could not be written.
bool StoreRotation(const QString& thumbnailPath, int rotation, int rotationWithoutSidecar = 0);

// After the photo was deleted: its thumbnail and sidecar go, and their folder when emptied.
void RemoveThumbnailFiles(const QString& thumbnailPath);

}  // namespace kasumori::thumbfiles
