// SPDX-License-Identifier: GPL-3.0-or-later
// The archive component: the one object through which every archive is checked, listed and
// extracted. It keeps the archiver-library interface the program was written against (check,
// open, find first, find next, close, extract), with libarchive doing the reading. Every read
// runs as a bounded pass (bounded_pass.h): an archive that declares more decoder memory than
// kPassMemoryBytes reads as damaged.
#pragma once

#include "archive/archive_reader.h"
#include "archive/archiver_types.h"
#include "archive/member_writer.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kasumori::archive {

// The entry record of find first and find next.
struct TIndividualInfo {
  static constexpr int kMaxFileName = 513;
  QString szFileName;  // "/"-separated, folders ending in "/"; at most 513 characters
  std::int64_t dwOriginalSize = -1;
};

// The switches the program sets; every other switch of the archiver libraries is left at its
// default, which here means "not given".
struct TArchiverOptions {
  int c = 1;    // overwrite an existing file
  int n = 1;    // no progress display
  int jse = 1;  // ignore errors of the self-extractor
  int jso = 1;  // keep the owner window
};

class TArchiveFile {
 public:
  TArchiveFile();
  ~TArchiveFile();
  TArchiveFile(const TArchiveFile&) = delete;
  TArchiveFile& operator=(const TArchiveFile&) = delete;

  const QString& FileName() const { return fileName_; }
  // Also selects the type by the extension; an unknown extension leaves the type as it was.
  void SetFileName(const QString& fileName);
  TArchiverType ArchiverType() const { return type_; }
  // A new reader for the type. atNone changes nothing; a type this build cannot read raises
  // its missing-library error, atGCA and atBel the unidentified-format one.
  void SetArchiverType(TArchiverType type);

  TArchiverOptions Options;
  ExtractLimits Limits;

  // Non-zero in the lower 15 bits when the file reads as an archive of its type.
  int CheckArchive(int mode);
  // Reads the entry list in one pass; a damaged archive lists the entries before the damage.
  void OpenArchive(int mode);
  // 0 when an entry was found ("*.*" and "*" match every entry); -1 at the end.
  int FindFirst(const QString& pattern, TIndividualInfo& info);
  int FindNext(TIndividualInfo& info);
  void CloseArchive();
  // Writes the file entry with its inner folders below destination, replacing what is there.
  // The outcome says what happened; a failed extraction leaves no file behind.
  ExtractOutcome ExtractFiles(const QString& entryName, const QString& destination);

 private:
  // The type to read the file as; raises when there is no archiver object.
  TArchiverType ReadType();
  int Found(TIndividualInfo& info);

  // The last check's answer, for the same file unchanged and the same type: listing a folder,
  // then showing and making thumbnails of its photos, checks one archive many times over.
  struct CheckedFile {
    QString fileName;
    std::int64_t size = -1;
    std::int64_t modified = 0;  // ms since the epoch
    TArchiverType type = TArchiverType::atNone;
    int result = 0;
    bool operator==(const CheckedFile& other) const;
  };
  CheckedFile Fingerprint(TArchiverType type) const;

  CheckedFile checked_;
  QString fileName_;
  TArchiverType type_ = TArchiverType::atAutoDetect;
  bool hasArchiver_ = false;
  std::vector<ArchiveEntryInfo> listed_;  // between open and close
  std::size_t nextListed_ = 0;
  QString pattern_;
};

}  // namespace kasumori::archive
