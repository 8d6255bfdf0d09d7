// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dng_fixture.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <vector>

namespace kasumori::testkit {

namespace {

enum Type : std::uint16_t {
  kByte = 1,
  kAscii = 2,
  kShort = 3,
  kLong = 4,
  kRational = 5,
  kSRational = 10
};

struct Entry {
  std::uint16_t tag;
  std::uint16_t type;
  std::uint32_t count;
  QByteArray data;  // the values, little-endian; placed after the directory when over 4 bytes
};

void Put16(QByteArray& b, std::uint32_t v) { b.append(char(v)).append(char(v >> 8)); }
void Put32(QByteArray& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(char(v >> (8 * i)));
}
QByteArray Shorts(std::initializer_list<std::uint32_t> values) {
  QByteArray b;
  for (auto v : values) Put16(b, v);
  return b;
}
QByteArray Longs(std::initializer_list<std::uint32_t> values) {
  QByteArray b;
  for (auto v : values) Put32(b, v);
  return b;
}

// A directory written at file offset `at`, followed by the values that do not fit its entries.
QByteArray Directory(const std::vector<Entry>& entries, std::uint32_t at) {
  const std::uint32_t directoryBytes = 2 + 12 * std::uint32_t(entries.size()) + 4;
  QByteArray directory, extra;
  Put16(directory, std::uint32_t(entries.size()));
  for (const Entry& e : entries) {
    Put16(directory, e.tag);
    Put16(directory, e.type);
    Put32(directory, e.count);
    if (e.data.size() > 4) {
      Put32(directory, at + directoryBytes + std::uint32_t(extra.size()));
      extra.append(e.data);
      if (extra.size() % 2) extra.append('\0');  // values start on word boundaries
    } else {
      directory.append(e.data.leftJustified(4, '\0'));
    }
  }
  Put32(directory, 0);
  return directory + extra;
}

std::vector<Entry> ExifEntries(const DngShot& shot) {
  const QByteArray date = shot.dateTimeOriginal + '\0';
  return {{33434, kRational, 1, Longs({1, shot.exposureDenominator})},
          {33437, kRational, 1, Longs({shot.fNumberTimes10, 10})},
          {34855, kShort, 1, Shorts({shot.iso})},
          {36867, kAscii, std::uint32_t(date.size()), date}};
}

}  // namespace

bool WriteDng(const QString& path, int width, int height, int red, int green, int blue,
              const DngShot& shot) {
  QByteArray pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool evenRow = y % 2 == 0, evenColumn = x % 2 == 0;
      Put16(pixels, std::uint32_t(evenRow && evenColumn     ? red
                                  : !evenRow && !evenColumn ? blue
                                                            : green));
    }
  }
  const QByteArray model("Kasumori Test DNG", 18);
  const QByteArray identity = Longs({1, 1, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 0, 1, 0, 1, 1, 1});
  std::vector<Entry> entries = {
      {254, kLong, 1, Longs({0})},
      {256, kLong, 1, Longs({std::uint32_t(width)})},
      {257, kLong, 1, Longs({std::uint32_t(height)})},
      {258, kShort, 1, Shorts({16})},
      {259, kShort, 1, Shorts({1})},
      {262, kShort, 1, Shorts({32803})},  // colour filter array
      {271, kAscii, 9, QByteArray("Kasumori", 9)},
      {272, kAscii, std::uint32_t(model.size()), model},
      {273, kLong, 1, Longs({0})},  // the strip offset, filled in below
      {274, kShort, 1, Shorts({1})},
      {277, kShort, 1, Shorts({1})},
      {278, kLong, 1, Longs({std::uint32_t(height)})},
      {279, kLong, 1, Longs({std::uint32_t(pixels.size())})},
      {284, kShort, 1, Shorts({1})},
      {33421, kShort, 2, Shorts({2, 2})},
      {33422, kByte, 4, QByteArray("\x00\x01\x01\x02", 4)},
      {34665, kLong, 1, Longs({0})},  // the Exif directory's offset, filled in below
      {50706, kByte, 4, QByteArray("\x01\x04\x00\x00", 4)},
      {50708, kAscii, std::uint32_t(model.size()), model},
      {50717, kLong, 1, Longs({65535})},
      {50721, kSRational, 9, identity},
      {50728, kRational, 3, Longs({1, 1, 1, 1, 1, 1})},
      {50778, kShort, 1, Shorts({21})},
  };
  if (shot.dateTimeOriginal.isEmpty()) {
    std::erase_if(entries, [](const Entry& e) { return e.tag == 34665; });
  }
  // Sizes do not depend on the offsets written, so the layout is planned with zeros first.
  const std::uint32_t directoryAt = 8;
  const std::uint32_t exifAt = directoryAt + std::uint32_t(Directory(entries, 0).size());
  const QByteArray exif =
      shot.dateTimeOriginal.isEmpty() ? QByteArray() : Directory(ExifEntries(shot), exifAt);
  const std::uint32_t pixelsAt = exifAt + std::uint32_t(exif.size());
  for (Entry& e : entries) {
    if (e.tag == 273) e.data = Longs({pixelsAt});
    if (e.tag == 34665) e.data = Longs({exifAt});
  }
  QByteArray file("II*\0", 4);
  Put32(file, directoryAt);
  file.append(Directory(entries, directoryAt)).append(exif).append(pixels);
  QFile out(path);
  return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

}  // namespace kasumori::testkit
