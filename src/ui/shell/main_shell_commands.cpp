// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands that hand over to the desktop or only inform.
#include "shell/about_notice.h"
#include "shell/file_manager_folder.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_panels.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace kasumori::ui {

void TMainForm::ConnectShellCommands() {
  connect(panels_->explorerBtn, &QPushButton::clicked, this, [this] {
    panels_->dummyBtn->setFocus();
    OpenFolderInFileManager();
  });
  // The favourites window comes with the favourites.
  panels_->okiniBtn->setEnabled(false);
  connect(menu_->verMnu, &QAction::triggered, this, [this] {
    repaint();
    ShowAboutNotice();
  });
}

void TMainForm::OpenFolderInFileManager() {
  if (!session_.UiReady) return;
  const auto folder =
      shell::FileManagerFolder(folderState_.CurrentFolder, session_.folders().DesktopFolder);
  if (!folder) return;
  // The file manager's own failures are its to report.
  model_.Services().shellOpen.OpenDocument(*folder);
}

void TMainForm::ShowAboutNotice() {
  if (!session_.UiReady) return;
  session_.dialogs().Notice(shell::AboutNoticeLines());
}

}  // namespace kasumori::ui
