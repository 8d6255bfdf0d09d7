// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_commands.h"

#include "commands/menu_bindings.h"
#include "commands/no_photo_notice.h"
#include "library/photo_list_controller.h"
#include "library/photo_location.h"
#include "shell/about_notice.h"
#include "shell/file_manager_folder.h"
#include "thumbs/thumbnail_refresh.h"
#include "ui/apps/apps_view.h"
#include "ui/common/view_image.h"
#include "ui/display/main_display.h"
#include "ui/export/photo_save_view.h"
#include "ui/favourites/favourites_view.h"
#include "ui/library/folder_panel_view.h"
#include "ui/library/rename_form.h"
#include "ui/plugins/susie_form.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_panels.h"
#include "ui/thumbs/thumb_strip.h"
#include "ui/thumbs/wide_thumb_form.h"
#include "ui/transfer/transfer_view.h"
#include "ui/display/full_screen_view.h"
#include "ui/display/panorama_view.h"
#include "ui/slideshow/slideshow_view.h"

#include <QAction>

#include <algorithm>
#include <QCheckBox>
#include <QLabel>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace kasumori::ui {

namespace {
using commands::Command;
using commands::CommandSource;
using display::QualityCommands;
}  // namespace

MainCommands::MainCommands(MainCommandParts parts) : p_(parts), files_(p_.model, p_.lists, *this) {}

bool MainCommands::UiReady() const { return p_.model.Session().UiReady; }

bool MainCommands::HandleKey(const commands::KeyChord& chord) {
  const auto command = commands::CommandForKey(commands::KeyMapKind::MainWindow, chord,
                                               p_.model.settings().ListDirection);
  if (!command) return false;
  if (!ExplainWithoutPhoto(*command, CommandSource::Key)) {
    RunCommand(*command, {CommandSource::Key, chord.shift});
  }
  return true;
}

bool MainCommands::ExplainWithoutPhoto(Command command, CommandSource source) {
  if (p_.display.Driver().Shown().Shown()) return false;
  const QStringList explanation = commands::NoPhotoNotice(command, source);
  if (explanation.isEmpty()) return false;
  p_.model.Session().dialogs().Notice(explanation);
  return true;
}

// Shift makes a photo step a single one, also in panorama.
void MainCommands::RunCommand(Command command, CommandInput input) {
  const bool fromKey = input.source == CommandSource::Key;
  const bool shift = input.shift;
  const auto rotateFrom = fromKey ? display::RotateFrom::Key : display::RotateFrom::Menu;
  switch (command) {
    case Command::NextPhoto:
      return p_.display.NextPhoto(shift);
    case Command::PreviousPhoto:
      return p_.display.PreviousPhoto(shift);
    case Command::WideMode:
      return p_.display.ToggleWideMode(fromKey);
    case Command::StripBack8:
      p_.strip.StepBack(8);
      return;
    case Command::StripForward8:
      p_.strip.StepForward(8);
      return;
    case Command::StripBack1:
      p_.strip.StepBack(1);
      return;
    case Command::StripForward1:
      p_.strip.StepForward(1);
      return;
    case Command::StripStart:
      return p_.strip.GoToStart();
    case Command::StripEnd:
      return p_.strip.GoToEnd();
    case Command::PreviousFolder:
      return p_.folders.Panel().PreviousFolder();
    case Command::NextFolder:
      return p_.folders.Panel().NextFolder();
    case Command::OpenWideThumbs:
      return p_.wide.Open();
    case Command::RotateLeft:
      return p_.display.Rotate(false, rotateFrom);
    case Command::RotateRight:
      return p_.display.Rotate(true, rotateFrom);
    case Command::StepEffect:
      return p_.display.Quality().StepEffect();
    case Command::DeletePhoto:
      return files_.DeleteShownPhoto();
    case Command::RenamePhoto:
      return files_.RenameShownPhoto();
    case Command::RenewThumbnail:
      return RefreshThumbnails(false, !fromKey);
    case Command::RenewAllThumbnails:
      return RefreshThumbnails(true, true);
    case Command::ClearAllEdits:
      return p_.display.Quality().RemoveAllEdits();
    case Command::AddFavourite:
      return p_.favourites.Add();
    case Command::FavouritesWindow:
      return p_.favourites.OpenWindow();
    case Command::SaveDisplayed:
      return p_.photoSave.Run();
    case Command::TransferSettings:
      p_.transfer.EditCameras();
      return;
    case Command::TransferFromCamera:
      return p_.transfer.Transfer(transfer::TransferMode::FromCamera, input.argument);
    case Command::TransferToCamera:
      return p_.transfer.Transfer(transfer::TransferMode::ToCamera, input.argument);
    case Command::SortIntoDateFolders:
      return p_.transfer.SortIntoDateFolders();
    case Command::Slideshow:
      return p_.slideshow.Command();
    case Command::FullScreen:
      return p_.fullScreen.Open(false);
    case Command::Panorama:
      return p_.panorama.Choose(display::PanoramaMode(std::clamp(input.argument, 0, 3)));
    case Command::NormalDisplay:
      return p_.panorama.Release();
    // Not in this window, or still to come.
    case Command::CloseWindow:
    case Command::SelectPage:
    case Command::SwapQualityMode:
      return;
    case Command::QualityMode:
    case Command::Effect:
    case Command::HistogramMode:
    case Command::Sharpness:
    case Command::ExplainSharpness:
    case Command::SortOrder:
    case Command::ListDirection:
    case Command::WindowSize:
    case Command::CustomSize:
    case Command::About:
      return RunSettingCommand(command, input.argument);
    case Command::SusiePlugins:
      return OpenSusieForm();
    case Command::KeyboardHelp:
    case Command::HelpText:
    case Command::OpenManual:
    case Command::OpenWithApp:
    case Command::SetUpApps:
    case Command::OpenInNewWindow:
    case Command::OpenInBrowser:
      return p_.apps.Run(command, input.argument);
  }
}

