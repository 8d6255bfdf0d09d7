// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/apps/apps_view.h"

#include "apps/app_slots.h"
#include "ui/apps/app_set_form.h"
#include "ui/apps/help_form.h"

#include <QAction>
#include <QWidget>

namespace kasumori::ui {

namespace {
using commands::Command;
}  // namespace

AppsView::AppsView(AppsViewDeps deps) : d_(std::move(deps)), help_(new THelpForm(&d_.window)) {
  shell::AppModel& m = d_.model;
  const QString resources = m.Session().folders().ResourceFolder;
  others_ = std::make_unique<apps::OtherApps>(
      apps::OtherAppsDeps{m.Session().dialogs(), m.Services().shellOpen, m.settings(),
                          resources + QStringLiteral("/kasumori2"),
                          resources + QStringLiteral("/Manual/index.html")},
      apps::OtherAppsHooks{d_.shownPhoto, d_.panorama, [this] { SetUpApps(); }, d_.saveSettings});
  help_->keyboardHelp = [this] { ShowHelpText(apps::HelpText::Keybord); };
  UpdateAppMenus();
}

AppsView::~AppsView() = default;

void AppsView::Run(Command command, int argument) {
  switch (command) {
    case Command::OpenWithApp:
      return others_->OpenWithApp(argument);
    case Command::SetUpApps:
      return SetUpApps();
    case Command::OpenInNewWindow:
      return others_->OpenInNewWindow();
    case Command::OpenInBrowser:
      return others_->OpenInBrowser();
    case Command::OpenManual:
      return others_->OpenManual();
    case Command::KeyboardHelp:
      return ShowHelpText(apps::HelpText::Keybord);
    case Command::HelpText:
      return ShowHelpText(apps::HelpTextNumbered(argument));
    default:
      return;
  }
}

void AppsView::ShowHelpText(apps::HelpText text) {
  const apps::HelpTextFile file = apps::FileOf(text);
  const QString heading = QString::fromUtf8(file.heading);
  // The first-steps text is a guide the user reads alongside: asked again, it stays where the
  // user has scrolled to.
  if (text == apps::HelpText::Hajimete && help_->isVisible() && help_->Heading() == heading) {
    return help_->BringForward();
  }
  const apps::LoadedHelpText loaded =
      apps::LoadHelpText(d_.model.Session().folders().ResourceFolder, text);
  if (!loaded.text) return d_.model.Session().dialogs().Notice({loaded.error});
  help_->ShowText(heading, *loaded.text);
}

void AppsView::SetUpApps() {
  shell::AppModel& m = d_.model;
  TAppSetForm form(&d_.window, m.settings(),
                   {m.Services().special.CommonPrograms(), m.Session().folders().ProgramsFolder},
                   m.Services().picker, help_);
  if (form.exec() != QDialog::Accepted) return;
  form.StoreInto(m.settings());
  d_.saveSettings();
  UpdateAppMenus();
}

void AppsView::UpdateAppMenus() {
  for (int slot = 1; slot <= apps::kAppSlotCount; ++slot) {
    const QString caption = apps::AppMenuCaption(slot, apps::AppPath(d_.model.settings(), slot));
    for (const char* name : {"App%1Menu", "MApp%1Menu"}) {
      const QString entry = QString::fromLatin1(name).arg(slot);
      if (auto* action = d_.window.findChild<QAction*>(entry)) action->setText(caption);
    }
  }
}

}  // namespace kasumori::ui
