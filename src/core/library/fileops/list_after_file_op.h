// SPDX-License-Identifier: GPL-3.0-or-later
// Where the photo list stands after a delete, rename or move changed the current folder. The
// window rescans the list (which moves CurrentIndex to the list's start) and then restores the
// position it had with these.
#pragma once

#include "library/photo_list.h"

namespace kasumori::library {

// CurrentIndex as it was before the rescan, lowered to PhotoCount when the list got shorter
// (0 for an empty list, so nothing is shown).
void KeepCurrentIndex(PhotoList& list, int indexBeforeScan);

// After a rename: CurrentIndex as kept above; ShownPhotoIndex is the renamed photo's position
// (exact name, 0 when it is not listed), and when CurrentIndex stands on it with photos after
// it, CurrentIndex moves one on.
void PlaceRenamedPhoto(PhotoList& list, int indexBeforeScan, const QString& newName);

}  // namespace kasumori::library
