// SPDX-License-Identifier: GPL-3.0-or-later
// The two commands that make thumbnails again: the shown photo's, and the whole folder's.
#pragma once

#include "library/folder_state.h"
#include "library/photo_list.h"
#include "platform/dialog_service.h"
#include "thumbs/thumbnail_cache.h"

#include <functional>

namespace kasumori::thumbs {

struct RefreshContext {
  library::PhotoList& list;
  library::FolderState& folders;
  ThumbnailCache& cache;
  platform::DialogService& dialogs;
  std::function<void()> rescan;        // rebuilds the photo list of the current folder
  std::function<void()> refreshStrip;  // direction 1, with hover update
};

struct ShownForRefresh {
  QString name;  // empty when no photo is shown
  QString folder;
  int slot = 0;
};

// The shown photo's cached thumbnail is deleted (its rotation sidecar stays) and the list is
// rebuilt, keeping the strip on the photo it was on. From the menu, without a photo, a notice
// explains the command first.
void RefreshShownThumbnail(const RefreshContext& c, const ShownForRefresh& shown, bool fromMenu);

// After a confirmation, the cache folder of the current folder goes with all its thumbnails
// and rotations, and the list is rebuilt. Without a current folder a notice explains it.
void RefreshAllThumbnails(const RefreshContext& c);

}  // namespace kasumori::thumbs
