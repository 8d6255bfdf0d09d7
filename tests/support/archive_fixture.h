// SPDX-License-Identifier: GPL-3.0-or-later
// Archives for tests and the demo, written with libarchive: ZIPs with UTF-8 or CP932 names,
// the other kinds the viewer browses, and the hostile shapes (links, escaping names, lies).
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace kasumori::testkit {

struct ArchiveMember {
  enum class Kind { File, Folder, Symlink, Hardlink, Fifo };
  QString name;
  QByteArray data = {};
  Kind kind = Kind::File;
  QString linkTarget = {};
};

// ZIP names: UTF-8 with the UTF-8 flag, or CP932 without it, as Japanese Windows writes them.
enum class ZipNames { Utf8, Cp932 };
// The other kinds, by libarchive's writer format name: "7zip", "ustar", "pax", "cpio".
QByteArray MakeZip(const std::vector<ArchiveMember>& members, ZipNames names = ZipNames::Utf8);
QByteArray MakeArchive(const char* format, const std::vector<ArchiveMember>& members,
                       bool gzip = false);
// A 7z whose members are compressed by libarchive's coder of that name: "lzma1", "lzma2",
// "ppmd", "bzip2", "deflate" or "copy".
QByteArray MakeSevenZip(const std::vector<ArchiveMember>& members, const char* coder);

// Rewrites what the coders of a 7z from MakeSevenZip declare they need (the LZMA and LZMA2
// dictionary, the PPMd model) to 4 GiB, the most their properties can say, and mends the header
// checksums, so that the declaration is the only thing wrong with the archive. False when the
// archive has no such coder.
bool DeclareHugeDecoderMemory(QByteArray& sevenZip);

// Sets the uncompressed size every local and central header of the ZIP claims.
void ClaimZipSizes(QByteArray& zip, std::uint32_t size);
// Whether the first local header of the ZIP carries the UTF-8 name flag.
bool FirstZipNameIsUtf8(const QByteArray& zip);

}  // namespace kasumori::testkit
