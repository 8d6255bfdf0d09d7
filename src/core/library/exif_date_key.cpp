// SPDX-License-Identifier: GPL-3.0-or-later
// The shooting date-time key, read by the same Exif reader as the information panel, so the
// order and the panel always agree on a photo's date.
#include "imaging/exif/exif_reader.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "imaging/photo_type.h"
#include "library/date_keys.h"
#include "library/photo_extensions.h"
#include "library/record_names.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace kasumori::library {
namespace {

// The digits of "YYYY:MM:DD hh:mm:ss" that make the key.
constexpr std::size_t kDateTimeDigitPositions[14] = {0, 1,  2,  3,  5,  6,  8,
                                                     9, 11, 12, 14, 15, 17, 18};

// Nothing when a digit position holds no digit (cameras write blanks for an unknown date).
std::optional<DateKey> KeyOfDateTimeText(const imaging::ExifDateTime& text) {
  DateKey key;
  for (std::size_t i = 0; i < key.digits.size(); ++i) {
    const char c = text[kDateTimeDigitPositions[i]];
    if (c < '0' || c > '9') return std::nullopt;
    key.digits[i] = c;
  }
  return key;
}

QString CaseExactName(const QString& folder, const QString& name) {
  if (QFileInfo::exists(folder + u'/' + name)) return name;
  const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
  for (const QString& candidate : names) {
    if (candidate.compare(name, Qt::CaseInsensitive) == 0) return candidate;
  }
  return QString();
}

}  // namespace

DateKey ReadExifDateKey(const QString& path, const SourceNameLookup& lookup) {
  QString target = path;
  QString extension = ListingExtension(QFileInfo(path).fileName());
  if (extension == u".ksm") {
    const QFileInfo record(path);
    const QString source = RecordSourceName(record.fileName());
    const QString found =
        lookup ? lookup(record.path(), source) : CaseExactName(record.path(), source);
    if (found.isEmpty()) return kNoExifDate;
    target = record.path() + u'/' + found;
    extension = ListingExtension(found);
  }
  // The listing's extension decides, as for the photo itself; a BMP carries no Exif, and the
  // plug-ins' formats are told apart by their content.
  const QString typeName = QStringLiteral("photo") + extension;
  if (imaging::PhotoTypeOf(typeName) == imaging::PhotoType::Bmp) return kNoExifDate;
  try {
    imaging::FileSource file(target);
    imaging::BlockCachedSource blocks(file);
    const auto text = imaging::ReadExifDateTimeOriginal(blocks, typeName);
    if (!text) return kNoExifDate;
    return KeyOfDateTimeText(*text).value_or(kNoExifDate);
  } catch (const imaging::ImagingError&) {
    return kNoExifDate;  // not readable: sorted as undated
  }
}

DateKey ReadExifDateKey(const QString& path) { return ReadExifDateKey(path, nullptr); }

QString ExifDateKey(const QString& path) { return ReadExifDateKey(path).Text(); }

}  // namespace kasumori::library
