// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace kasumori::library {

// The photo an edit record stands for, in the record's folder, with the folder's own spelling:
// a record's name carries the photo's extension in lower case, a camera's file often not.
// Nothing when the photo is not there.
std::optional<QString> RecordSourcePath(const QString& recordPath);

}  // namespace kasumori::library
