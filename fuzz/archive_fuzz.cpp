// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as a whole archive, read from memory as ZIP and as any kind: every entry is
// listed, and every file entry whose name passes the checks is extracted into a fresh folder.
// Afterwards that folder may hold only real folders and files, and the folder around
// it nothing but it: no name, link or size claim may reach outside.
#include "archive/archive_reader.h"
#include "archive/member_writer.h"
#include "fuzz_entries.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using namespace kasumori::archive;
using kasumori::fuzz::Require;

// Enough entries and bytes to reach every reader path without making each run slow.
constexpr int kMaxEntries = 64;
constexpr std::int64_t kMaxFuzzMemberBytes = std::int64_t{4} << 20;

void CheckContained(const QString& around, const QString& destination) {
  const QStringList aroundEntries =
      QDir(around).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  Require(aroundEntries == QStringList{QFileInfo(destination).fileName()});
  QDirIterator walk(destination,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
  while (walk.hasNext()) {
    const QFileInfo entry(walk.next());
    Require(!entry.isSymLink());
    Require(entry.isDir() || entry.isFile());
  }
}

void Extract(const std::uint8_t* data, std::size_t size, TArchiverType type) {
  const QTemporaryDir around;
  Require(around.isValid());
  const QString destination = around.path() + QStringLiteral("/dest");
  ExtractLimits limits;
  limits.maxMemberBytes = kMaxFuzzMemberBytes;
  limits.ratioFloorBytes = 64 * 1024;  // so that small inputs reach the ratio check too
  limits.availableBytes = [](const QString&) { return std::int64_t{1} << 40; };

  ArchiveReader reader(reinterpret_cast<const char*>(data), size, type);
  QDir().mkpath(destination);
  for (int i = 0; i < kMaxEntries && reader.Next(); ++i) {
    const ArchiveEntryInfo& entry = reader.Entry();
    Require(entry.kind != EntryKind::Folder || entry.name.endsWith(u'/'));
    const std::optional<QStringList> components = SafeMemberPath(entry.name);
    if (!components) continue;
    const ExtractOutcome outcome = WriteMember(reader, destination, *components, limits);
    if (outcome == ExtractOutcome::Extracted) {
      const QFileInfo written(destination + u'/' + components->join(u'/'));
      Require(written.isFile() && !written.isSymLink());
      Require(written.size() <= kMaxFuzzMemberBytes);
    }
  }
  (void)reader.DetectedType();
  CheckContained(around.path(), destination);
}

}  // namespace

int kasumori::fuzz::FuzzArchive(const std::uint8_t* data, std::size_t size) {
  Extract(data, size, TArchiverType::atZip);
  Extract(data, size, TArchiverType::atAutoDetect);
  return 0;
}
