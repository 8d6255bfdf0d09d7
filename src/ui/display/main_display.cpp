// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/main_display.h"

#include "pixels/dib_views.h"
#include "display/quality_labels.h"
#include "shell/photo_navigation.h"
#include "thumbs/camera_rotation.h"
#include "thumbfiles/thumbnail_files.h"
#include "ui/display/info_panel.h"
#include "ui/common/kasumori_style.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_panels.h"
#include "ui/common/view_image.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QPushButton>

namespace kasumori::ui {

namespace {
const QColor kDisplayGrey(128, 128, 128);

void Paint(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}
}  // namespace

MainDisplay::MainDisplay(MainDisplayParts parts)
    : p_(std::move(parts)),
      decoder_({}, nullptr),
      display_({p_.list, p_.folders, p_.settings, p_.dialogs, p_.loadFailed, decoder_, *this,
                [this](int position) { return p_.thumbnails.Rotation(position); },
                p_.extractArchived}),
      quality_(p_.settings, p_.dialogs, *this, qualityState_, display_.Modes(), edits_),
      pan_(
          display_, [this](bool busy) { SetBusy(busy); }, p_.uiReady),
      comments_(p_.settings, display_.Modes(), p_.view, [this] { StopSlideshow(); }) {}

display::QualityCommands& MainDisplay::Quality() {
  UpdateQualityState();
  return quality_;
}

// The quality commands read the display state and the shown photo's edits through these.
void MainDisplay::UpdateQualityState() {
  qualityState_.uiReady = !p_.uiReady || p_.uiReady();
  qualityState_.photoShown = display_.Shown().Shown();
  qualityState_.histogramShown = display_.Histogram().HistogramShown();
  edits_ = display_.Shown().Edits();
}

void MainDisplay::ShowPhoto(int n) {
  p_.list.ShownPhotoIndex = n;
  display_.ShowPhoto(n);
  // Commands that change the edits (removing them all) write back through edits_.
  edits_ = display_.Shown().Edits();
  // Asked only once the display has ended, so what follows may show another photo.
  const std::optional<display::MissingRecordSource> missing = display_.TakeMissingSource();
  if (missing && p_.missingSource) p_.missingSource(*missing);
}

void MainDisplay::NextPhoto(bool shift, bool pointerStays) {
  p_.panels.dummyBtn->setFocus();
  shell::NavigationContext context{display_.Shown().Name, p_.settings.ListDirection,
                                   display_.Modes().PanoramaMode, shift};
  const shell::NavigationStep step = shell::NextPhoto(p_.list, context);
  if (step.cursorMoved) {
    if (p_.folders.HasSlot()) p_.folders.SlotPositionOfCurrent() = p_.list.CurrentIndex;
    RefreshStrip(config::Direction::Forward);
  }
  if (step.show) ShowStepped(pointerStays);
}

void MainDisplay::PreviousPhoto(bool shift, bool pointerStays) {
  p_.panels.dummyBtn->setFocus();
  shell::NavigationContext context{display_.Shown().Name, p_.settings.ListDirection,
                                   display_.Modes().PanoramaMode, shift};
  const shell::NavigationStep step = shell::PreviousPhoto(p_.list, context);
  if (step.cursorMoved) {
    if (p_.folders.HasSlot()) p_.folders.SlotPositionOfCurrent() = p_.list.CurrentIndex;
    RefreshStrip(config::Direction::Backward);
  }
  if (step.show) ShowStepped(pointerStays);
}

void MainDisplay::ShowStepped(bool pointerStays) {
  auto show = [this] {
    if (p_.hideNameTag) p_.hideNameTag();
    ShowPhoto(p_.list.CurrentIndex);
  };
  pointerStays ? show() : WithPointerOnSelection(show);
}

void MainDisplay::WithPointerOnSelection(const std::function<void()>& work) {
  if (!p_.selectionFrameCentre) {
    work();
    return;
  }
  const QPoint back = QCursor::pos();
  const QPoint parked = p_.selectionFrameCentre();
  QCursor::setPos(parked);
  work();
  // A notice during the work may have had the user move the pointer: it stays where they put it.
  if (QCursor::pos() == parked) QCursor::setPos(back);
}

// A photo its camera turned needs a sidecar to stay as the user turned it, also at 0.
void MainDisplay::PersistRotation(const display::ShownPhoto& photo, int rotation) {
  const QString path = p_.thumbnails.ThumbnailPathFor(photo.Slot, photo.Folder, photo.Name);
  if (path.isEmpty()) return;
  thumbfiles::StoreRotation(path, rotation,
                            thumbs::CameraRotation(photo.Folder + u'/' + photo.Name));
}

void MainDisplay::Rotate(bool right, display::RotateFrom from) {
  display::RotationEffects effects;
  effects.persist = [this](const display::ShownPhoto& photo, int rotation) {
    PersistRotation(photo, rotation);
  };
  effects.updateStrip = [this](int rotation) {
    // Every scan of the shown photo's folder finds it again by name.
    const int position = p_.list.ShownPhotoIndex;
    if (position < 1 || position > p_.list.PhotoCount ||
        p_.list.Name(position) != display_.Shown().Name) {
      return;
    }
    p_.thumbnails.MarkNotLoaded(position);
    p_.thumbnails.SetRotation(position, rotation);
    RefreshStrip(config::Direction::Forward);
  };
  display::RotateShownPhoto(display_, right, from, p_.folders, p_.dialogs, effects);
}

void MainDisplay::ToggleWideMode(bool fromKey) {
  auto toggle = [this] {
    display::DisplayModes& modes = display_.Modes();
    modes.WideMode = !modes.WideMode;
    p_.panels.wideChk->setChecked(modes.WideMode);
    p_.window.repaint();
    if (!modes.ZoomMode && display_.Shown().Shown()) display_.Recompose();
  };
  fromKey ? WithPointerOnSelection(toggle) : toggle();
}

void MainDisplay::LayoutChanged(shell::LayoutKind layout, const QSize& displaySize,
                                bool photoRedraw) {
  layout_ = layout;
  display_.SetDisplaySizeKeepingZoom(displaySize);
  ShowQualitySettings();
  if (photoRedraw && display_.Shown().Shown()) display_.Recompose();
  DrawAllComments();
}

void MainDisplay::SetScreenImage(ViewImage* image) {
  screen_ = image;
  comments_.SetFullScreenPicture(image != &p_.view ? image : nullptr);
}

void MainDisplay::DrawAllComments() {
  comments_.DrawAllComments(display_.Shown(), display_.Panes(), display_.DisplaySize());
}

void MainDisplay::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  busy ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
}

