// SPDX-License-Identifier: GPL-3.0-or-later
// The shooting date-time key. Only the first segment of a JPEG is looked at (a file whose first
// segment is not the Exif APP1, such as a JFIF-first file, has no key), and only IFD0's Exif
// pointer and the Exif IFD's DateTimeOriginal are followed. Every read is checked against the
// APP1 segment (JPEG) or the file (TIFF); anything out of bounds leaves the "no date" key.
#include "library/bounded_file.h"
#include "library/date_keys.h"
#include "library/exif_layout.h"
#include "library/photo_extensions.h"
#include "library/record_names.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <optional>
#include <vector>

namespace kasumori::library {
namespace {

namespace layout = exif_layout;

enum class ExifContainer { Jpeg, Tiff, None };

ExifContainer ContainerOf(const QString& listingExtension) {
  if (listingExtension == u".jpg" || listingExtension == u".jpe" || listingExtension == u".jpeg") {
    return ExifContainer::Jpeg;
  }
  if (listingExtension == u".tif" || listingExtension == u".tiff") return ExifContainer::Tiff;
  return ExifContainer::None;
}

class TiffReader {
 public:
  TiffReader(BoundedFile& file, std::uint64_t base) : file_(file), base_(base) {}

  bool ReadHeader(std::uint32_t& firstIfd) {
    std::uint8_t header[layout::kTiffHeaderSize];
    if (!file_.Read(base_, sizeof header, header)) return false;
    littleEndian_ = header[0] == 'I' && header[1] == 'I';
    firstIfd = U32(header + layout::kFirstIfdOffsetField);
    return true;
  }

  // The 12-byte entries of the IFD at `offset` from the TIFF header.
  std::optional<std::vector<std::uint8_t>> ReadIfd(std::uint32_t offset) {
    std::uint8_t countBytes[layout::kIfdCountSize];
    if (!file_.Read(base_ + offset, sizeof countBytes, countBytes)) return std::nullopt;
    std::vector<std::uint8_t> entries(std::size_t(U16(countBytes)) * layout::kIfdEntrySize);
    if (!file_.Read(base_ + offset + layout::kIfdCountSize, entries.size(), entries.data())) {
      return std::nullopt;
    }
    return entries;
  }

  bool ReadAt(std::uint32_t offset, std::size_t count, void* out) {
    return file_.Read(base_ + offset, count, out);
  }

  std::uint16_t U16(const std::uint8_t* p) const {
    return littleEndian_ ? std::uint16_t(p[0] | p[1] << 8) : std::uint16_t(p[0] << 8 | p[1]);
  }
  std::uint32_t U32(const std::uint8_t* p) const {
    return littleEndian_ ? std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                               std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24
                         : std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 |
                               std::uint32_t(p[2]) << 8 | std::uint32_t(p[3]);
  }

 private:
  BoundedFile& file_;
  std::uint64_t base_;
  bool littleEndian_ = true;
};

// The key of a "YYYY:MM:DD hh:mm:ss" text; nothing when a digit position holds no digit
// (cameras write blanks for an unknown date).
std::optional<DateKey> KeyOfDateTimeText(const char* text) {
  DateKey key;
  for (std::size_t i = 0; i < key.digits.size(); ++i) {
    const char c = text[layout::kDateTimeDigitPositions[i]];
    if (c < '0' || c > '9') return std::nullopt;
    key.digits[i] = c;
  }
  return key;
}

// Later DateTimeOriginal entries overwrite earlier ones.
void ScanExifIfd(TiffReader& tiff, std::uint32_t offset, DateKey& key) {
  const auto entries = tiff.ReadIfd(offset);
  if (!entries) return;
  for (std::size_t at = 0; at < entries->size(); at += layout::kIfdEntrySize) {
    const std::uint8_t* entry = entries->data() + at;
    if (tiff.U16(entry) != layout::kDateTimeOriginalTag) continue;
    char text[layout::kDateTimeTextSize];
    if (!tiff.ReadAt(tiff.U32(entry + layout::kEntryValueField), sizeof text, text)) continue;
    if (const auto found = KeyOfDateTimeText(text)) key = *found;
  }
}

DateKey ReadTiffDate(BoundedFile& file, std::uint64_t base) {
  TiffReader tiff(file, base);
  DateKey key = kNoExifDate;
  std::uint32_t firstIfd = 0;
  if (!tiff.ReadHeader(firstIfd)) return key;
  const auto entries = tiff.ReadIfd(firstIfd);
  if (!entries) return key;
  for (std::size_t at = 0; at < entries->size(); at += layout::kIfdEntrySize) {
    const std::uint8_t* entry = entries->data() + at;
    if (tiff.U16(entry) != layout::kExifIfdPointerTag) continue;
    if (tiff.U32(entry + layout::kEntryCountField) != 1) continue;
    ScanExifIfd(tiff, tiff.U32(entry + layout::kEntryValueField), key);
  }
  return key;
}

// Narrows the file to its first segment when that is the Exif APP1; false otherwise.
bool FindJpegExif(BoundedFile& file) {
  std::uint8_t probe[layout::kJpegProbeSize];
  if (!file.Read(0, sizeof probe, probe)) return false;
  if (probe[layout::kMarkerOffset] != layout::kMarkerPrefix ||
      probe[layout::kMarkerOffset + 1] != layout::kApp1Marker) {
    return false;
  }
  if (std::memcmp(probe + layout::kExifSignatureOffset, layout::kExifSignature,
                  sizeof layout::kExifSignature) != 0) {
    return false;
  }
  const std::uint32_t length = std::uint32_t(probe[layout::kSegmentLengthOffset]) << 8 |
                               probe[layout::kSegmentLengthOffset + 1];
  file.LimitTo(layout::kSegmentLengthOffset + length);
  return true;
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
  const ExifContainer container = ContainerOf(extension);
  if (container == ExifContainer::None) return kNoExifDate;
  BoundedFile file(target);
  if (!file.IsOpen()) return kNoExifDate;
  switch (container) {
    case ExifContainer::Jpeg:
      return FindJpegExif(file) ? ReadTiffDate(file, layout::kJpegTiffStart) : kNoExifDate;
    case ExifContainer::Tiff:
      return ReadTiffDate(file, 0);
    case ExifContainer::None:
      break;
  }
  return kNoExifDate;
}

DateKey ReadExifDateKey(const QString& path) { return ReadExifDateKey(path, nullptr); }

QString ExifDateKey(const QString& path) { return ReadExifDateKey(path).Text(); }

}  // namespace kasumori::library
