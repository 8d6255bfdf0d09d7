// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's photo and picture-quality commands: menu entries, buttons, label clicks
// and keys, routed to the display.
#include "library/fileops/list_after_file_op.h"
#include "library/fileops/photo_commands.h"
#include "library/photo_location.h"
#include "library/record_names.h"
#include "commands/key_map.h"
#include "commands/menu_bindings.h"
#include "commands/no_photo_notice.h"
#include "thumbs/thumbnail_refresh.h"
#include "ui/display/main_display.h"
#include "ui/shell/main_form.h"

#include "display/name_labels.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_panels.h"
#include "ui/common/view_image.h"
#include "ui/library/folder_panel_view.h"
#include "ui/library/rename_form.h"
#include "ui/thumbs/thumb_strip.h"
#include "ui/thumbs/wide_thumb_form.h"

#include <QAction>
#include <QMenuBar>
#include <QMenu>
#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kasumori::ui {

namespace {
using display::QualityCommands;
}

void TMainForm::ConnectQualityCommands() {
  auto route = [this](QAction* action, auto command) {
    connect(action, &QAction::triggered, this, [this, command] {
      if (!session_.UiReady) return;
      repaint();  // the menu's trace goes before any long work
      command(display_->Quality());
    });
  };
  route(menu_->kougashitsuMenu,
        [](QualityCommands& q) { q.SetQualityMode(display::QualityMode::High); });
  route(menu_->kousokuMenu,
        [](QualityCommands& q) { q.SetQualityMode(display::QualityMode::Fast); });
  for (int effect = 0; effect < 4; ++effect) {
    route(menu_->effectMenus[effect], [effect](QualityCommands& q) { q.SetEffect(effect); });
  }
  route(menu_->histgramAutoMenu,
        [](QualityCommands& q) { q.SetHistogramMode(display::HistogramMode::Automatic); });
  route(menu_->histgramHandMenu,
        [](QualityCommands& q) { q.SetHistogramMode(display::HistogramMode::OnClick); });
  for (int i = 0; i < 7; ++i) {
    const int value = MainMenu::kSharpnessValues[i];
    route(menu_->sharpnessMenus[i], [value](QualityCommands& q) { q.SetSharpness(value); });
  }
  route(menu_->spSetsumeiMenu, [](QualityCommands& q) { q.ExplainSharpness(); });
  for (QWidget* clickable : std::initializer_list<QWidget*>{
           panels_->gashitsuModeLbl, panels_->gashitsuModeSLbl, panels_->koukaLbl,
           panels_->sharpLbl, panels_->histDaiPnl, panels_->histgramImg, panels_->histgramImg2,
           panels_->narabikaeLbl}) {
    clickable->installEventFilter(this);
  }
}

void TMainForm::ConnectDisplayCommands() {
  auto turn = [this](QPushButton* button, bool right) {
    connect(button, &QPushButton::clicked, this, [this, right] {
      panels_->dummyBtn->setFocus();
      if (session_.UiReady) display_->Rotate(right, display::RotateFrom::Button);
    });
  };
  turn(panels_->turnLeftBtn, false);
  turn(panels_->turnRightBtn, true);
  auto menu = [this](QAction* action, auto command) {
    connect(action, &QAction::triggered, this, [this, command] {
      if (!session_.UiReady) return;
      repaint();
      command();
    });
  };
  // Entries that run a command are bound by their names, in the menu bar and the pop-up alike.
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    const auto command = commands::MenuCommand(action->objectName());
    if (!command) continue;
    action->setEnabled(true);
    menu(action, [this, command = *command] {
      if (!ExplainWithoutPhoto(command, commands::CommandSource::Menu)) {
        RunCommand(command, {commands::CommandSource::Menu, false});
      }
    });
  }
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (session_.UiReady) menu_->viewImgPop->popup(view_->mapToGlobal(at));
  });
  // The check box and its label toggle on a press; the filter keeps the box from flipping by
  // itself, so that it always shows the mode.
  panels_->wideChk->installEventFilter(this);
  panels_->wideLbl->installEventFilter(this);
  panels_->dummyBtn->installEventFilter(this);
}

