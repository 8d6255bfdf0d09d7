// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/export/photo_save_view.h"

#include "pixels/dib_views.h"
#include "ui/display/main_display.h"
#include "ui/export/photo_save_form.h"

namespace kasumori::ui {

PhotoSaveView::PhotoSaveView(PhotoSaveDeps deps)
    : d_(std::move(deps)),
      save_({d_.model.settings(), d_.model.Session().dialogs(), d_.model.Services().picker},
            d_.model.Session().folders().DesktopFolder) {}

void PhotoSaveView::Run() {
  exporting::SaveHooks hooks;
  hooks.askOptions = [this](exporting::SaveOptions& options) {
    TPhotoSaveForm form(&d_.window, options);
    if (form.exec() != QDialog::Accepted) return false;
    options = form.Options();
    return true;
  };
  hooks.saveSettings = d_.saveSettings;
  hooks.redrawInQuality = [this](config::QualityMode mode) { RedrawInQuality(mode); };
  const exporting::SaveScene scene = Scene();
  const bool wholeZoom = exporting::PlanSaveArea(scene.area).wholeZoom;
  hooks.screen = [this, wholeZoom] { return Captured(wholeZoom); };
  hooks.setBusy = [this](bool busy) { d_.display.SetBusy(busy); };
  hooks.overlays = [this] { return d_.display.Comments().Visible(); };
  hooks.extractArchived = [this](const QString& path) {
    return d_.model.Archives().ExtractPhoto(path, archive::ArchivePhotos::Report::Quiet);
  };
  save_.Run(scene, hooks);
  wholeZoom_.Release();
  d_.window.setAttribute(Qt::WA_InputMethodEnabled, false);
}

exporting::SaveScene PhotoSaveView::Scene() {
  display::PhotoDisplay& driver = d_.display.Driver();
  const display::ShownPhoto& shown = driver.Shown();
  const display::DisplayScale& scale = driver.LastComposition().scale;
  exporting::SaveScene scene;
  scene.folder = shown.Folder;
  scene.name = shown.Name;
  const display::ZoomGeometry& zoom = driver.Zoom().Geometry();
  scene.area = {driver.DisplaySize(),
                driver.Modes().ZoomMode,
                {zoom.ZoomedWidth, zoom.ZoomedHeight},
                driver.Modes().Panorama(),
                d_.model.settings().SaveZoomWhole == 1,
                scale.MarginX,
                scale.MarginY};
  return scene;
}

pixels::ConstPixelView PhotoSaveView::Captured(bool wholeZoom) {
  if (!wholeZoom) return d_.display.Target();
  d_.display.Driver().RenderWholeZoom(wholeZoom_);
  return wholeZoom_.View();
}

// Only the picture is drawn again: the quality labels and the settings file keep the user's
// mode, which comes back when the save ends.
void PhotoSaveView::RedrawInQuality(config::QualityMode mode) {
  d_.model.settings().QualityMode = mode;
  d_.display.Driver().Recompose();
}

}  // namespace kasumori::ui