void MainCommands::ViewOpensFullScreen(CommandSource source) {
  if (!UiReady() || ExplainWithoutPhoto(Command::FullScreen, source)) return;
  RunCommand(Command::FullScreen, {source});
}

// The argument is the setting's number, as the command table gives it.
void MainCommands::RunSettingCommand(Command command, int argument) {
  QualityCommands& quality = p_.display.Quality();
  switch (command) {
    case Command::QualityMode:
      return quality.SetQualityMode(argument == 1 ? display::QualityMode::Fast
                                                  : display::QualityMode::High);
    case Command::Effect:
      return quality.SetEffect(display::EffectFromSetting(argument));
    case Command::HistogramMode:
      return quality.SetHistogramMode(argument == 1 ? display::HistogramMode::Automatic
                                                    : display::HistogramMode::OnClick);
    case Command::Sharpness:
      return quality.SetSharpness(argument);
    case Command::ExplainSharpness:
      return quality.ExplainSharpness();
    case Command::SortOrder:
      return p_.lists.SetSortOrder(config::SortOrder(argument));
    case Command::ListDirection:
      return p_.lists.SetListDirection(config::ListDirection(argument));
    case Command::WindowSize:
      return p_.window.ChooseWindowSize(config::WindowSizeMode(argument));
    case Command::CustomSize:
      return p_.window.ChooseCustomSize();
    case Command::About:
      return p_.model.Session().dialogs().Notice(shell::AboutNoticeLines());
    default:
      return;
  }
}

// The window is made for one showing; the main window is repainted around it.
void MainCommands::OpenSusieForm() {
  p_.window.repaint();
  {
    // The folder the plug-ins are loaded from is the one the window sends the user to.
    const config::DataFolders& folders = p_.model.Session().folders();
    TSusieForm form(&p_.window, {p_.model.Plugins(), p_.model.Session().dialogs(),
                                 p_.model.Services().shellOpen, folders.ResourceFolder,
                                 folders.ResourceFolder});
    form.exec();
  }
  p_.window.repaint();
}

void MainCommands::Connect(QObject& filter) {
  ConnectNamedEntries();
  ConnectShellCommands();
  MainPanels& panels = p_.panels;
  for (QWidget* clickable : std::initializer_list<QWidget*>{
           panels.gashitsuModeLbl, panels.gashitsuModeSLbl, panels.koukaLbl, panels.sharpLbl,
           panels.histDaiPnl, panels.histgramImg, panels.histgramImg2, panels.narabikaeLbl,
           // The check box and its label toggle on a press; the filter keeps the box from
           // flipping by itself, so that it always shows the mode.
           panels.wideChk, panels.wideLbl, panels.joutaiLbl}) {
    clickable->installEventFilter(&filter);
  }
  auto turn = [this](QPushButton* button, bool right) {
    connect(button, &QPushButton::clicked, this, [this, right] {
      p_.panels.dummyBtn->setFocus();
      if (UiReady()) p_.display.Rotate(right, display::RotateFrom::Button);
    });
  };
  connect(panels.zoomKaijoBtn, &QPushButton::clicked, this, [this] {
    if (UiReady()) p_.panorama.Release();
  });
  turn(panels.turnLeftBtn, false);
  turn(panels.turnRightBtn, true);
  p_.view.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&p_.view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (UiReady()) p_.menu.viewImgPop->popup(p_.view.mapToGlobal(at));
  });
}

// Entries that run a command are bound by their names, in the menu bar and the pop-up alike.
void MainCommands::ConnectNamedEntries() {
  for (QAction* action : p_.window.menuBar()->findChildren<QAction*>()) {
    const auto entry = commands::MenuCommand(action->objectName());
    if (!entry) continue;
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, entry = *entry] {
      // The slideshow's entry also stops a running show, while nothing else is ready.
      if (!UiReady() && entry.command != Command::Slideshow) return;
      p_.window.repaint();  // the menu's trace goes before any long work
      if (!ExplainWithoutPhoto(entry.command, CommandSource::Menu)) {
        RunCommand(entry.command, {CommandSource::Menu, false, entry.argument});
      }
    });
  }
}

