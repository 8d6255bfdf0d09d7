// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/name_labels.h"

#include "library/record_names.h"

namespace kasumori::display {

namespace {
QString WithoutExtension(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? name : name.left(dot);
}
QString ExtensionOf(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot);
}
}  // namespace

NameLabels NameLabelsFor(const QString& fileName) {
  NameLabels labels;
  labels.Hint = fileName;
  if (!library::IsRecordName(fileName)) {
    labels.FileName = WithoutExtension(fileName);
    labels.Extension = ExtensionOf(fileName);
    return labels;
  }
  labels.FileName = WithoutExtension(library::RecordSourceName(fileName));
  const QString base = WithoutExtension(fileName);
  const qsizetype underscore = base.lastIndexOf(u'_');
  labels.Extension =
      (underscore < 0 ? QString() : base.mid(underscore + 1)) + ExtensionOf(fileName);
  return labels;
}

}  // namespace kasumori::display
