// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the other applications and of the help: the commands, the captions
// of the application entries, the set-up window and the help window.
#pragma once

#include "apps/help_texts.h"
#include "apps/other_apps.h"
#include "commands/command.h"
#include "shell/app_model.h"

#include <functional>
#include <memory>

class QWidget;

namespace kasumori::ui {

class THelpForm;

struct AppsViewDeps {
  QWidget& window;  // the main window, whose menus hold the application entries
  shell::AppModel& model;
  std::function<std::optional<apps::ShownPhotoFile>()> shownPhoto;
  std::function<bool()> panorama;
  std::function<void()> saveSettings;
};

class AppsView {
 public:
  // Makes the help window, hidden, and captions the application entries.
  explicit AppsView(AppsViewDeps deps);
  ~AppsView();
  AppsView(const AppsView&) = delete;
  AppsView& operator=(const AppsView&) = delete;

  // The commands of the other applications and of the help, with the entry's argument.
  void Run(commands::Command command, int argument);
  void ShowHelpText(apps::HelpText text);
  void SetUpApps();
  void UpdateAppMenus();
  THelpForm& Help() { return *help_; }

 private:
  AppsViewDeps d_;
  THelpForm* help_;  // owned by the main window, like every window it opens
  std::unique_ptr<apps::OtherApps> others_;
};

}  // namespace kasumori::ui