bool TMainForm::HandleLabelClick(QObject* watched) {
  if (!session_.UiReady) return false;
  if (watched == panels_->wideLbl || watched == panels_->wideChk) {
    panels_->dummyBtn->setFocus();
    display_->ToggleWideMode();
    return true;
  }
  if (watched == panels_->narabikaeLbl) {
    listController_->SetListDirection(config::Reversed(session_.settings().ListDirection));
    return true;
  }
  QualityCommands& quality = display_->Quality();
  if (watched == panels_->gashitsuModeLbl || watched == panels_->gashitsuModeSLbl) {
    quality.QualityLabelClick();
  } else if (watched == panels_->koukaLbl) {
    quality.StepEffect();
  } else if (watched == panels_->sharpLbl) {
    quality.StepSharpness();
  } else if (watched == panels_->histDaiPnl || watched == panels_->histgramImg ||
             watched == panels_->histgramImg2) {
    quality.HistogramClick();
  } else {
    return false;
  }
  return true;
}

// Without a shown photo, a command for it explains itself instead. True when it did.
bool TMainForm::ExplainWithoutPhoto(commands::Command command, commands::CommandSource source) {
  if (display_->Driver().Shown().Shown()) return false;
  const QStringList explanation = commands::NoPhotoNotice(command, source);
  if (explanation.isEmpty()) return false;
  session_.dialogs().Notice(explanation);
  return true;
}

// True when the key is one of the window's; keys that are not go on to the focused control.
bool TMainForm::HandleKey(const QKeyEvent& event) {
  if (!session_.UiReady) return true;
  const commands::KeyChord chord{event.key(), bool(event.modifiers() & Qt::ShiftModifier),
                                 bool(event.modifiers() & Qt::ControlModifier)};
  const auto direction = session_.settings().ListDirection;
  const auto command = commands::CommandForKey(commands::KeyMapKind::MainWindow, chord, direction);
  if (!command) return false;
  if (!ExplainWithoutPhoto(*command, commands::CommandSource::Key)) {
    RunCommand(*command, {commands::CommandSource::Key, chord.shift});
  }
  return true;
}

// Shift makes a photo step a single one, also in panorama.
void TMainForm::RunCommand(commands::Command command, CommandInput input) {
  using commands::Command;
  const bool fromKey = input.source == commands::CommandSource::Key;
  const bool shift = input.shift;
  switch (command) {
    case Command::NextPhoto:
      display_->NextPhoto(shift);
      return;
    case Command::PreviousPhoto:
      display_->PreviousPhoto(shift);
      return;
    case Command::WideMode:
      display_->ToggleWideMode(fromKey);
      return;
    case Command::StripBack8:
      strip_->StepBack(8);
      return;
    case Command::StripForward8:
      strip_->StepForward(8);
      return;
    case Command::StripBack1:
      strip_->StepBack(1);
      return;
    case Command::StripForward1:
      strip_->StepForward(1);
      return;
    case Command::StripStart:
      strip_->GoToStart();
      return;
    case Command::StripEnd:
      strip_->GoToEnd();
      return;
    case Command::PreviousFolder:
      folderView_->Panel().PreviousFolder();
      return;
    case Command::NextFolder:
      folderView_->Panel().NextFolder();
      return;
    case Command::OpenWideThumbs:
      wide_->Open();
      return;
    case Command::RotateLeft:
      display_->Rotate(false, fromKey ? display::RotateFrom::Key : display::RotateFrom::Menu);
      return;
    case Command::RotateRight:
      display_->Rotate(true, fromKey ? display::RotateFrom::Key : display::RotateFrom::Menu);
      return;
    case Command::StepEffect:
      display_->Quality().StepEffect();
      return;
    case Command::DeletePhoto:
      DeleteShownPhoto();
      return;
    case Command::RenamePhoto:
      RenameShownPhoto();
      return;
    case Command::RenewThumbnail:
      RefreshThumbnails(false, !fromKey);
      return;
    case Command::RenewAllThumbnails:
      RefreshThumbnails(true, true);
      return;
    case Command::ClearAllEdits:
      display_->Quality().RemoveAllEdits();
      return;
    // Not in this window, or still to come.
    case Command::CloseWindow:
    case Command::NormalDisplay:
    case Command::AddFavourite:
    case Command::FavouritesWindow:
    case Command::KeyboardHelp:
    case Command::SaveDisplayed:
    case Command::Slideshow:
    case Command::FullScreen:
      return;
  }
}