void MainCommands::ConnectShellCommands() {
  connect(p_.panels.explorerBtn, &QPushButton::clicked, this, [this] {
    p_.panels.dummyBtn->setFocus();
    OpenFolderInFileManager();
  });
  connect(p_.panels.okiniBtn, &QPushButton::clicked, this, [this] {
    p_.panels.dummyBtn->setFocus();
    if (UiReady()) RunCommand(commands::Command::FavouritesWindow, {CommandSource::Menu});
  });
  connect(p_.panels.saveBtn, &QPushButton::clicked, this, &MainCommands::SaveButtonClick);
}

// The button explains itself without a photo in the menu entry's words.
void MainCommands::SaveButtonClick() {
  p_.panels.dummyBtn->setFocus();
  if (!UiReady() || ExplainWithoutPhoto(Command::SaveDisplayed, CommandSource::Menu)) return;
  RunCommand(Command::SaveDisplayed, {CommandSource::Menu});
}

void MainCommands::OpenFolderInFileManager() {
  if (!UiReady()) return;
  const auto folder = shell::FileManagerFolder(p_.model.Folders().CurrentFolder,
                                               p_.model.Session().folders().DesktopFolder);
  // The file manager's own failures are its to report.
  if (folder) p_.model.Services().shellOpen.OpenDocument(*folder);
}

bool MainCommands::HandleLabelClick(QObject* object) {
  const auto* watched = qobject_cast<QWidget*>(object);
  if (!watched) return false;
  if (!UiReady()) return false;
  MainPanels& panels = p_.panels;
  if (watched == panels.wideLbl || watched == panels.wideChk) {
    panels.dummyBtn->setFocus();
    p_.display.ToggleWideMode();
    return true;
  }
  if (watched == panels.joutaiLbl) {
    p_.panorama.ToggleByLabel();
    return true;
  }
  if (watched == panels.narabikaeLbl) {
    p_.lists.SetListDirection(config::Reversed(p_.model.settings().ListDirection));
    return true;
  }
  QualityCommands& quality = p_.display.Quality();
  if (watched == panels.gashitsuModeLbl || watched == panels.gashitsuModeSLbl) {
    quality.QualityLabelClick();
  } else if (watched == panels.koukaLbl) {
    quality.StepEffect();
  } else if (watched == panels.sharpLbl) {
    quality.StepSharpness();
  } else if (watched == panels.histDaiPnl || watched == panels.histgramImg ||
             watched == panels.histgramImg2) {
    quality.HistogramClick();
  } else {
    return false;
  }
  return true;
}

void MainCommands::RefreshThumbnails(bool all, bool fromMenu) {
  const thumbs::RefreshContext context{
      p_.model.List(),
      p_.model.Folders(),
      p_.model.Thumbnails(),
      p_.model.Session().dialogs(),
      [this] { p_.lists.ScanFolder(); },
      [this] { p_.strip.RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Update); }};
  if (all) {
    thumbs::RefreshAllThumbnails(context);
    return;
  }
  const display::ShownPhoto& shown = p_.display.Driver().Shown();
  thumbs::RefreshShownThumbnail(context, {shown.Name, shown.Folder, shown.Slot}, fromMenu);
}

void MainCommands::MoveDroppedPhoto(const QString& photoPath, const QString& folder,
                                    library::DragSource from) {
  if (UiReady()) files_.MoveDroppedPhoto(photoPath, folder, from);
}

void MainCommands::ShowPhotoByPath(const QString& path) {
  const QFileInfo file(path);
  p_.folders.Panel().ShowFolderOf(file.absolutePath());
  p_.lists.ScanFolder();
  library::PhotoList& list = p_.model.List();
  library::FolderState& folders = p_.model.Folders();
  list.CurrentIndex = library::PositionOfFile(list, file.fileName());
  if (folders.HasSlot()) {
    folders.SlotFolder() = folders.CurrentFolder;
    folders.SlotPositionOfCurrent() = list.CurrentIndex;
  }
  p_.strip.RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Update);
  p_.display.ShowPhoto(list.CurrentIndex);
}

display::ShownPhoto& MainCommands::Shown() { return p_.display.Driver().Shown(); }

bool MainCommands::PanoramaShown() const { return p_.display.Driver().Modes().Panorama(); }

void MainCommands::ClearDisplay() {
  p_.display.Driver().Forget();
  p_.view.Fill(QColor(128, 128, 128));
  p_.display.Driver().Histogram().ClearHistogram(p_.display.HistogramImage(), false);
}

void MainCommands::RedrawStrip() {
  p_.strip.RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Hide);
}

void MainCommands::ShowPhoto(int position) { p_.display.ShowPhoto(position); }

void MainCommands::HideNameTag() { p_.strip.HideNameTag(); }

void MainCommands::ShowNameLabels(const display::NameLabels& labels) {
  p_.display.ShowNameLabels(labels);
}

std::optional<QString> MainCommands::AskNewName(const QString& currentName) {
  TRenameForm form(&p_.window, p_.model.Session().dialogs(), currentName);
  if (form.exec() != QDialog::Accepted) return std::nullopt;
  return form.TypedName();
}

}  // namespace kasumori::ui
