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
  archives_ = std::make_unique<archive::ArchivePhotos>(
      archive::ArchivePhotosDeps{session_.folders().TempFolder, services_.dialogs});
  LoadPlugins();
  thumbnailDecoder_ = std::make_unique<imaging::PhotoDecoder>(imaging::PluginFlags{}, nullptr);
  // Its files are read when a favourites window shows them, or by the photo-path rewrite.
  favourites_ =
      std::make_unique<favourites::FavouritesStore>(session_.settings(), session_.folders());
  for (int slot = 1; slot <= library::kSlotCount; ++slot) {
    folders_.SlotCurrentFolder[std::size_t(slot - 1)] = session_.settings().PhotoFolder(slot);
  }
}

// The plug-ins are searched once, before the window shows, beside the executable.
void AppModel::LoadPlugins() {
  if (imaging::TSPIs::Instance()) return;  // one host per process: a second model has none
  plugins_ = std::make_unique<imaging::TSPIs>(
      imaging::DefaultSpiSearchFolders(session_.folders().ResourceFolder));
  if (plugins_->AutoSearch) plugins_->Search(QStringLiteral("*.spi"));
}

imaging::PluginFlags AppModel::BuildExtensionTable() {
  if (!plugins_) return {};
  for (int i = 0; i < plugins_->Count(); ++i) {
    const imaging::TSPI& plugin = plugins_->Plugin(i);
    if (plugin.IsDecoder() && !plugin.Filters().isEmpty()) {
      extensions_.AddPluginFilter(plugin.Filters().first());
    }
  }
  const imaging::PluginFlags flags{.PluginHandlesJpg = extensions_.PluginJpeg(),
                                   .PluginHandlesBmp = extensions_.PluginBmp(),
                                   .PluginHandlesTif = extensions_.PluginTif()};
  thumbnailDecoder_->SetPlugins(flags, plugins_.get());
  return flags;
}

library::FileOpsContext AppModel::FileOps() {
  return {files_, services_.trash, services_.dialogs, folders_, session_.folders().ThumbnailFolder};
}

}  // namespace kasumori::shell
