// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one archive member below a destination folder, and the rules that keep every write
// inside it: an archive is hostile input, its names and sizes are claims, not facts.
#pragma once

#include "archive/archive_reader.h"
#include "platform/limits.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace kasumori::archive {

inline constexpr std::int64_t kMaxMemberBytes = platform::limits::kMaxEntryBytes;
// What an extraction leaves free on the destination's file system, for everything else.
inline constexpr std::int64_t kKeepFreeBytes = std::int64_t{64} << 20;  // 64 MiB

struct ExtractLimits {
  std::int64_t maxMemberBytes = kMaxMemberBytes;
  std::int64_t keepFreeBytes = kKeepFreeBytes;
  // Past the floor, a member that grows to more than this many times the archive bytes read
  // so far is a bomb whatever room is left.
  std::int64_t maxCompressionRatio = platform::limits::kMaxCompressionRatio;
  std::int64_t ratioFloorBytes = platform::limits::kCompressionRatioFloorBytes;
  // The bytes free for this user on the folder's file system; QStorageInfo's when unset.
  std::function<std::int64_t(const QString& folder)> availableBytes;
};

enum class ExtractOutcome {
  Extracted,
  NotFound,    // no file entry of that name
  Refused,     // the name would leave the destination, or the entry is a link or device
  TooLarge,    // the data grew past the member bound or the compression ratio believed
  NoSpace,     // the data grew past the free space
  Damaged,     // the archive could not be read to the end of the member
  WriteFailed  // the destination could not be written
};

// The entry name's folders and file name when it stays inside any destination: not absolute,
// no empty, "." or ".." component, no NUL; nothing otherwise. A trailing "/" (a folder) is not
// a member name either.
std::optional<QStringList> SafeMemberPath(const QString& entryName);

// Writes the reader's current entry to destination/components, replacing what is there. The
// folders on the way are made; a file or link standing where one of them must be is replaced
// by the folder, so nothing is ever written through a link. The data goes to a fresh file
// that takes the name only when it is complete.
ExtractOutcome WriteMember(ArchiveReader& reader, const QString& destination,
                           const QStringList& components, const ExtractLimits& limits);

}  // namespace kasumori::archive
