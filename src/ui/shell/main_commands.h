// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command router: keys (through the key map), menu and pop-up entries (by
// their names), buttons and label clicks all end in RunCommand, which hands each command to the
// feature that carries it out. The file commands' sequencing lives in shell::FileCommands.
#pragma once

#include "commands/command.h"
#include "commands/key_map.h"
#include "commands/no_photo_notice.h"
#include "shell/app_model.h"
#include "shell/file_commands.h"

#include <QObject>

namespace kasumori::library {
class PhotoListController;
}

namespace kasumori::ui {

class AppsView;
class FavouritesView;
class FullScreenView;
class PanoramaView;
class SlideshowView;
class MainDisplay;
class PhotoSaveView;
class TMainForm;
class ThumbStrip;
class FolderPanelView;
class TWideThumbForm;
class TransferView;
class ViewImage;
struct MainMenu;
struct MainPanels;

// The window's parts the commands act on; all outlive the router.
struct MainCommandParts {
  TMainForm& window;
  shell::AppModel& model;
  MainPanels& panels;
  MainMenu& menu;
  ViewImage& view;
  MainDisplay& display;
  ThumbStrip& strip;
  FolderPanelView& folders;
  TWideThumbForm& wide;
  library::PhotoListController& lists;
  FavouritesView& favourites;
  PhotoSaveView& photoSave;
  TransferView& transfer;
  FullScreenView& fullScreen;
  SlideshowView& slideshow;
  PanoramaView& panorama;
  AppsView& apps;
};

struct CommandInput {
  commands::CommandSource source;
  bool shift = false;
  int argument = 0;  // the setting a menu entry of a choice stands for
};

class MainCommands final : public QObject, private shell::PhotoScreen {
  Q_OBJECT

 public:
  explicit MainCommands(MainCommandParts parts);

  // Binds the menu and pop-up entries by their names through the command table, the buttons
  // and the view's pop-up; label clicks reach HandleLabelClick through the window's event
  // filter, which `filter` is.
  void Connect(QObject& filter);
  // True when the chord is one of the window's keys (it is then handled).
  bool HandleKey(const commands::KeyChord& chord);
  void RunCommand(commands::Command command, CommandInput input);
  // True when the press was on one of the clickable labels (and acted on).
  bool HandleLabelClick(QObject* watched);
  void RefreshThumbnails(bool all, bool fromMenu);
  void MoveDroppedPhoto(const QString& photoPath, const QString& folder, library::DragSource from);
  void ResolveMissingSource(const display::MissingRecordSource& m) {
    files_.ResolveMissingSource(m);
  }
  // Makes the photo's folder current (in the slot that holds it, or as another folder), lists
  // it and shows the photo.
  void ShowPhotoByPath(const QString& path);
  // Empties the photo view and forgets the shown photo, leaving the list as it is.
  void ClearShownPhoto() { ClearDisplay(); }
  // The middle button and the double click on the view.
  void ViewOpensFullScreen(commands::CommandSource source);

 private:
  bool UiReady() const;
  // Without a shown photo, a command for it explains itself instead. True when it did.
  bool ExplainWithoutPhoto(commands::Command command, commands::CommandSource source);
  // The commands that choose a setting or only inform.
  void RunSettingCommand(commands::Command command, int argument);
  void ConnectNamedEntries();
  void ConnectShellCommands();
  void OpenFolderInFileManager();
  void SaveButtonClick();
  void OpenSusieForm();

  // shell::PhotoScreen
  display::ShownPhoto& Shown() override;
  bool PanoramaShown() const override;
  void ClearDisplay() override;
  void RedrawStrip() override;
  void ShowPhoto(int position) override;
  void HideNameTag() override;
  void ShowNameLabels(const display::NameLabels& labels) override;
  std::optional<QString> AskNewName(const QString& currentName) override;

  MainCommandParts p_;
  shell::FileCommands files_;
};

}  // namespace kasumori::ui
