// SPDX-License-Identifier: GPL-3.0-or-later
// What comes before and after a run of the copy engine: the checks of a camera transfer and of
// the sorting into date folders, the jobs they hand the engine, and where the main window goes
// afterwards.
#pragma once

#include "config/settings.h"
#include "library/fileops/file_system.h"
#include "library/folder_state.h"
#include "platform/dialog_service.h"
#include "transfer/transfer_engine.h"

#include <optional>

namespace kasumori::transfer {

TransferOptions OptionsOf(const config::Settings& settings);
void StoreOptions(config::Settings& settings, const TransferOptions& options);

// The checks of a transfer item of a camera slot whose folder is set: false after the notice
// that says why nothing is copied.
bool MayTransfer(platform::DialogService& dialogs, const library::FileSystem& fs, TransferMode mode,
                 const QString& cameraFolder, const QString& selectedFolder);

// The job of a transfer item: from the camera into the selected folder (the current folder),
// or the reverse. A file replaced in a selected folder of a photo-folder slot takes its cached
// thumbnail with it.
TransferJob CameraJob(const config::Settings& settings, TransferMode mode, int slot,
                      const library::FolderState& selected, const QString& thumbnailFolder);

// The checks and the confirmation of sorting the current folder into date folders; the job
// when the user agreed. Sorting moves read-only files and movies too and always makes date
// folders, whatever the transfer settings say, and leaves those settings as they are.
std::optional<TransferJob> PrepareDateSort(platform::DialogService& dialogs,
                                           const library::FileSystem& fs,
                                           const library::FolderState& folders,
                                           const config::Settings& settings,
                                           const QString& thumbnailFolder);

// Where the main window goes after a run.
struct AfterRun {
  enum class Kind {
    Stay,        // nothing was copied: the window stays as it is
    OpenFolder,  // make `folder` current at its first photo (a date folder)
    ShowPhoto,   // rescan the current folder and show the photo named `name`
  };
  Kind kind = Kind::Stay;
  QString folder;
  QString name;
};
AfterRun AfterTransfer(const TransferJob& job, const TransferEngine& engine);

}  // namespace kasumori::transfer
