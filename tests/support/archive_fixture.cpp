// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/archive_fixture.h"

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>
#include <zlib.h>

#include <stdexcept>

namespace kasumori::testkit {

namespace {

constexpr char kLocalHeader[] = "PK\x03\x04";
constexpr char kCentralHeader[] = "PK\x01\x02";
constexpr int kLocalFlagsOffset = 6;
constexpr int kLocalSizeOffset = 22;
constexpr int kCentralSizeOffset = 24;
constexpr int kUtf8NameFlag = 0x0800;

// libarchive converts names through the thread's locale: names go in as UTF-8.
class Utf8Thread {
 public:
  Utf8Thread()
      : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0))),
        previous_(uselocale(utf8_)) {}
  ~Utf8Thread() {
    uselocale(previous_);
    freelocale(utf8_);
  }

 private:
  locale_t utf8_;
  locale_t previous_;
};

la_ssize_t Append(struct archive*, void* out, const void* data, size_t size) {
  static_cast<QByteArray*>(out)->append(static_cast<const char*>(data), qsizetype(size));
  return la_ssize_t(size);
}

void SetKind(struct archive_entry* entry, const ArchiveMember& member) {
  switch (member.kind) {
    case ArchiveMember::Kind::File:
      archive_entry_set_filetype(entry, AE_IFREG);
      archive_entry_set_size(entry, member.data.size());
      break;
    case ArchiveMember::Kind::Folder:
      archive_entry_set_filetype(entry, AE_IFDIR);
      break;
    case ArchiveMember::Kind::Symlink:
      archive_entry_set_filetype(entry, AE_IFLNK);
      archive_entry_set_symlink(entry, member.linkTarget.toUtf8().constData());
      break;
    case ArchiveMember::Kind::Hardlink:
      archive_entry_set_filetype(entry, AE_IFREG);
      archive_entry_set_hardlink(entry, member.linkTarget.toUtf8().constData());
      break;
    case ArchiveMember::Kind::Fifo:
      archive_entry_set_filetype(entry, AE_IFIFO);
      break;
  }
  archive_entry_set_perm(entry, member.kind == ArchiveMember::Kind::Folder ? 0755 : 0644);
}

QByteArray Write(struct archive* a, const std::vector<ArchiveMember>& members) {
  QByteArray out;
  if (archive_write_open(a, &out, nullptr, Append, nullptr) != ARCHIVE_OK) {
    throw std::runtime_error(archive_error_string(a));
  }
  for (const ArchiveMember& member : members) {
    struct archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, member.name.toUtf8().constData());
    SetKind(entry, member);
    archive_entry_set_mtime(entry, 1700000000, 0);
    archive_write_header(a, entry);
    if (member.kind == ArchiveMember::Kind::File && !member.data.isEmpty()) {
      archive_write_data(a, member.data.constData(), size_t(member.data.size()));
    }
    archive_entry_free(entry);
  }
  archive_write_close(a);
  archive_write_free(a);
  return out;
}

void PutLe16(QByteArray& bytes, qsizetype at, int value) {
  bytes[at] = char(value & 0xFF);
  bytes[at + 1] = char((value >> 8) & 0xFF);
}

void PutLe32(QByteArray& bytes, qsizetype at, std::uint32_t value) {
  PutLe16(bytes, at, int(value & 0xFFFF));
  PutLe16(bytes, at + 2, int(value >> 16));
}

std::uint64_t Le64(const QByteArray& bytes, qsizetype at) {
  std::uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | uchar(bytes[at + i]);
  return value;
}

std::uint32_t Crc32(const char* data, qsizetype size) {
  return std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(data), uInt(size)));
}

// The 7z start header: signature and version (8 bytes), the CRC of the next 20 bytes, then the
// next header's offset (from byte 32), size and CRC.
constexpr qsizetype k7zStartCrc = 8;
constexpr qsizetype k7zNextOffset = 12;
constexpr qsizetype k7zNextSize = 20;
constexpr qsizetype k7zNextCrc = 28;
constexpr qsizetype k7zStartHeaderSize = 32;

