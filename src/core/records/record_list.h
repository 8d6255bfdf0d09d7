// SPDX-License-Identifier: GPL-3.0-or-later
// The edit records of one source photo, found by name in the photo's folder.
#pragma once

#include <QString>
#include <QStringList>

namespace kasumori::records {

// Numbered records are probed in order up to -999, but a missing -019 ends the search: records
// past it were never made by the program, which numbers them without leaving that gap.
inline constexpr int kLastRecordNumber = 999;
inline constexpr int kRecordSearchStop = 19;

// `ListRecords` over a folder's names: the records of `photoOrRecordName` (a photo, or a record
// standing for it), the unnumbered one first and then by number. The source's extension is
// lowered for the search, and names match regardless of letter case, since records copied from
// other systems come in either spelling. The names are returned as the folder spells them.
QStringList ListRecords(const QStringList& folderNames, const QString& photoOrRecordName);

// The same for a path, reading the folder's file names once.
QStringList ListRecords(const QString& photoOrRecordPath);

}  // namespace kasumori::records
