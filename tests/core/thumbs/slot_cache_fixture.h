// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of photo-folder slot 1 ("Photos" in a temporary tree) with its list and thumbnail
// cache, as the thumbnail tests start from.
#pragma once

#include "support/temp_tree.h"
#include "thumbs/thumbnail_cache.h"

#include <gtest/gtest.h>

#include <memory>

namespace kasumori::thumbs {

class SlotCacheFixture : public ::testing::Test {
 protected:
  // `subFolder` is the current folder below the slot root ("" for the root itself).
  explicit SlotCacheFixture(const QString& subFolder = QString())
      : list(std::make_unique<library::PhotoList>()) {
    settings.PhotoFolder1 = tree.Folder("Photos");
    folders.CurrentSlot = 1;
    folders.CurrentFolder =
        subFolder.isEmpty() ? settings.PhotoFolder1 : settings.PhotoFolder1 + '/' + subFolder;
    cache = std::make_unique<ThumbnailCache>(*list, folders, settings, tree.Path("Thumbnail"),
                                             loadFailed);
  }

  testkit::TempTree tree;
  config::Settings settings;
  library::FolderState folders;
  std::unique_ptr<library::PhotoList> list;
  library::LoadFailedFlags loadFailed;
  std::unique_ptr<ThumbnailCache> cache;
};

}  // namespace kasumori::thumbs