// The wheel acts on what is under the pointer: the strip scrolls, the view walks the list.
void TMainForm::wheelEvent(QWheelEvent* event) {
  event->accept();
  // Turns that arrived while the last one was handled are dropped, like held keys.
  // A sideways turn, or the empty event some touchpads send at the end of a scroll, is no step.
  if (!session_.UiReady || dropPiledUpInput_ || event->angleDelta().y() == 0) return;
  DropInputUntilCaughtUp();
  const QPoint at = client_->mapFromGlobal(event->globalPosition().toPoint());
  const bool towardsUser = event->angleDelta().y() <= 0;
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  if (panels_->thumbPnl->geometry().contains(at)) {
    strip_->HideNameTag();
    towardsUser ? strip_->StepForward(1) : strip_->StepBack(1);
  } else if (view_->geometry().contains(at)) {
    towardsUser ? display_->NextPhoto(shift, true) : display_->PreviousPhoto(shift, true);
  } else if (panels_->subFolderPnl->rect().contains(panels_->subFolderPnl->mapFrom(client_, at))) {
    towardsUser ? folderView_->Panel().NextFolder() : folderView_->Panel().PreviousFolder();
  }
}

// A held key must not pile up steps behind a slow display: the auto-repeats that arrived while
// a step was being handled are dropped, until the event loop has caught up.
bool TMainForm::DispatchKey(const QKeyEvent& event) {
  if (event.isAutoRepeat() && dropPiledUpInput_) return true;
  if (!HandleKey(event)) return false;
  DropInputUntilCaughtUp();
  return true;
}

// The input queued while a step was handled is delivered before this call-back runs.
void TMainForm::DropInputUntilCaughtUp() {
  dropPiledUpInput_ = true;
  QTimer::singleShot(0, this, [this] { dropPiledUpInput_ = false; });
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (DispatchKey(*event)) {
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TMainForm::RefreshThumbnails(bool all, bool fromMenu) {
  const thumbs::RefreshContext context{
      photoList_,
      folderState_,
      model_.Thumbnails(),
      session_.dialogs(),
      [this] { listController_->ScanFolder(); },
      [this] { strip_->RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Update); }};
  if (all) {
    thumbs::RefreshAllThumbnails(context);
    return;
  }
  const display::ShownPhoto& shown = display_->Driver().Shown();
  thumbs::RefreshShownThumbnail(context, {shown.Name, shown.Folder, shown.Slot}, fromMenu);
}

library::PhotoPlace TMainForm::ShownPlace() const {
  const display::ShownPhoto& shown = display_->Driver().Shown();
  const QString root = shown.Slot > 0 ? session_.settings().PhotoFolder(shown.Slot) : QString();
  return {shown.Folder, shown.Name, shown.Slot, root};
}

// After a file operation the list is read again and the strip stays where it was.
void TMainForm::RescanKeepingPosition() {
  const int oldIndex = photoList_.CurrentIndex;
  listController_->ScanFolder();
  library::KeepCurrentIndex(photoList_, oldIndex);
  if (folderState_.HasSlot()) folderState_.SlotPositionOfCurrent() = photoList_.CurrentIndex;
  strip_->RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Hide);
}

