// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_list.h"

#include "library/record_names.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace kasumori::records {

QStringList ListRecords(const QStringList& folderNames, const QString& photoOrRecordName) {
  const QString source = library::RecordSourceName(photoOrRecordName);
  const QString stem = library::CompanionRecordName(source).chopped(4).toLower();  // no ".ksm"
  // One pass over the folder instead of a thousand existence tests.
  QHash<QString, QString> byLowerName;
  for (const QString& name : folderNames) byLowerName.insert(name.toLower(), name);
  QStringList found;
  const auto probe = [&](const QString& lowerName) {
    const auto it = byLowerName.constFind(lowerName);
    if (it == byLowerName.constEnd()) return false;
    found << *it;
    return true;
  };
  probe(stem + QStringLiteral(".ksm"));
  for (int n = 1; n <= kLastRecordNumber; ++n) {
    const QString name = stem + u'-' + QString::number(n).rightJustified(3, u'0') + ".ksm";
    if (!probe(name) && n == kRecordSearchStop) break;
  }
  return found;
}

QStringList ListRecords(const QString& photoOrRecordPath) {
  const QFileInfo info(photoOrRecordPath);
  const QStringList names = QDir(info.path()).entryList(QDir::Files | QDir::Hidden);
  return ListRecords(names, info.fileName());
}

}  // namespace kasumori::records