void MainDisplay::ClearInfoLabels() { ui::ClearInfoLabels(p_.panels); }

void MainDisplay::ShowPhotoInfo(const imaging::PhotoInfo& info) {
  ui::ShowPhotoInfo(p_.panels, info);
}

void MainDisplay::ShowNameLabels(const display::NameLabels& labels) {
  MainPanels& panels = p_.panels;
  panels.fileNameLbl->resize(panels.exifPnl->width() - 2, panels.fileNameLbl->height());
  panels.fileNameLbl->setText(labels.FileName);
  panels.extNameLbl->setText(labels.Extension);
  SetHint(panels.fileNameLbl, labels.Hint);
  SetHint(panels.extNameLbl, labels.Hint);
}

void MainDisplay::SetSizeText(const QString& text) { p_.panels.sizeLbl->setText(text); }

void MainDisplay::ApplyComposeLabels(const display::ComposeLabels& labels) {
  MainPanels& panels = p_.panels;
  if (labels.SizeLbl) panels.sizeLbl->setText(*labels.SizeLbl);
  if (labels.RitsuLbl) panels.ritsuLbl->setText(*labels.RitsuLbl);
  if (labels.HenshuHint) SetHint(panels.henshuLbl, *labels.HenshuHint);
  if (labels.JoutaiLbl) panels.joutaiLbl->setText(*labels.JoutaiLbl);
  if (labels.Caption) p_.window.setWindowTitle(*labels.Caption);
  if (labels.ZoomKaijoBtnEnabled) panels.zoomKaijoBtn->setEnabled(*labels.ZoomKaijoBtnEnabled);
  if (labels.cursor == display::ViewCursor::NormalWithDragSymbol) {
    p_.view.setCursor(Qt::ArrowCursor);
  } else if (labels.cursor == display::ViewCursor::Move) {
    p_.view.setCursor(Qt::SizeAllCursor);
  } else if (display_.Modes().Panorama()) {
    p_.view.setCursor(Qt::PointingHandCursor);  // a double click picks a pane
  }
  if (labels.repaint == display::RepaintTarget::MainWindow) p_.window.repaint();
}

