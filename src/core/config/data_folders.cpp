// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/data_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace kasumori::config {

namespace {
QString WithoutTrailingSeparator(QString path) {
  while (path.size() > 1 && path.endsWith('/')) path.chop(1);
  return path;
}
}  // namespace

QString DataFolders::SettingsPath() const {
  return ProgramFolder + '/' + QLatin1String(kSettingsFileName);
}

QString DataFolders::SlotCacheFolder(int slot) const {
  return ThumbnailFolder + QStringLiteral("/0") + QString::number(slot);
}

bool CanCreateFilesIn(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  QTemporaryFile probe(folder + QStringLiteral("/.kasumori-write-test-XXXXXX"));
  return probe.open();
}

DataFolders ResolveDataFolders(const QString& executableFolder,
                               const platform::SpecialFolders& special,
                               const WritableTest& writable) {
  DataFolders f;
  f.DesktopFolder = special.Desktop();
  f.DocumentsFolder = special.Documents();
  f.PicturesFolder = special.Pictures();
  f.SystemFolder = special.System().left(300);
  f.ProgramsFolder = special.Programs();
  // The all-users folder is asked for only where the system folder is the classic SYSTEM32.
  bool classicSystem =
      QFileInfo(f.SystemFolder).fileName().compare("SYSTEM32", Qt::CaseInsensitive) == 0;
  f.CommonProgramsFolder = classicSystem ? special.CommonPrograms() : QString();
  if (f.CommonProgramsFolder.isEmpty()) f.CommonProgramsFolder = f.ProgramsFolder;

  f.ResourceFolder = WithoutTrailingSeparator(QDir::cleanPath(executableFolder));
  f.ProgramFolder = f.ResourceFolder;
  if (!writable(f.ProgramFolder)) {
    QString fallback = QDir::cleanPath(special.DataHome() + QStringLiteral("/Kasumori2"));
    QDir().mkpath(fallback);
    f.ProgramFolder = fallback;
  }
  f.TempFolder = f.ProgramFolder + QStringLiteral("/Temp");
  f.ThumbnailFolder = f.ProgramFolder + QStringLiteral("/Thumbnail");
  return f;
}

void CreateDataFolders(const DataFolders& folders) {
  QDir dir;
  if (!QFileInfo(folders.TempFolder).isDir()) dir.mkpath(folders.TempFolder);
  if (!QFileInfo(folders.ThumbnailFolder).isDir()) dir.mkpath(folders.ThumbnailFolder);
  for (int slot = 1; slot <= 3; ++slot) {
    QString cache = folders.SlotCacheFolder(slot);
    if (!QFileInfo(cache).isDir()) dir.mkpath(cache);
  }
}

}  // namespace kasumori::config
