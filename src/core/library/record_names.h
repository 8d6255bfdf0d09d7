// SPDX-License-Identifier: GPL-3.0-or-later
// How edit-record files (".ksm") are named after the photo they belong to:
//   photo B.X  ->  B_x.ksm  or  B_x-NNN.ksm  (x = X in lower case, NNN = 001..999)
#pragma once

#include <QString>

namespace kasumori::library {

// The unnumbered record name of a photo: IMG_0001.JPG -> IMG_0001_jpg.ksm. The whole
// extension is used (not the five-character listing extension).
QString CompanionRecordName(const QString& photoName);

// Whether the name ends in ".ksm" in any letter case.
bool IsRecordName(const QString& fileName);

// For a numbered record name (B_x-NNN.ksm, NNN = 001..999, ".ksm" in any case) the unnumbered
// name B_x.ksm; otherwise the name itself.
QString UnnumberedRecordName(const QString& recordName);

// The file name of the photo a record stands for: IMG_0001_jpg-002.ksm -> IMG_0001.jpg.
// A name that is not a record, or has no "_", is its own source.
QString RecordSourceName(const QString& fileName);

}  // namespace kasumori::library