void MainDisplay::RepaintNow() { screen_ ? screen_->repaint() : p_.window.repaint(); }

pixels::PixelView MainDisplay::Screen() {
  const QSize size = display_.DisplaySize();
  return pixels::SubView(pixels::ViewOf(ScreenImage().Buffer()), 0, 0, size.width(), size.height());
}

pixels::PixelView MainDisplay::Target() {
  if (display_.Modes().SlideshowActive && slideBuffer_) return pixels::ViewOf(*slideBuffer_);
  return pixels::ViewOf(ScreenImage().Buffer());
}

pixels::PixelView MainDisplay::HistogramImage() {
  return pixels::ViewOf(p_.panels.histgramImg->Buffer());
}

void MainDisplay::TargetChanged() {
  ScreenImage().update();
  p_.panels.histgramImg->update();
}

void MainDisplay::RefreshStrip(config::Direction direction) {
  if (p_.refreshStrip) p_.refreshStrip(direction);
}

void MainDisplay::SaveSettings() {
  if (p_.saveSettings) p_.saveSettings();
}

void MainDisplay::ShowQualitySettings() {
  const config::Settings& s = p_.settings;
  p_.menu.CheckQuality(s.QualityMode, s.PictureEffect, s.HistogramMode, s.Sharpness);
  MainPanels& panels = p_.panels;
  if (layout_ == shell::LayoutKind::B640) {
    panels.gashitsuModeSLbl->setText(display::QualityModeLetter(s.QualityMode));
    panels.gashitsuModeSLbl->move(display::QualityModeLetterLeft(s.QualityMode), 2);
    return;
  }
  panels.gashitsuModeLbl->setText(display::QualityModeText(s.QualityMode));
  panels.koukaLbl->setText(display::EffectText(s.PictureEffect));
  panels.sharpLbl->setText(display::SharpnessText(s.Sharpness));
  Paint(panels.koukaLbl, display::QualityLabelColour(s.QualityMode));
  Paint(panels.sharpLbl, display::QualityLabelColour(s.QualityMode));
}

void MainDisplay::RepaintMainWindow() {
  p_.window.repaint();
  if (screen_) screen_->repaint();
}

// The quality commands change the edits they were given; the shown photo takes them over.
void MainDisplay::ApplyEditsToShown() {
  display::ShownPhoto& shown = display_.Shown();
  shown.Rotation = std::int8_t(edits_.rotation);
  shown.Brightness = edits_.brightness;
  shown.Contrast = edits_.contrast;
  shown.Sharpness = edits_.sharpness;
  shown.Effect = edits_.effect;
}

void MainDisplay::Recompose() {
  ApplyEditsToShown();
  display_.Recompose();
}

void MainDisplay::RecomposeNormal() {
  ApplyEditsToShown();
  display_.RecomposeNormal();
}

void MainDisplay::DrawHistogram() {
  SetBusy(true);
  const display::NormalComposeResult& last = display_.LastComposition();
  const QSize size = display_.DisplaySize();
  const bool zoom = display_.Modes().ZoomMode;
  display_.Compositor().DrawHistogramOf(
      display_.Histogram(), HistogramImage(), Target(), size.width(), size.height(), zoom,
      p_.settings.QualityMode, display_.Modes().SlideshowActive, display_.Modes().FullScreenActive,
      display::HistogramRegionFor(zoom, 0, 0, last.scale.MarginX, last.scale.MarginY, size.width(),
                                  size.height()));
  TargetChanged();
  SetBusy(false);
}

void MainDisplay::SharpenOnScreen() {
  ApplyEditsToShown();
  SetBusy(true);
  const QSize size = display_.DisplaySize();
  const display::ShownPhoto& shown = display_.Shown();
  display_.Compositor().SharpenOnScreen(
      pixels::SubView(Target(), 0, 0, size.width(), size.height()),
      display::EffectiveSharpness(shown.Sharpness, p_.settings.Sharpness));
  TargetChanged();
  p_.window.repaint();
  SetBusy(false);
}

}  // namespace kasumori::ui
