// SPDX-License-Identifier: GPL-3.0-or-later
// The photo list of the current folder: fixed arrays of names and date keys in list order.
#pragma once

#include <QString>

#include <array>
#include <compare>
#include <string_view>

namespace kasumori::library {

inline constexpr int kMaxPhotos = 10000;
// Longest listed name in code points; longer names are not listed (never cut, so a listed name
// always opens the file it came from).
inline constexpr int kMaxNameLength = 255;

// A date-time as fourteen digits YYYYMMDDhhmmss. Keys compare character by character, which for
// these fixed-width digit strings is chronological order.
struct DateKey {
  std::array<char, 14> digits{};

  static constexpr DateKey Of(std::string_view text) {
    DateKey key;
    for (std::size_t i = 0; i < key.digits.size(); ++i) key.digits[i] = text[i];
    return key;
  }
  QString Text() const { return QString::fromLatin1(digits.data(), qsizetype(digits.size())); }
  auto operator<=>(const DateKey&) const = default;
};

// The key of a file whose last-write time cannot be read (every photo inside an archive).
inline constexpr DateKey kNoFileDate = DateKey::Of("00000000000000");
// The key of a photo without a shooting date; it sorts last in ascending order.
inline constexpr DateKey kNoExifDate = DateKey::Of("99999999999999");

// Positions are 1-based as everywhere in the program: 1..PhotoCount, 0 = none. The arrays are
// indexed from 0, so position p is element p - 1. The record is large (about 400 KB): the owner
// keeps it on the heap.
struct PhotoList {
  std::array<QString, kMaxPhotos> PhotoNames;
  std::array<DateKey, kMaxPhotos> FileDateKeys{};
  // Filled by the Exif order only; moves with its photo like the file date keys.
  std::array<DateKey, kMaxPhotos> ExifDateKeys{};
  int PhotoCount = 0;
  int CurrentIndex = 0;
  int ShownPhotoIndex = 0;

  bool Full() const { return PhotoCount >= kMaxPhotos; }
  // Adds a photo at the end; false (and nothing changes) when the list is full.
  bool Append(const QString& name, DateKey fileDate);
  // Empties the list and releases the names. The positions are left as they are.
  void Clear();

  const QString& Name(int position) const { return PhotoNames[std::size_t(position - 1)]; }
  // The first position whose name equals `name` ignoring case, or 0.
  int PositionOf(const QString& name) const;
};

}  // namespace kasumori::library
