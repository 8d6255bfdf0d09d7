// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/fileops/list_after_file_op.h"

#include <algorithm>

namespace kasumori::library {

void KeepCurrentIndex(PhotoList& list, int indexBeforeScan) {
  list.CurrentIndex = std::clamp(indexBeforeScan, 0, list.PhotoCount);
}

void PlaceRenamedPhoto(PhotoList& list, int indexBeforeScan, const QString& newName) {
  KeepCurrentIndex(list, indexBeforeScan);
  list.ShownPhotoIndex = 0;
  for (int p = 1; p <= list.PhotoCount; ++p) {
    if (list.Name(p) == newName) {
      list.ShownPhotoIndex = p;
      break;
    }
  }
  if (list.ShownPhotoIndex != 0 && list.CurrentIndex == list.ShownPhotoIndex &&
      list.CurrentIndex < list.PhotoCount) {
    ++list.CurrentIndex;
  }
}

}  // namespace kasumori::library
