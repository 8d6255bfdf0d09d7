// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kasumori::testkit {

TempTree::TempTree() = default;

QString TempTree::File(const QString& relative, const QByteArray& contents) {
  const QString path = Path(relative);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(contents);
  return path;
}

QString TempTree::Folder(const QString& relative) {
  QDir().mkpath(Path(relative));
  return Path(relative);
}

bool TempTree::Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }

QByteArray TempTree::Read(const QString& relative) const {
  QFile file(Path(relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace kasumori::testkit
