// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/photo_location.h"

#include "library/record_names.h"

namespace kasumori::library {

int SlotHoldingFolder(const shell::Settings& settings, const QString& folder) {
  for (int slot = 1; slot <= 3; ++slot) {
    const QString& root = settings.PhotoFolder(slot);
    if (!root.isEmpty() && folder.startsWith(root, Qt::CaseInsensitive)) return slot;
  }
  return 0;
}

int PositionOfFile(const PhotoList& list, const QString& fileName) {
  if (int position = list.PositionOf(fileName)) return position;
  if (int position = list.PositionOf(CompanionRecordName(fileName))) return position;
  return list.PhotoCount + 1;
}

}  // namespace kasumori::library