void TMainForm::RenameShownPhoto() {
  strip_->HideNameTag();
  const display::ShownPhoto shown = display_->Driver().Shown();
  if (!shown.Shown()) return;
  const library::FileOpsContext context = model_.FileOps();
  const library::PhotoPlace place = ShownPlace();
  if (!library::CanRenamePhoto(context, place, display_->Driver().Modes().PanoramaMode != 0)) {
    return;
  }
  TRenameForm form(this, session_.dialogs(), shown.Name);
  if (form.exec() != QDialog::Accepted) return;
  const library::RenameOutcome outcome = library::RenamePhoto(context, place, form.TypedName());
  if (outcome.kind != library::RenameOutcome::Kind::Renamed) return;
  display_->Driver().Shown().Name = outcome.newName;
  display_->ShowNameLabels(display::NameLabelsFor(outcome.newName));
  if (folderState_.CurrentFolder != shown.Folder) return;
  const int oldIndex = photoList_.CurrentIndex;
  listController_->ScanFolder();
  library::PlaceRenamedPhoto(photoList_, oldIndex, outcome.newName);
  strip_->RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Hide);
  display_->ShowPhoto(photoList_.CurrentIndex);
}

void TMainForm::MoveDroppedPhoto(const QString& photoPath, const QString& folder,
                                 library::DragSource from) {
  const display::ShownPhoto shown = display_->Driver().Shown();
  const bool fromView = from == library::DragSource::PhotoView;
  if (!session_.UiReady || !folderState_.HasSlot() || folderState_.CurrentFolder.isEmpty() ||
      (fromView && !shown.Shown())) {
    return;
  }
  const QFileInfo file(photoPath);
  const int slot = folderState_.CurrentSlot;
  const QString root = session_.settings().PhotoFolder(slot);
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
    // As after a deletion: the list is read again and the photo now at the cursor shown.
    ClearDisplay();
    RescanAndShowCurrent();
    return;
  }
  const bool shownMoved =
      shown.Shown() && shown.Folder == source.folder &&
      library::RecordSourceName(shown.Name).compare(outcome.movedName, Qt::CaseInsensitive) == 0;
  if (shownMoved) ClearDisplay();
  RescanKeepingPosition();
}

void TMainForm::ClearDisplay() {
  display_->Driver().Forget();
  view_->Fill(QColor(128, 128, 128));
  display_->Driver().Histogram().ClearHistogram(display_->HistogramImage(), false);
}

void TMainForm::RescanAndShowCurrent() {
  RescanKeepingPosition();
  if (photoList_.CurrentIndex >= 1) {
    display_->ShowPhoto(photoList_.CurrentIndex);
  }
}

void TMainForm::DeleteShownPhoto() {
  strip_->HideNameTag();
  if (!display_->Driver().Shown().Shown()) return;
  const library::FileOpsContext context = model_.FileOps();
  const library::PhotoPlace place = ShownPlace();
  const bool panorama = display_->Driver().Modes().PanoramaMode != 0;
  if (library::DeletePhoto(context, place, panorama) != library::DeleteOutcome::Deleted) return;
  // The photo has gone: the display is cleared and the list read again at the same place.
  ClearDisplay();
  RescanAndShowCurrent();
}

void TMainForm::ShowPhotoByPath(const QString& path) {
  const QFileInfo file(path);
  folderView_->Panel().ShowFolderOf(file.absolutePath());
  listController_->ScanFolder();
  library::PhotoList& list = photoList_;
  list.CurrentIndex = library::PositionOfFile(list, file.fileName());
  if (folderState_.HasSlot()) {
    folderState_.SlotFolder() = folderState_.CurrentFolder;
    folderState_.SlotPositionOfCurrent() = list.CurrentIndex;
  }
  strip_->RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Update);
  display_->ShowPhoto(list.CurrentIndex);
}

}  // namespace kasumori::ui
