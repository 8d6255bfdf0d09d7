// SPDX-License-Identifier: GPL-3.0-or-later
// Moving and copying one file so that it is never lost: at every moment it is whole in its old
// place, its new place, or both, and a name that already exists is never overwritten.
#pragma once

#include "library/fileops/file_system.h"

namespace kasumori::library {

enum class MoveResult {
  Moved,             // the file is at `to` and gone from `from`
  CopiedSourceKept,  // the file is at `to`, but `from` could not be removed: two copies
  SourceMissing,     // nothing changed
  TargetExists,      // nothing changed
  NoSpace,           // nothing changed
  Failed,            // nothing changed
};

// True when the file is now at its new place.
inline bool Arrived(MoveResult r) {
  return r == MoveResult::Moved || r == MoveResult::CopiedSourceKept;
}

// A copy of `from` under a hidden temporary name beside `to`, its size and bytes checked
// against the source. On failure `temporary` is empty, `failure` says why, and nothing is left
// behind.
struct CheckedCopy {
  QString temporary;
  MoveResult failure = MoveResult::Failed;
  bool Ok() const { return !temporary.isEmpty(); }
};
CheckedCopy CopyChecked(FileSystem& fs, const QString& from, const QString& to, Flush flush);

// Within one file system a rename. Across file systems the file is copied to a hidden
// temporary name in the target folder, its size and bytes checked, renamed into place, and only
// then removed at its source. The file at its new place is always writable by its owner.
MoveResult MoveFileSafely(FileSystem& fs, const QString& from, const QString& to);

// Copies to a new name the same careful way; false, with no file at `to`, when it failed.
bool CopyFileSafely(FileSystem& fs, const QString& from, const QString& to);

// The name the copy of `from` is written to before it is renamed into place: hidden, in the
// folder of `to`, and free. A temporary left there by a copy that never finished (the program
// was killed, the machine went down) holds nothing but the first bytes of `from`, so it is
// removed and its name taken again; a file of that name holding anything else is left alone.
QString TemporaryCopyName(FileSystem& fs, const QString& from, const QString& to);

}  // namespace kasumori::library
