// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root: the single instances the program keeps from the main window's creation
// to its end, made once here and handed to the windows and features by reference.
#pragma once

#include "archive/archive_photos.h"
#include "favourites/favourites_store.h"
#include "imaging/decode/photo_decoder.h"
#include "imaging/plugins/spi_host.h"
#include "library/fileops/file_system.h"
#include "library/fileops/photo_commands.h"
#include "library/folder_state.h"
#include "library/load_failed_flags.h"
#include "library/photo_extensions.h"
#include "library/photo_list.h"
#include "platform/dialog_service.h"
#include "platform/platform_services.h"
#include "shell/shell_session.h"
#include "thumbs/thumbnail_cache.h"

#include <QSize>

#include <memory>

namespace kasumori::shell {

// Made by the program entry for the desktop, or by a test with fakes; they outlive the model.
struct PlatformServices {
  platform::DialogService& dialogs;
  platform::SpecialFolders& special;
  platform::SingleInstanceMarker& marker;
  const platform::Clock& clock;
  platform::PickerService& picker;
  platform::TrashService& trash;
  platform::ShellOpenService& shellOpen;
};

class AppModel {
 public:
  AppModel(PlatformServices services, QString executableFolder, QString startupPath);
  AppModel(const AppModel&) = delete;
  AppModel& operator=(const AppModel&) = delete;

  // The start-up steps that need no window (data folders, settings, the marker); then the
  // instances that need the data folders. The screen and the window's outer size give the
  // default position of a first run.
  void Create(const QSize& screen, const QSize& windowOuter);

  PlatformServices& Services() { return services_; }
  ShellSession& Session() { return session_; }
  config::Settings& settings() { return session_.settings(); }
  library::PhotoList& List() { return *list_; }
  library::FolderState& Folders() { return folders_; }
  library::PhotoExtensions& Extensions() { return extensions_; }
  library::LoadFailedFlags& LoadFailed() { return loadFailed_; }
  // Made by Create.
  thumbs::ThumbnailCache& Thumbnails() { return *thumbnails_; }
  imaging::PhotoDecoder& ThumbnailDecoder() { return *thumbnailDecoder_; }
  // The plug-in host, SPIs1; null when another host already lives in the process.
  imaging::TSPIs* Plugins() { return plugins_.get(); }
  // When the window is first shown: the extension table gets the plug-ins' entries, and the
  // flags they set tell both decoders which built-in types to leave to the plug-ins.
  imaging::PluginFlags BuildExtensionTable();
  favourites::FavouritesStore& Favourites() { return *favourites_; }
  // The archive component (ArchiveFile) as the lists, the display and the thumbnails use it.
  archive::ArchivePhotos& Archives() { return *archives_; }
  // What the delete, rename and move commands work with.
  library::FileOpsContext FileOps();

 private:
  void LoadPlugins();

  PlatformServices services_;
  ShellSession session_;
  std::unique_ptr<library::PhotoList> list_;  // 10000 names: kept off the stack
  library::FolderState folders_;
  library::PhotoExtensions extensions_;
  library::LoadFailedFlags loadFailed_;
  library::LocalFileSystem files_;
  // These refer to the members above, so they come after them and go before them.
  std::unique_ptr<thumbs::ThumbnailCache> thumbnails_;
  std::unique_ptr<imaging::TSPIs> plugins_;
  std::unique_ptr<imaging::PhotoDecoder> thumbnailDecoder_;
  std::unique_ptr<favourites::FavouritesStore> favourites_;
  std::unique_ptr<archive::ArchivePhotos> archives_;
};

}  // namespace kasumori::shell
