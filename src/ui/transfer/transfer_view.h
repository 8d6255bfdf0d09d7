// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's camera transfer and date sorting: the "デジカメ転送" menu's captions and
// items, the "「ファイル日付」フォルダへ振り分け" command, their dialogs, and where the window
// goes once a run is over. The rules are the core's (transfer/transfer_commands.h).
#pragma once

#include "shell/app_model.h"
#include "transfer/transfer_commands.h"

#include <functional>

class QWidget;

namespace kasumori::library {
class PhotoListController;
}

namespace kasumori::ui {

class FolderPanelView;
class MainDisplay;
class ThumbStrip;
struct MainMenu;

struct TransferViewDeps {
  QWidget& window;
  shell::AppModel& model;
  MainMenu& menu;
  library::PhotoListController& lists;
  FolderPanelView& folders;
  ThumbStrip& strip;
  MainDisplay& display;
  std::function<void()> clearDisplay;
  std::function<void()> saveSettings;
  QWidget* helpWindow = nullptr;  // the non-modal help window, when there is one
};

class TransferView {
 public:
  explicit TransferView(TransferViewDeps deps);

  // The six transfer items' captions from the camera settings.
  void UpdateCaptions();
  // The camera settings dialog; true when it was left with "決定".
  bool EditCameras();
  // A transfer item of camera slot 1..3.
  void Transfer(transfer::TransferMode mode, int slot);
  // Sorts the current folder's photos into date folders.
  void SortIntoDateFolders();

 private:
  transfer::AfterRun RunEngine(const transfer::TransferJob& job);
  void Follow(const transfer::AfterRun& after);
  void ShowListed(const QString& name);

  TransferViewDeps d_;
};

}  // namespace kasumori::ui
