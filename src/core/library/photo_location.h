// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a photo given by its path in the listed folder.
#pragma once

#include "library/photo_list.h"
#include "config/settings.h"

#include <QString>

namespace kasumori::library {

// The position of the file in the list (ignoring case), else of its unnumbered edit record;
// PhotoCount + 1 when neither is listed.
int PositionOfFile(const PhotoList& list, const QString& fileName);

}  // namespace kasumori::library
