// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/stored_archives.h"

#include <iconv.h>
#include <zlib.h>

#include <cstdint>
#include <stdexcept>

namespace kasumori::testkit {

namespace {

void Le16(QByteArray& out, std::uint32_t value) {
  out.append(char(value & 0xFF));
  out.append(char((value >> 8) & 0xFF));
}

void Le32(QByteArray& out, std::uint32_t value) {
  Le16(out, value & 0xFFFF);
  Le16(out, value >> 16);
}

void SetLe16(QByteArray& bytes, qsizetype at, std::uint32_t value) {
  bytes[at] = char(value & 0xFF);
  bytes[at + 1] = char((value >> 8) & 0xFF);
}

QByteArray Replaced(QByteArray name, char from, char to) { return name.replace(from, to); }

// ---- LZH ----

constexpr char kLzhStored[] = "-lh0-";
constexpr char kLzhFolder[] = "-lhd-";
constexpr char kLzhDosAttribute = 0x20;
constexpr char kLzhCreatorMsDos = 'M';
constexpr char kLzhExtHeaderCrc = 0x00;
constexpr char kLzhExtFileName = 0x01;
constexpr char kLzhExtFolder = 0x02;
constexpr char kLzhFolderSeparator = char(0xFF);
constexpr char kLzhEnd = 0x00;

// CRC-16 as LHA computes it: polynomial 0xA001 (reflected 0x8005), starting at 0.
std::uint16_t LzhCrc16(const QByteArray& bytes) {
  std::uint16_t crc = 0;
  for (const char c : bytes) {
    crc ^= uchar(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  return crc;
}

// Levels 0 and 1 guard the fixed header (from its third byte on) by an 8-bit sum.
char LzhSum(const QByteArray& bytes) {
  unsigned sum = 0;
  for (const char c : bytes) sum += uchar(c);
  return char(sum & 0xFF);
}

// An extended header: its size (counting the size field itself), its type and its data.
QByteArray LzhExtension(char type, const QByteArray& data) {
  QByteArray out;
  Le16(out, std::uint32_t(3 + data.size()));
  out.append(type);
  out.append(data);
  return out;
}

// "a/b/c.jpg" splits into the folder "a\xFFb\xFF" of the extended header and the name "c.jpg".
struct LzhPath {
  QByteArray folder;
  QByteArray name;
};
LzhPath SplitLzhPath(const StoredMember& m) {
  const QByteArray path = m.folder ? m.name + '/' : m.name;
  const qsizetype slash = path.lastIndexOf('/');
  return {Replaced(path.left(slash + 1), '/', kLzhFolderSeparator), path.mid(slash + 1)};
}

QByteArray LzhCommon(const StoredMember& m, std::uint32_t sizeField, char level) {
  QByteArray out(m.folder ? kLzhFolder : kLzhStored);
  Le32(out, sizeField);
  Le32(out, std::uint32_t(m.data.size()));
  Le32(out, 0);  // DOS date and time at levels 0 and 1, Unix time at level 2: the epoch
  out.append(kLzhDosAttribute);
  out.append(level);
  return out;
}

QByteArray LzhLevel0(const StoredMember& m) {
  const QByteArray name = Replaced(m.folder ? m.name + '/' : m.name, '/', '\\');
  QByteArray body = LzhCommon(m, std::uint32_t(m.data.size()), 0);
  body.append(char(name.size()));
  body.append(name);
  Le16(body, LzhCrc16(m.data));
  return char(body.size()) + QByteArray(1, LzhSum(body)) + body;
}

QByteArray LzhLevel1(const StoredMember& m) {
  const LzhPath path = SplitLzhPath(m);
  const QByteArray extensions =
      path.folder.isEmpty() ? QByteArray() : LzhExtension(kLzhExtFolder, path.folder);
  // The size field counts the extended headers after the fixed one as well as the data.
  QByteArray body = LzhCommon(m, std::uint32_t(m.data.size() + extensions.size()), 1);
  body.append(char(path.name.size()));
  body.append(path.name);
  Le16(body, LzhCrc16(m.data));
  body.append(kLzhCreatorMsDos);
  // The fixed header ends with the size of the first extended header; each one's size field
  // then stands first in it, and a zero size ends the chain.
  QByteArray chain = extensions.isEmpty() ? QByteArray(2, kLzhEnd) : extensions + QByteArray(2, 0);
  body.append(chain.left(2));
  return char(body.size()) + QByteArray(1, LzhSum(body)) + body + chain.mid(2);
}

QByteArray LzhLevel2(const StoredMember& m) {
  const LzhPath path = SplitLzhPath(m);
  QByteArray extensions = LzhExtension(kLzhExtHeaderCrc, QByteArray(2, 0));
  extensions += LzhExtension(kLzhExtFileName, path.name);
  if (!path.folder.isEmpty()) extensions += LzhExtension(kLzhExtFolder, path.folder);
  extensions += QByteArray(2, kLzhEnd);
  QByteArray header;
  Le16(header, 0);  // the whole header's size, set below
  header.append(LzhCommon(m, std::uint32_t(m.data.size()), 2));
  Le16(header, LzhCrc16(m.data));
  header.append(kLzhCreatorMsDos);
  const qsizetype crcAt = header.size() + 3;  // after the header CRC extension's size and type
  header.append(extensions);
  SetLe16(header, 0, std::uint32_t(header.size()));
  // The header CRC covers the whole header with its own field still zero.
  SetLe16(header, crcAt, LzhCrc16(header));
  return header;
}

// ---- RAR 4 ----

constexpr char kRarMarker[] = "Rar!\x1A\x07\x00";
constexpr char kRarMainHeader = 0x73;
constexpr char kRarFileHeader = 0x74;
constexpr char kRarEndHeader = 0x7B;
constexpr std::uint32_t kRarLongBlock = 0x8000;  // a file header is always followed by data
constexpr std::uint32_t kRarUnicodeName = 0x0200;
constexpr std::uint32_t kRarFolder = 0x00E0;  // all dictionary bits set
constexpr std::uint32_t kRarEndFlags = 0x4000;
constexpr char kRarHostWindows = 2;
constexpr char kRarVersion29 = 29;
constexpr char kRarStored = 0x30;
constexpr std::uint32_t kWindowsFolderAttribute = 0x10;
constexpr std::uint32_t kWindowsFileAttribute = 0x20;

// A block: the low 16 bits of the CRC-32 of everything after the CRC field, then the rest.
QByteArray RarBlock(char type, std::uint32_t flags, const QByteArray& fields) {
  QByteArray rest(1, type);
  Le16(rest, flags);
  Le16(rest, std::uint32_t(2 + rest.size() + 2 + fields.size()));
  rest.append(fields);
  const auto crc = crc32(0, reinterpret_cast<const Bytef*>(rest.constData()), uInt(rest.size()));
  QByteArray block;
  Le16(block, std::uint32_t(crc & 0xFFFF));
  return block + rest;
}

// RAR's packed UTF-16: a high byte shared by some characters, then groups of four characters
// under a flag byte of 2-bit codes. Code 2 (the low byte, then the high byte) fits any
// character, so every group's flag byte is 0xAA.
QByteArray RarUnicodeName(const QByteArray& utf8) {
  const QString name = QString::fromUtf8(utf8);
  QByteArray ascii;
  for (const QChar c : name) ascii.append(c.unicode() < 0x80 ? char(c.unicode()) : '_');
  QByteArray packed = ascii + '\0' + '\0';  // the shared high byte, unused
  for (qsizetype i = 0; i < name.size(); ++i) {
    if (i % 4 == 0) packed.append(char(0xAA));
    Le16(packed, name[i].unicode());
  }
  return packed;
}

QByteArray RarFile(const StoredMember& m, RarNames names) {
  const QByteArray stored = Replaced(m.name, '/', '\\');
  const QByteArray name = names == RarNames::Unicode ? RarUnicodeName(stored) : stored;
  QByteArray fields;
  Le32(fields, std::uint32_t(m.data.size()));  // packed size
  Le32(fields, std::uint32_t(m.data.size()));  // unpacked size
  fields.append(kRarHostWindows);
  Le32(fields, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(m.data.constData()),
                                   uInt(m.data.size()))));
  Le32(fields, 0x00210000);  // 1980-01-01 00:00 in DOS form
  fields.append(kRarVersion29);
  fields.append(kRarStored);
  Le16(fields, std::uint32_t(name.size()));
  Le32(fields, m.folder ? kWindowsFolderAttribute : kWindowsFileAttribute);
  fields.append(name);
  std::uint32_t flags = kRarLongBlock;
  if (names == RarNames::Unicode) flags |= kRarUnicodeName;
  if (m.folder) flags |= kRarFolder;
  return RarBlock(kRarFileHeader, flags, fields) + m.data;
}

// ---- RAR 5 ----

constexpr char kRar5Marker[] = "Rar!\x1A\x07\x01\x00";
constexpr std::uint64_t kRar5MainHeader = 1;
constexpr std::uint64_t kRar5FileHeader = 2;
constexpr std::uint64_t kRar5EndHeader = 5;
constexpr std::uint64_t kRar5HasData = 0x0002;  // header flag: a data area size follows
constexpr std::uint64_t kRar5Folder = 0x0001;   // file flags
constexpr std::uint64_t kRar5HasCrc = 0x0004;
constexpr std::uint64_t kRar5HostWindows = 0;

// RAR 5 numbers: seven bits a byte, low bits first, the top bit saying "more follows".
void Vint(QByteArray& out, std::uint64_t value) {
  do {
    const char low = char(value & 0x7F);
    value >>= 7;
    out.append(value ? char(low | 0x80) : low);
  } while (value);
}

std::uint32_t Crc32Of(const QByteArray& bytes) {
  return std::uint32_t(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
}

// A header: the CRC-32 of what follows it, the size of what follows the size, then the type,
// the flags and the fields.
QByteArray Rar5Header(std::uint64_t type, std::uint64_t flags, const QByteArray& fields) {
  QByteArray body;
  Vint(body, type);
  Vint(body, flags);
  body.append(fields);
  QByteArray sized;
  Vint(sized, std::uint64_t(body.size()));
  sized.append(body);
  QByteArray header;
  Le32(header, Crc32Of(sized));
  return header + sized;
}

QByteArray Rar5File(const StoredMember& m) {
  QByteArray fields;
  // libarchive wants the data area's size in every file header, a folder's 0 too.
  Vint(fields, std::uint64_t(m.data.size()));
  Vint(fields, m.folder ? kRar5Folder : kRar5HasCrc);
  Vint(fields, std::uint64_t(m.data.size()));  // unpacked size
  Vint(fields, m.folder ? kWindowsFolderAttribute : kWindowsFileAttribute);
  if (!m.folder) Le32(fields, Crc32Of(m.data));
  Vint(fields, 0);  // compression: version 0, stored, the smallest dictionary
  Vint(fields, kRar5HostWindows);
  Vint(fields, std::uint64_t(m.name.size()));
  fields.append(m.name);
  return Rar5Header(kRar5FileHeader, kRar5HasData, fields) + m.data;
}

}  // namespace

QByteArray Cp932(const QString& name) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
  QByteArray in = name.toUtf8();
  QByteArray out(in.size() * 2 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = std::size_t(in.size());
  std::size_t outLeft = std::size_t(out.size());
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == std::size_t(-1)) throw std::runtime_error("not representable in CP932");
  out.truncate(out.size() - qsizetype(outLeft));
  return out;
}

QByteArray MakeStoredLzh(const std::vector<StoredMember>& members, LzhLevel level) {
  QByteArray out;
  for (const StoredMember& m : members) {
    switch (level) {
      case LzhLevel::Zero:
        out += LzhLevel0(m) + m.data;
        break;
      case LzhLevel::One:
        out += LzhLevel1(m) + m.data;
        break;
      case LzhLevel::Two:
        out += LzhLevel2(m) + m.data;
        break;
    }
  }
  out.append(kLzhEnd);
  return out;
}

QByteArray MakeStoredRar4(const std::vector<StoredMember>& members, RarNames names) {
  QByteArray out(kRarMarker, sizeof(kRarMarker) - 1);
  out += RarBlock(kRarMainHeader, 0, QByteArray(6, '\0'));  // two reserved fields
  for (const StoredMember& m : members) out += RarFile(m, names);
  out += RarBlock(kRarEndHeader, kRarEndFlags, {});
  return out;
}

QByteArray MakeStoredRar5(const std::vector<StoredMember>& members) {
  QByteArray out(kRar5Marker, sizeof(kRar5Marker) - 1);
  QByteArray archiveFlags;
  Vint(archiveFlags, 0);
  out += Rar5Header(kRar5MainHeader, 0, archiveFlags);
  for (const StoredMember& m : members) out += Rar5File(m);
  QByteArray endFlags;
  Vint(endFlags, 0);
  out += Rar5Header(kRar5EndHeader, 0, endFlags);
  return out;
}

}  // namespace kasumori::testkit
