// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_file.h"

#include "archive/bounded_pass.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

namespace kasumori::archive {

namespace {

constexpr int kReadable = 1;

// The archiver libraries' patterns: "*" and "?" match any characters, "/" included.
bool Matches(const QString& pattern, const QString& name) {
  if (pattern.isEmpty() || pattern == u"*.*" || pattern == u"*") return true;
  QString expression;
  for (const QChar c : pattern) {
    expression += c == u'*'   ? QStringLiteral(".*")
                  : c == u'?' ? QStringLiteral(".")
                              : QRegularExpression::escape(QString(c));
  }
  return QRegularExpression(QRegularExpression::anchoredPattern(expression)).match(name).hasMatch();
}

// The type the content reads as, for a file whose name does not tell.
TArchiverType DetectType(const QString& fileName) {
  const std::optional<PassResult> pass = RunBoundedPass(kPassMemoryBytes, [&](int) {
    ArchiveReader reader(fileName, TArchiverType::atAutoDetect);
    return static_cast<int>(reader.Next() ? reader.DetectedType() : TArchiverType::atNone);
  });
  if (!pass || pass->code > static_cast<int>(TArchiverType::atNone)) return TArchiverType::atNone;
  return static_cast<TArchiverType>(pass->code);
}

// The entry list crosses from the pass as records of the name's UTF-8, a NUL, the declared
// size in decimal and a NUL: no entry name holds a NUL.
QByteArray EntryRecord(const ArchiveEntryInfo& entry) {
  return entry.name.toUtf8() + '\0' + QByteArray::number(entry.declaredSize) + '\0';
}

std::vector<ArchiveEntryInfo> ReadEntryRecords(const QByteArray& records) {
  std::vector<ArchiveEntryInfo> entries;
  const QList<QByteArray> fields = records.split('\0');
  // split() leaves an empty field after the last NUL, and a pass cut short a half record.
  for (qsizetype i = 0; i + 2 < fields.size(); i += 2) {
    ArchiveEntryInfo entry;
    entry.name = QString::fromUtf8(fields[i]);
    entry.declaredSize = fields[i + 1].toLongLong();
    entries.push_back(std::move(entry));
  }
  return entries;
}

// A ZIP's directory is read from the end of the file as it is stored, and entries are
// skipped by the sizes it gives: listing one decompresses nothing and so needs no memory
// bound, and the program's commonest archive lists without a child process. Other formats
// may decompress to list (a 7z's packed header, a tar.xz's stream).
bool ListsWithoutDecoding(TArchiverType type) { return type == TArchiverType::atZip; }

// Runs a header pass here or in a bounded child, as the format needs.
std::optional<PassResult> RunHeaderPass(TArchiverType type, const std::function<int(int)>& pass) {
  if (!ListsWithoutDecoding(type)) return RunBoundedPass(kPassMemoryBytes, pass);
  return PassResult{pass(-1), {}};
}

}  // namespace

TArchiveFile::TArchiveFile() = default;
TArchiveFile::~TArchiveFile() = default;

void TArchiveFile::SetFileName(const QString& fileName) {
  fileName_ = fileName;
  SetArchiverType(ArchiverTypeForExtension(fileName));
}

void TArchiveFile::SetArchiverType(TArchiverType type) {
  if (type == TArchiverType::atNone) return;
  CloseArchive();
  type_ = type;
  hasArchiver_ = false;
  if (type == TArchiverType::atAutoDetect) {
    hasArchiver_ = true;
    return;
  }
  if (!HasReader(type)) throw NoReaderError(type);
  hasArchiver_ = true;
}

TArchiverType TArchiveFile::ReadType() {
  if (!hasArchiver_) throw ArchiveError(kUnknownFormat);
  if (type_ != TArchiverType::atAutoDetect) return type_;
  const TArchiverType detected = DetectType(fileName_);
  if (detected == TArchiverType::atNone) throw ArchiveError(kUnknownFormat);
  return detected;
}

bool TArchiveFile::CheckedFile::operator==(const CheckedFile& other) const {
  return fileName == other.fileName && size == other.size && modified == other.modified &&
         type == other.type;
}

TArchiveFile::CheckedFile TArchiveFile::Fingerprint(TArchiverType type) const {
  const QFileInfo info(fileName_);
  if (!info.isFile()) return {};
  return {fileName_, info.size(), info.lastModified().toMSecsSinceEpoch(), type, 0};
}

int TArchiveFile::CheckArchive(int /*mode*/) {
  const TArchiverType type = ReadType();
  CheckedFile now = Fingerprint(type);
  if (now.fileName.isEmpty()) return 0;
  if (now == checked_) return checked_.result;
  const std::optional<PassResult> pass = RunHeaderPass(type, [&](int) {
    ArchiveReader reader(fileName_, type);
    // An archive with no entries at all is still an archive; one whose first header cannot be
    // read is not.
    return reader.IsOpen() && (reader.Next() || !reader.Damaged()) ? kReadable : 0;
  });
  now.result = pass && pass->code == kReadable ? kReadable : 0;
  checked_ = now;
  return now.result;
}

void TArchiveFile::OpenArchive(int /*mode*/) {
  const TArchiverType type = ReadType();
  nextListed_ = 0;
  if (ListsWithoutDecoding(type)) {
    listed_.clear();
    ArchiveReader reader(fileName_, type);
    while (reader.Next()) listed_.push_back(reader.Entry());
    return;
  }
  const std::optional<PassResult> pass = RunBoundedPass(kPassMemoryBytes, [&](int out) {
    ArchiveReader reader(fileName_, type);
    while (reader.Next()) {
      if (!WritePassOutput(out, EntryRecord(reader.Entry()))) break;
    }
    return 0;
  });
  listed_ = pass ? ReadEntryRecords(pass->output) : std::vector<ArchiveEntryInfo>();
  nextListed_ = 0;
}

int TArchiveFile::FindFirst(const QString& pattern, TIndividualInfo& info) {
  pattern_ = pattern;
  return Found(info);
}

int TArchiveFile::FindNext(TIndividualInfo& info) { return Found(info); }

int TArchiveFile::Found(TIndividualInfo& info) {
  while (nextListed_ < listed_.size()) {
    const ArchiveEntryInfo& entry = listed_[nextListed_++];
    if (!Matches(pattern_, entry.name)) continue;
    info.szFileName = entry.name.left(TIndividualInfo::kMaxFileName);
    info.dwOriginalSize = entry.declaredSize;
    return 0;
  }
  return -1;
}

void TArchiveFile::CloseArchive() {
  listed_.clear();
  nextListed_ = 0;
}

ExtractOutcome TArchiveFile::ExtractFiles(const QString& entryName, const QString& destination) {
  const TArchiverType type = ReadType();
  const std::optional<QStringList> components = SafeMemberPath(entryName);
  if (!components) return ExtractOutcome::Refused;
  const std::optional<PassResult> pass = RunBoundedPass(kPassMemoryBytes, [&](int) {
    ArchiveReader reader(fileName_, type);
    while (reader.Next()) {
      if (reader.Entry().name != entryName) continue;
      return static_cast<int>(WriteMember(reader, destination, *components, Limits));
    }
    return static_cast<int>(reader.Damaged() ? ExtractOutcome::Damaged : ExtractOutcome::NotFound);
  });
  // A pass that ended without an answer ran out of its memory bound in a decoder.
  if (!pass || pass->code > static_cast<int>(ExtractOutcome::WriteFailed)) {
    return ExtractOutcome::Damaged;
  }
  return static_cast<ExtractOutcome>(pass->code);
}

}  // namespace kasumori::archive
