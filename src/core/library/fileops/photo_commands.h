// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting, renaming and moving a photo together with its edit records and cached thumbnail.
// The commands check their preconditions, talk to the user through the dialog service and
// change the files; clearing the display, rescanning the list and redrawing the strip are the
// window's part, guided by the outcome each command returns.
#pragma once

#include "library/fileops/companion_files.h"
#include "library/fileops/file_system.h"
#include "library/fileops/safe_move.h"
#include "library/folder_state.h"
#include "platform/dialog_service.h"
#include "platform/platform_services.h"

#include <QString>

namespace kasumori::library {

struct FileOpsContext {
  FileSystem& files;
  platform::TrashService& trash;
  platform::DialogService& dialogs;
  // CurrentFolder tells a real folder from one inside an archive; IgnoreNextChange is set
  // whenever a command changed the folder, so the watcher does not rescan a second time.
  FolderState& folders;
  QString thumbnailFolder;
};

// A photo file and the slot its folder belongs to (slot 0: none, so no cached thumbnail).
struct PhotoPlace {
  QString folder;
  QString name;
  int slot = 0;
  QString slotRoot;

  QString Path() const { return folder + u'/' + name; }
};

// A folder a photo can be moved to, with its slot as for PhotoPlace.
struct FolderPlace {
  QString folder;
  int slot = 0;
  QString slotRoot;
};

enum class DeleteOutcome {
  Refused,      // panorama mode or an archive: a notice said why
  Cancelled,    // the user said no
  TrashFailed,  // the file is still there; a notice said so
  Deleted,      // the file is in the trash: clear the display and rescan
};

// Moves the shown photo (or the shown edit record alone) to the trash after a confirmation.
DeleteOutcome DeletePhoto(const FileOpsContext& c, const PhotoPlace& shown, bool panoramaMode);

// Whether the rename window may open for the shown photo; a notice says why not.
bool CanRenamePhoto(const FileOpsContext& c, const PhotoPlace& shown, bool panoramaMode);

// The check of the rename window's "決定": false, after a notice, when the typed name holds a
// character no file name may have. The window then stays open with the focus in the field.
bool AcceptTypedName(platform::DialogService& dialogs, const QString& typed);

struct RenameOutcome {
  enum class Kind {
    Unchanged,  // empty name, same name, or the extension question answered no
    Refused,    // the name is taken, or the rename failed: a notice said so
    Renamed,    // `newName` is the photo's name now: show it and rescan
  };
  Kind kind = Kind::Unchanged;
  QString newName;
};

// Renames the shown photo to the name typed in the rename window (already accepted by
// AcceptTypedName); its edit records and cached thumbnails take the new name with it.
RenameOutcome RenamePhoto(const FileOpsContext& c, const PhotoPlace& shown, const QString& typed);

// Where a drag for a move started; it changes the confirmation for an edit record.
enum class DragSource { PhotoView, Strip };

struct MoveOutcome {
  enum class Kind {
    Nothing,  // the user declined moving an edit record with its source
    Refused,  // a notice said why nothing moved
    Moved,    // `movedName` is at the destination now, gone from its folder
    Copied,   // `movedName` is at the destination, but its source could not be removed
  };
  Kind kind = Kind::Nothing;
  QString movedName;  // the photo file that moved (an edit record's source image)
};

// Moves a photo dropped on a folder-tree node to that folder, with its edit records and cached
// thumbnail. An edit record is moved as its source image with all the source's records.
MoveOutcome MovePhoto(const FileOpsContext& c, const PhotoPlace& source,
                      const FolderPlace& destination, DragSource drag);

// Moves one file and its cached thumbnail. Nothing is overwritten; the file is never lost.
// With `report`, a failure is explained by a notice. The cached thumbnail follows when `to`
// is in a slot and is removed otherwise; when the source could not be removed it stays too.
MoveResult MoveFileWithCache(const FileOpsContext& c, const CachePlace& fromCache,
                             const QString& from, const CachePlace& toCache, const QString& to,
                             bool report);

}  // namespace kasumori::library
