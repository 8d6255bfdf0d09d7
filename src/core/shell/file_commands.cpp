// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_commands.h"

#include "shell/missing_source.h"

#include "library/fileops/list_after_file_op.h"
#include "library/record_names.h"

#include <QFileInfo>

namespace kasumori::shell {

FileCommands::FileCommands(AppModel& model, library::PhotoListController& lists,
                           PhotoScreen& screen)
    : model_(model), lists_(lists), screen_(screen) {}

library::PhotoPlace FileCommands::ShownPlace() {
  const display::ShownPhoto& shown = screen_.Shown();
  const QString root = shown.Slot > 0 ? model_.settings().PhotoFolder(shown.Slot) : QString();
  return {shown.Folder, shown.Name, shown.Slot, root};
}

void FileCommands::RescanKeepingPosition() {
  library::PhotoList& list = model_.List();
  library::FolderState& folders = model_.Folders();
  const int oldIndex = list.CurrentIndex;
  lists_.ScanFolder();
  library::KeepCurrentIndex(list, oldIndex);
  if (folders.HasSlot()) folders.SlotPositionOfCurrent() = list.CurrentIndex;
  screen_.RedrawStrip();
}

void FileCommands::RescanAndShowCurrent() {
  RescanKeepingPosition();
  if (model_.List().CurrentIndex >= 1) screen_.ShowPhoto(model_.List().CurrentIndex);
}

void FileCommands::DeleteShownPhoto() {
  screen_.HideNameTag();
  if (!screen_.Shown().Shown()) return;
  if (library::DeletePhoto(model_.FileOps(), ShownPlace(), screen_.PanoramaShown()) !=
      library::DeleteOutcome::Deleted) {
    return;
  }
  screen_.ClearDisplay();
  RescanAndShowCurrent();
}

void FileCommands::RenameShownPhoto() {
  screen_.HideNameTag();
  const display::ShownPhoto shown = screen_.Shown();
  if (!shown.Shown()) return;
  const library::FileOpsContext context = model_.FileOps();
  const library::PhotoPlace place = ShownPlace();
  if (!library::CanRenamePhoto(context, place, screen_.PanoramaShown())) return;
  const std::optional<QString> typed = screen_.AskNewName(shown.Name);
  if (!typed) return;
  const library::RenameOutcome outcome = library::RenamePhoto(context, place, *typed);
  if (outcome.kind != library::RenameOutcome::Kind::Renamed) return;
  screen_.Shown().Name = outcome.newName;
  screen_.ShowNameLabels(display::NameLabelsFor(outcome.newName));
  // A photo shown from another folder than the listed one leaves the list as it is.
  if (model_.Folders().CurrentFolder != shown.Folder) return;
  library::PhotoList& list = model_.List();
  const int oldIndex = list.CurrentIndex;
  lists_.ScanFolder();
  library::PlaceRenamedPhoto(list, oldIndex, outcome.newName);
  // The placement may move the cursor one on; the slot returns to where it now stands.
  if (model_.Folders().HasSlot()) model_.Folders().SlotPositionOfCurrent() = list.CurrentIndex;
  screen_.RedrawStrip();
  screen_.ShowPhoto(list.CurrentIndex);
}

void FileCommands::MoveDroppedPhoto(const QString& photoPath, const QString& folder,
                                    library::DragSource from) {
  const display::ShownPhoto shown = screen_.Shown();
  const library::FolderState& folders = model_.Folders();
  const bool fromView = from == library::DragSource::PhotoView;
  if (!folders.HasSlot() || folders.CurrentFolder.isEmpty() || (fromView && !shown.Shown())) {
    return;
  }
  const QFileInfo file(photoPath);
  const int slot = folders.CurrentSlot;
  const QString root = model_.settings().PhotoFolder(slot);
  // The shown photo's thumbnails are under its own slot; a strip photo's under the current one.
  const library::PhotoPlace source =
      fromView ? ShownPlace()
               : library::PhotoPlace{file.absolutePath(), file.fileName(), slot, root};
  const library::MoveOutcome outcome =
      library::MovePhoto(model_.FileOps(), source, library::FolderPlace{folder, slot, root}, from);
  if (outcome.kind != library::MoveOutcome::Kind::Moved &&
      outcome.kind != library::MoveOutcome::Kind::Copied) {
    return;
  }
  if (fromView) {
    // As after a deletion.
    screen_.ClearDisplay();
    RescanAndShowCurrent();
    return;
  }
  const bool shownMoved =
      shown.Shown() && shown.Folder == source.folder &&
      library::RecordSourceName(shown.Name).compare(outcome.movedName, Qt::CaseInsensitive) == 0;
  if (shownMoved) screen_.ClearDisplay();
  RescanKeepingPosition();
}

void FileCommands::ResolveMissingSource(const display::MissingRecordSource& missing) {
  const QFileInfo record(missing.recordPath);
  MissingSourceCase m;
  const library::FolderState& folders = model_.Folders();
  const int slot = folders.HasSlot() ? folders.CurrentSlot : 0;
  m.record = {record.path(), record.fileName(), slot,
              slot > 0 ? model_.settings().PhotoFolder(slot) : QString()};
  m.sourcePath = missing.sourcePath;
  m.panoramaMode = screen_.PanoramaShown();
  const MissingSourceOutcome outcome =
      RunMissingSource(model_.FileOps(), model_.Services().picker, m);
  switch (outcome.kind) {
    case MissingSourceOutcome::Kind::LoadError:
      return;  // the display has reported it already
    case MissingSourceOutcome::Kind::Trashed:
      screen_.ClearDisplay();
      RescanAndShowCurrent();
      return;
    case MissingSourceOutcome::Kind::Relocated:
      screen_.ShowPhotoByPath(outcome.recordPath);
      return;
  }
}

}  // namespace kasumori::shell
