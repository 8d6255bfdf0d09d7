// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folder_state.h"

#include <QDir>

namespace kasumori::library {

void NoteOwnChange(FolderState& folders, const QString& changedFolder) {
  if (!folders.WatchedFolder.isEmpty() &&
      QDir::cleanPath(changedFolder) == QDir::cleanPath(folders.WatchedFolder)) {
    folders.IgnoreNextChange = true;
  }
}

}  // namespace kasumori::library
