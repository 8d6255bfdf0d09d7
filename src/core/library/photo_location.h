// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a photo given by its path: the slot whose root holds its folder, and its position
// in the listed folder.
#pragma once

#include "library/photo_list.h"
#include "shell/settings.h"

#include <QString>

namespace kasumori::library {

// The first slot 1..3 whose root is set and begins the folder (compared without regard to
// case, over the root's length); 0 when none does.
int SlotHoldingFolder(const shell::Settings& settings, const QString& folder);

// The position of the file in the list (ignoring case), else of its unnumbered edit record;
// PhotoCount + 1 when neither is listed.
int PositionOfFile(const PhotoList& list, const QString& fileName);

}  // namespace kasumori::library
