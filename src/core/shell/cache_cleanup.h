// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly pruning of the thumbnail cache at exit, and the emptying of the temporary folder.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace kasumori::config {
struct DataFolders;
struct Settings;
}  // namespace kasumori::config

namespace kasumori::shell {

// The name of a slot's cache root: the last component of the slot's root folder ("D:" becomes
// "D："); empty when the slot is unset or its root has no last component.
QString SlotCacheName(const QString& slotRoot);

// The photo a cache file belongs to: "IMG_0001_jpg.bmp" → "IMG_0001.jpg",
// "P1000_tiff.dat" → "P1000.tiff"; nothing when the name does not follow that pattern.
std::optional<QString> CacheFileSource(const QString& cacheFileName);

// Prunes one slot's cache folder: cache folders of other roots go, and below the slot's own
// root, folders and thumbnails whose photo folder or photo no longer exists.
void CleanSlotCache(const QString& slotCacheFolder, const QString& slotRoot);

// "yyyymm" of the date.
QString CacheCleanMonth(const QDate& date);

// Cleans the caches of the three slots when the start month is later than the last cleaning
// and records the month; true when it cleaned.
bool MonthlyCacheCleanup(config::Settings& settings, const config::DataFolders& folders,
                         const QDate& startDate);

// Deletes every file and folder directly in the folder, permanently. Failures leave the entry.
void EmptyFolder(const QString& folder);

}  // namespace kasumori::shell