// A coder record in a 7z folder: a flag byte (id size, 0x20 for "has properties"), the id,
// the properties' size and the properties.
struct HugeDeclaration {
  QByteArray coder;  // flag byte, id and properties' size
  qsizetype offset;  // of the size field within the properties
  int bytes;         // of the size field: 4 little-endian, or 1 for LZMA2's code
  std::uint32_t value;
};
const HugeDeclaration kHugeDeclarations[] = {
    {QByteArray("\x23\x03\x01\x01\x05", 5), 1, 4, 0xFFFFFFFFu},  // LZMA: dictionary
    {QByteArray("\x21\x21\x01", 3), 0, 1, 40},                   // LZMA2: 40 is 4 GiB - 1
    {QByteArray("\x23\x03\x04\x01\x05", 5), 1, 4, 0xFFFFFFDBu},  // PPMd: the largest model
};

}  // namespace

QByteArray MakeZip(const std::vector<ArchiveMember>& members, ZipNames names) {
  Utf8Thread locale;
  struct archive* a = archive_write_new();
  archive_write_set_format_zip(a);
  archive_write_set_bytes_in_last_block(a, 1);
  if (names == ZipNames::Cp932) archive_write_set_options(a, "zip:hdrcharset=CP932");
  return Write(a, members);
}

QByteArray MakeArchive(const char* format, const std::vector<ArchiveMember>& members, bool gzip) {
  Utf8Thread locale;
  struct archive* a = archive_write_new();
  archive_write_set_format_by_name(a, format);
  if (gzip) archive_write_add_filter_gzip(a);
  archive_write_set_bytes_in_last_block(a, 1);
  return Write(a, members);
}

QByteArray MakeSevenZip(const std::vector<ArchiveMember>& members, const char* coder) {
  Utf8Thread locale;
  struct archive* a = archive_write_new();
  archive_write_set_format_7zip(a);
  archive_write_set_format_option(a, "7zip", "compression", coder);
  archive_write_set_bytes_in_last_block(a, 1);
  return Write(a, members);
}

bool DeclareHugeDecoderMemory(QByteArray& sevenZip) {
  if (sevenZip.size() < k7zStartHeaderSize) return false;
  const qsizetype header = k7zStartHeaderSize + qsizetype(Le64(sevenZip, k7zNextOffset));
  const qsizetype size = qsizetype(Le64(sevenZip, k7zNextSize));
  if (header + size > sevenZip.size()) return false;
  bool declared = false;
  for (const HugeDeclaration& d : kHugeDeclarations) {
    for (qsizetype at = sevenZip.indexOf(d.coder, header); at >= 0 && at < header + size;
         at = sevenZip.indexOf(d.coder, at + 1)) {
      const qsizetype field = at + d.coder.size() + d.offset;
      if (d.bytes == 1) {
        sevenZip[field] = char(d.value);
      } else {
        PutLe32(sevenZip, field, d.value);
      }
      declared = true;
    }
  }
  PutLe32(sevenZip, k7zNextCrc, Crc32(sevenZip.constData() + header, size));
  PutLe32(sevenZip, k7zStartCrc, Crc32(sevenZip.constData() + k7zNextOffset, 20));
  return declared;
}

void ClaimZipSizes(QByteArray& zip, std::uint32_t size) {
  const auto put32 = [&](qsizetype at) {
    PutLe16(zip, at, int(size & 0xFFFF));
    PutLe16(zip, at + 2, int(size >> 16));
  };
  for (qsizetype at = zip.indexOf(kLocalHeader); at >= 0; at = zip.indexOf(kLocalHeader, at + 4)) {
    put32(at + kLocalSizeOffset);
  }
  for (qsizetype at = zip.indexOf(kCentralHeader); at >= 0;
       at = zip.indexOf(kCentralHeader, at + 4)) {
    put32(at + kCentralSizeOffset);
  }
}

bool FirstZipNameIsUtf8(const QByteArray& zip) {
  const qsizetype at = zip.indexOf(kLocalHeader);
  if (at < 0) return false;
  const int flags =
      uchar(zip[at + kLocalFlagsOffset]) | (uchar(zip[at + kLocalFlagsOffset + 1]) << 8);
  return (flags & kUtf8NameFlag) != 0;
}

}  // namespace kasumori::testkit
