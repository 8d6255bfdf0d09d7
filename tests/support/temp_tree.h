// SPDX-License-Identifier: GPL-3.0-or-later
// Real temporary folders for tests, filled by relative path.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "support/qt_printers.h"

namespace kasumori::testkit {

class TempTree {
 public:
  TempTree();
  QString Path() const { return dir_.path(); }
  QString Path(const QString& relative) const { return dir_.path() + '/' + relative; }
  // Creates the file (and its folders) with the contents.
  QString File(const QString& relative, const QByteArray& contents = "x");
  QString Folder(const QString& relative);
  bool Exists(const QString& relative) const;
  QByteArray Read(const QString& relative) const;

 private:
  QTemporaryDir dir_;
};

}  // namespace kasumori::testkit
