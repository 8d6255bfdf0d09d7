// SPDX-License-Identifier: GPL-3.0-or-later
// One pass over an archive's entries through libarchive: headers in archive order, and the data
// of the entry just read in blocks. Entry names come out as Unicode whatever the archive
// stored: UTF-8 (ZIP's UTF-8 flag, 7z, RAR, pax) or, as Japanese Windows writes ZIP and LHA
// names, CP932.
#pragma once

#include "archive/archiver_types.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

struct archive;

namespace kasumori::archive {

enum class EntryKind { File, Folder, Other };  // Other: links, devices, fifos, sockets

struct ArchiveEntryInfo {
  QString name;  // "/"-separated; a folder's ends in "/"
  EntryKind kind = EntryKind::Other;
  std::int64_t declaredSize = -1;  // what the header claims; -1 when it does not say
};

// Whether the bytes of a stored name are a ZIP UTF-8 name or a CP932 one is decided by the
// bytes themselves: valid UTF-8 is taken as UTF-8 (a CP932 Japanese name almost never is).
QString DecodeEntryName(const QByteArray& stored);

class ArchiveReader {
 public:
  // Opens the file as the type's kind: ZIP as ZIP only, the others as any of the archive kinds
  // libarchive reads without help from outside programs. atAutoDetect accepts any of them.
  ArchiveReader(const QString& path, TArchiverType type);
  // The same over an archive held in memory; the bytes must outlive the reader.
  ArchiveReader(const char* data, std::size_t size, TArchiverType type);
  ~ArchiveReader();
  ArchiveReader(const ArchiveReader&) = delete;
  ArchiveReader& operator=(const ArchiveReader&) = delete;

  bool IsOpen() const { return open_; }
  // Reads the next header; false at the end of the archive or where it is damaged.
  bool Next();
  const ArchiveEntryInfo& Entry() const { return entry_; }
  // False after a header or data block the library could not read.
  bool Damaged() const { return damaged_; }
  // The type the content was read as (for atAutoDetect), after the first header.
  TArchiverType DetectedType() const;

  enum class DataEnd { Complete, Stopped, Damaged };
  // Hands the current entry's data to the sink block by block; the sink returns false to stop.
  DataEnd ReadData(const std::function<bool(const char* data, std::size_t size)>& sink);
  // The archive's bytes read so far, compressed as they are stored: no entry's data so far
  // came from more than these.
  std::int64_t StoredBytesRead() const;

 private:
  struct Deleter {
    void operator()(struct archive* a) const;
  };
  std::unique_ptr<struct archive, Deleter> archive_;
  ArchiveEntryInfo entry_;
  bool open_ = false;
  bool damaged_ = false;
};

}  // namespace kasumori::archive
