// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its own files.
#pragma once

#include "platform/platform_services.h"
#include "config/settings.h"

#include <QString>

#include <functional>

namespace kasumori::config {

struct DataFolders {
  QString ProgramFolder;   // where the settings, Temp, Thumbnail and favourites live
  QString ResourceFolder;  // the executable's folder: Ksmdat, Manual, plug-ins (read only)
  QString TempFolder;
  QString ThumbnailFolder;
  QString DesktopFolder;
  QString DocumentsFolder;
  QString PicturesFolder;
  QString ProgramsFolder;
  QString CommonProgramsFolder;
  QString SystemFolder;

  QString SettingsPath() const;
  QString SlotCacheFolder(int slot) const;  // ThumbnailFolder/01 … /03
};

using WritableTest = std::function<bool(const QString& folder)>;

// True when a file can really be created in the folder (a permission bit alone does not tell,
// for example on a read-only mount).
bool CanCreateFilesIn(const QString& folder);

// Resolves every folder. The program folder is the executable's folder when files can be
// created there, else "Kasumori2" in the user's data home, so that an installed copy still keeps
// its settings.
DataFolders ResolveDataFolders(const QString& executableFolder,
                               const platform::SpecialFolders& special,
                               const WritableTest& writable = CanCreateFilesIn);

// Creates Temp, Thumbnail and Thumbnail/01..03 where they are missing. A folder that cannot be
// made is left out: the program still starts and works without it.
void CreateDataFolders(const DataFolders& folders);

}  // namespace kasumori::config
