// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/photo_location.h"

#include "library/record_names.h"

namespace kasumori::library {

int PositionOfFile(const PhotoList& list, const QString& fileName) {
  if (int position = list.PositionOf(fileName)) return position;
  if (int position = list.PositionOf(CompanionRecordName(fileName))) return position;
  return list.PhotoCount + 1;
}

}  // namespace kasumori::library
