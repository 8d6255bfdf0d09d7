// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/transfer_view.h"

#include "library/photo_list_controller.h"
#include "library/photo_location.h"
#include "transfer/transfer_texts.h"
#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"
#include "ui/shell/main_menu.h"
#include "ui/thumbs/thumb_strip.h"
#include "ui/transfer/tensou2_form.h"
#include "ui/transfer/tensou_form.h"
#include "ui/transfer/tensou_set_form.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace kasumori::ui {

using transfer::AfterRun;
using transfer::TransferMode;

TransferView::TransferView(TransferViewDeps deps) : d_(std::move(deps)) {
  QObject::connect(d_.menu.tensouMenu, &QMenu::aboutToShow, d_.menu.tensouMenu,
                   [this] { UpdateCaptions(); });
  UpdateCaptions();
}

void TransferView::UpdateCaptions() {
  const config::Settings& settings = d_.model.settings();
  const library::FileSystem& fs = d_.model.FileOps().files;
  for (int slot = 1; slot <= transfer::kCameraSlots; ++slot) {
    const QString folder = transfer::CameraOf(settings, slot).folder;
    const transfer::TransferCaptions captions =
        transfer::CaptionsOf(settings, slot, !folder.isEmpty() && fs.IsFolder(folder));
    d_.menu.tensouDtoPCMenu[slot - 1]->setText(captions.fromCamera);
    d_.menu.tensouPCtoDMenu[slot - 1]->setText(captions.toCamera);
  }
}

bool TransferView::EditCameras() {
  TTensouSetForm form(&d_.window, d_.model.settings(), d_.model.Services().picker, d_.helpWindow);
  if (form.exec() != QDialog::Accepted) return false;
  form.StoreInto(d_.model.settings());
  if (d_.saveSettings) d_.saveSettings();
  UpdateCaptions();
  return true;
}

void TransferView::Transfer(TransferMode mode, int slot) {
  config::Settings& settings = d_.model.settings();
  if (transfer::CameraOf(settings, slot).folder.isEmpty()) {
    EditCameras();
    if (transfer::CameraOf(settings, slot).folder.isEmpty()) return;
  }
  const QString selected = d_.model.Folders().CurrentFolder;
  const library::FileOpsContext files = d_.model.FileOps();
  if (!transfer::MayTransfer(files.dialogs, files.files, mode,
                             transfer::CameraOf(settings, slot).folder, selected)) {
    return;
  }
  const config::DataFolders& own = d_.model.Session().folders();
  TTensouForm options(&d_.window, mode, transfer::CameraDisplayName(settings, slot), selected,
                      transfer::OptionsOf(settings),
                      {own.PicturesFolder, own.DocumentsFolder, own.DesktopFolder});
  if (options.exec() != QDialog::Accepted) return;
  transfer::StoreOptions(settings, options.Options());
  Follow(RunEngine(
      transfer::CameraJob(settings, mode, slot, d_.model.Folders(), files.thumbnailFolder)));
}

void TransferView::SortIntoDateFolders() {
  d_.window.repaint();
  const library::FileOpsContext files = d_.model.FileOps();
  const auto job = transfer::PrepareDateSort(files.dialogs, files.files, d_.model.Folders(),
                                             d_.model.settings(), files.thumbnailFolder);
  if (!job) return;
  // The shown photo is about to move away under the display.
  const display::ShownPhoto& shown = d_.display.Driver().Shown();
  if (shown.Shown() && shown.Folder == job->sourceFolder) d_.clearDisplay();
  Follow(RunEngine(*job));
}

// The main window takes no commands while the progress window runs.
AfterRun TransferView::RunEngine(const transfer::TransferJob& job) {
  bool& ready = d_.model.Session().UiReady;
  ready = false;
  TTensou2Form progress(&d_.window, d_.model.FileOps(), job);
  progress.exec();
  ready = true;
  return transfer::AfterTransfer(job, progress.Engine());
}

void TransferView::Follow(const AfterRun& after) {
  library::FolderState& folders = d_.model.Folders();
  switch (after.kind) {
    case AfterRun::Kind::Stay:
      return;
    case AfterRun::Kind::OpenFolder:
      d_.folders.Panel().ShowFolderOf(after.folder);
      return ShowListed(QString());
    case AfterRun::Kind::ShowPhoto:
      if (folders.CurrentFolder != after.folder) return;
      return ShowListed(after.name);
  }
}

// Rescans the current folder and shows the named photo, or the list's first one.
void TransferView::ShowListed(const QString& name) {
  d_.lists.ScanFolder();
  library::PhotoList& list = d_.model.List();
  if (!name.isEmpty() && list.PhotoCount > 0) {
    list.CurrentIndex = std::min(library::PositionOfFile(list, name), list.PhotoCount);
  }
  library::FolderState& folders = d_.model.Folders();
  if (folders.HasSlot()) {
    folders.SlotFolder() = folders.CurrentFolder;
    folders.SlotPositionOfCurrent() = list.CurrentIndex;
  }
  d_.strip.RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Hide);
  if (list.PhotoCount > 0) d_.display.ShowPhoto(list.CurrentIndex);
}

}  // namespace kasumori::ui
