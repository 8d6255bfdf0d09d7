// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/record_names.h"

namespace kasumori::library {
namespace {

constexpr qsizetype kRecordExtensionLength = 4;  // ".ksm"
constexpr qsizetype kNumberSuffixLength = 4;     // "-NNN"

bool IsRecordNumber(QStringView digits) {
  if (digits.size() != 3) return false;
  for (QChar c : digits) {
    if (c < u'0' || c > u'9') return false;
  }
  return digits != u"000";
}

}  // namespace

QString CompanionRecordName(const QString& photoName) {
  const qsizetype dot = photoName.lastIndexOf(u'.');
  if (dot < 0) return photoName + QStringLiteral("_.ksm");
  return photoName.left(dot) + u'_' + photoName.mid(dot + 1).toLower() + QStringLiteral(".ksm");
}

bool IsRecordName(const QString& fileName) {
  return fileName.endsWith(QStringLiteral(".ksm"), Qt::CaseInsensitive);
}

QString UnnumberedRecordName(const QString& recordName) {
  if (!IsRecordName(recordName)) return recordName;
  const qsizetype stemEnd = recordName.size() - kRecordExtensionLength;
  if (stemEnd < kNumberSuffixLength) return recordName;
  const QStringView suffix =
      QStringView(recordName).mid(stemEnd - kNumberSuffixLength, kNumberSuffixLength);
  if (suffix[0] != u'-' || !IsRecordNumber(suffix.mid(1))) return recordName;
  return recordName.left(stemEnd - kNumberSuffixLength) + recordName.mid(stemEnd);
}

QString RecordSourceName(const QString& fileName) {
  if (!IsRecordName(fileName)) return fileName;
  const QString stem = fileName.left(fileName.size() - kRecordExtensionLength);
  const qsizetype underscore = stem.lastIndexOf(u'_');
  if (underscore < 0) return fileName;
  const QString rest = stem.mid(underscore + 1);
  const qsizetype hyphen = rest.lastIndexOf(u'-');
  const QString extension = hyphen < 0 ? rest : rest.left(hyphen);
  return stem.left(underscore) + u'.' + extension;
}

}  // namespace kasumori::library
