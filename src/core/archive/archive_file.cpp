// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_file.h"

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
  ArchiveReader reader(fileName, TArchiverType::atAutoDetect);
  return reader.Next() ? reader.DetectedType() : TArchiverType::atNone;
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
  open_.reset();
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
  ArchiveReader reader(fileName_, type);
  // An archive with no entries at all is still an archive; one whose first header cannot be
  // read is not.
  now.result = reader.IsOpen() && (reader.Next() || !reader.Damaged()) ? kReadable : 0;
  checked_ = now;
  return now.result;
}

void TArchiveFile::OpenArchive(int /*mode*/) {
  open_ = std::make_unique<ArchiveReader>(fileName_, ReadType());
}

int TArchiveFile::FindFirst(const QString& pattern, TIndividualInfo& info) {
  pattern_ = pattern;
  return Found(info);
}

int TArchiveFile::FindNext(TIndividualInfo& info) { return Found(info); }

int TArchiveFile::Found(TIndividualInfo& info) {
  while (open_ && open_->Next()) {
    const ArchiveEntryInfo& entry = open_->Entry();
    if (!Matches(pattern_, entry.name)) continue;
    info.szFileName = entry.name.left(TIndividualInfo::kMaxFileName);
    info.dwOriginalSize = entry.declaredSize;
    return 0;
  }
  return -1;
}

void TArchiveFile::CloseArchive() { open_.reset(); }

ExtractOutcome TArchiveFile::ExtractFiles(const QString& entryName, const QString& destination) {
  ArchiveReader reader(fileName_, ReadType());
  const std::optional<QStringList> components = SafeMemberPath(entryName);
  if (!components) return ExtractOutcome::Refused;
  while (reader.Next()) {
    if (reader.Entry().name != entryName) continue;
    return WriteMember(reader, destination, *components, Limits);
  }
  return reader.Damaged() ? ExtractOutcome::Damaged : ExtractOutcome::NotFound;
}

}  // namespace kasumori::archive
