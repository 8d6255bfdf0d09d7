// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as an edit record: parsed, then its zoom window planned for a photo.
#include "fuzz_entries.h"
#include "records/edit_record.h"
#include "records/zoom_scale.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

int kasumori::fuzz::FuzzRecord(const std::uint8_t* data, std::size_t size) {
  using namespace kasumori::records;
  if (size > std::size_t(kMaxRecordBytes)) return 0;  // the reader refuses such files
  EditRecord record;
  try {
    record = ParseEditRecord(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
  } catch (const RecordError&) {
    return 0;
  }
  (void)MakeRecordZoom(record.ZoomOn, record.Magnification, record.ZoomCentreX, record.ZoomCentreY,
                       4000, 3000, 800);
  return 0;
}
