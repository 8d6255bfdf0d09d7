// SPDX-License-Identifier: GPL-3.0-or-later
// The lines the favourites window asks and tells about the selected favourites.
#pragma once

#include "favourites/favourites_store.h"

#include <QString>
#include <QStringList>

namespace kasumori::favourites {

// The operations on the selected favourites of the page.
enum class SelectionOperation { Remove, Rename, RenewThumbnails };

// The confirmation before removing: one favourite by its name on two lines, several by their
// number on one. Nothing when none is selected.
QStringList RemoveConfirmationLines(const QStringList& selectedNames);

// A count as the window's sentences write it: a single digit full width, so that it sits in the
// Japanese text like the characters around it; 10 and more in ordinary digits.
QString CountText(int n);

// What the pop-up menu tells when its operation finds nothing selected on the page; the keys
// tell nothing.
QStringList NothingSelectedHint(SelectionOperation operation);

// Opening a favourite whose photo file has gone: the file's name, the favourite stays.
QStringList MissingPhotoLines(const QString& photoPath);

// Why a favourite dropped on a folder stayed where it was; nothing for a move that happened.
QStringList MoveRefusalLines(MoveOutcome outcome);

// Why a favourite kept its name; nothing when it was renamed or left as it was.
QStringList RenameRefusalLines(RenameOutcome outcome);

// Each time a folder with more favourites than a folder holds is loaded.
QStringList MoreThan300Lines();

}  // namespace kasumori::favourites
