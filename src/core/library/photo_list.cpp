// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/photo_list.h"

namespace kasumori::library {

bool PhotoList::Append(const QString& name, DateKey fileDate) {
  if (Full()) return false;
  const auto i = std::size_t(PhotoCount);
  PhotoNames[i] = name;
  FileDateKeys[i] = fileDate;
  ExifDateKeys[i] = kNoExifDate;
  ++PhotoCount;
  return true;
}

void PhotoList::Clear() {
  for (int i = 0; i < PhotoCount; ++i) PhotoNames[std::size_t(i)] = QString();
  PhotoCount = 0;
}

int PhotoList::PositionOf(const QString& name) const {
  for (int i = 0; i < PhotoCount; ++i) {
    if (PhotoNames[std::size_t(i)].compare(name, Qt::CaseInsensitive) == 0) return i + 1;
  }
  return 0;
}

}  // namespace kasumori::library
