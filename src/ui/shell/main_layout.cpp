// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's size modes: laying it out, and the commands that change the size.
#include "display/quality_labels.h"
#include "config/text_file.h"
#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"
#include "ui/common/kasumori_style.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_panels.h"
#include "ui/shell/size_input_form.h"
#include "ui/common/view_image.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

namespace kasumori::ui {

namespace {

const QColor kDisplayGrey(128, 128, 128);

// The size whose proportions the custom-size dialog can keep: the shown photo as its size
// label gives it (turned as shown), or in zoom mode the display area the photo fills now.
std::optional<TSizeInputForm::Reference> SizeReference(const display::PhotoDisplay& driver) {
  // A photo that failed to load has no size to keep.
  if (!driver.Shown().Shown() || !driver.SourceIsShown()) return std::nullopt;
  if (driver.Modes().ZoomMode) return TSizeInputForm::Reference{driver.DisplaySize(), true};
  const display::NormalComposeResult& last = driver.LastComposition();
  if (last.RotatedWidth <= 0 || last.RotatedHeight <= 0) return std::nullopt;
  return TSizeInputForm::Reference{QSize(last.RotatedWidth, last.RotatedHeight), false};
}

}  // namespace

void TMainForm::ApplyLayout() {
  config::Settings& settings = session_.settings();
  SetHint(
      panels_->henshuLbl,
      QStringLiteral(
          "写真を表示すると、ここに表示倍率（原寸大サイズに対する倍率）がヒント表示されます。"));
  const shell::DisplayMode mode = shell::DisplayModeFor(
      settings.WindowSizeMode, settings.CustomPhotoWidth, settings.CustomPhotoHeight);
  const shell::LayoutTable& table = shell::LayoutOf(mode.layout);
  displaySize_ = mode.display;
  menu_->sizeNiniMenu->setText(shell::CustomSizeCaption(
      settings.WindowSizeMode, settings.CustomPhotoWidth, settings.CustomPhotoHeight));
  ResetQualityLabels(mode.layout);

  client_->setFixedSize(table.client);
  panels_->Apply(table);
  view_->move(table.viewOrigin);
  view_->Reset(displaySize_, kDisplayGrey);
  setFixedSize(table.client + QSize(0, menuBar()->sizeHint().height()));

  panels_->ShowDirection(settings.ListDirection);
  repaint();
  FolderView().UpdateFolderLabels();
  Display().LayoutChanged(mode.layout, displaySize_, true);
}

void TMainForm::ResetQualityLabels(shell::LayoutKind layout) {
  const bool narrow = layout == shell::LayoutKind::B640;
  if (narrow) {
    panels_->gashitsuModeSLbl->clear();
  } else {
    panels_->gashitsuModeLbl->clear();
    panels_->koukaLbl->clear();
    panels_->sharpLbl->clear();
  }
  panels_->gashitsuModeSLbl->setVisible(narrow);
  panels_->gashitsuPnl->setVisible(!narrow);
  if (layout == shell::LayoutKind::C800 || layout == shell::LayoutKind::D1024) {
    panels_->joutaiLbl->setText(QStringLiteral("【写真未表示】"));
    panels_->ritsuLbl->setText(QStringLiteral("   %"));
  }
}

void TMainForm::SaveSettings() {
  try {
    session_.SaveSettings(pos());
  } catch (const config::TextFileError& error) {
    // The path and the system's reason each get a line of their own.
    session_.dialogs().Notice(QString::fromStdString(error.what()).split(QStringLiteral(": ")));
  }
}

void TMainForm::ChooseWindowSize(config::WindowSizeMode windowSizeMode) {
  if (!session_.UiReady) return;
  config::Settings& settings = session_.settings();
  settings.WindowSizeMode = windowSizeMode;
  menu_->CheckWindowSize(windowSizeMode, settings.CustomPhotoWidth, settings.CustomPhotoHeight);
  SaveSettings();
  ApplyLayout();
}

void TMainForm::ChooseCustomSize() {
  if (!session_.UiReady) return;
  config::Settings& settings = session_.settings();
  TSizeInputForm form(this, session_.dialogs(), settings.WindowSizeMode, settings.CustomPhotoWidth,
                      settings.CustomPhotoHeight, SizeReference(Display().Driver()));
  if (form.exec() != QDialog::Accepted) {
    // The menu's radio group moved the check; put it back where the mode is.
    menu_->CheckWindowSize(settings.WindowSizeMode, settings.CustomPhotoWidth,
                           settings.CustomPhotoHeight);
    return;
  }
  settings.WindowSizeMode = shell::WindowSizeModeOf(form.ChosenLayout());
  settings.CustomPhotoWidth = form.ChosenWidth();
  settings.CustomPhotoHeight = form.ChosenHeight();
  menu_->CheckWindowSize(settings.WindowSizeMode, settings.CustomPhotoWidth,
                         settings.CustomPhotoHeight);
  SaveSettings();
  ApplyLayout();
}

}  // namespace kasumori::ui
