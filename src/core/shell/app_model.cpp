// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_model.h"

namespace kasumori::shell {

AppModel::AppModel(PlatformServices services, QString executableFolder, QString startupPath)
    : services_(services),
      session_({services.special, services.marker, services.clock, services.dialogs},
               std::move(executableFolder), std::move(startupPath)),
      list_(std::make_unique<library::PhotoList>()) {}

void AppModel::Create(const QSize& screen, const QSize& windowOuter) {
  session_.Create(screen, windowOuter);
  // The cache's folder is known only once the data folders are resolved.
  thumbnails_ = std::make_unique<thumbs::ThumbnailCache>(
      *list_, folders_, session_.settings(), session_.folders().ThumbnailFolder, loadFailed_);
  thumbnailDecoder_ = std::make_unique<imaging::PhotoDecoder>(imaging::PluginFlags{}, nullptr);
  // Its files are read when a favourites window shows them, or by the photo-path rewrite.
  favourites_ =
      std::make_unique<favourites::FavouritesStore>(session_.settings(), session_.folders());
  for (int slot = 1; slot <= library::kSlotCount; ++slot) {
    folders_.SlotCurrentFolder[std::size_t(slot - 1)] = session_.settings().PhotoFolder(slot);
  }
}

library::FileOpsContext AppModel::FileOps() {
  return {files_, services_.trash, services_.dialogs, folders_, session_.folders().ThumbnailFolder};
}

}  // namespace kasumori::shell
