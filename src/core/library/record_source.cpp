// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/record_source.h"

#include "library/record_names.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kasumori::library {

std::optional<QString> RecordSourcePath(const QString& recordPath) {
  const QFileInfo record(recordPath);
  const QString name = RecordSourceName(record.fileName());
  const QDir folder = record.absoluteDir();
  if (QFileInfo(folder.filePath(name)).isFile()) return folder.filePath(name);
  const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
  const auto found = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
    return entry.compare(name, Qt::CaseInsensitive) == 0;
  });
  if (found == entries.end()) return std::nullopt;
  return folder.filePath(*found);
}

}  // namespace kasumori::library
