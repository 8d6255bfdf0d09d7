// SPDX-License-Identifier: GPL-3.0-or-later
// The file-name and extension labels of a shown file.
#pragma once

#include <QString>

namespace kasumori::display {

struct NameLabels {
  QString FileName;   // FileNameLbl: the photo's name without extension
  QString Extension;  // ExtNameLbl: ".jpg", or for a record "jpg-002.ksm"
  QString Hint;       // both labels' hint: the file's own name
};

// For a record the name is that of the photo it stands for, and the extension the part of the
// record's name after its last "_" with the record's own extension.
NameLabels NameLabelsFor(const QString& fileName);

}  // namespace kasumori::display
