// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slideshow/slideshow_view.h"

#include "pixels/dib_views.h"
#include "slideshow/slide_dialog.h"
#include "ui/common/view_image.h"
#include "ui/display/full_gamen_form.h"
#include "ui/display/full_screen_view.h"
#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"
#include "ui/shell/main_panels.h"
#include "ui/slideshow/slide_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace kasumori::ui {

namespace {
const QString kRunningCaption = QStringLiteral("Kasumori２（スライドショーMode）");
const QString kStoppedCaption = QStringLiteral("Kasumori２（スライドショー停止中）");
}  // namespace

SlideshowView::SlideshowView(SlideshowViewDeps deps)
    : d_(std::move(deps)),
      photos_({d_.model.List(), d_.model.Folders(), d_.model.settings(), d_.display, d_.folders,
               d_.redrawStrip, [this] { return FullScreenActive(); }}),
      run_({waitTimer_, stepTimer_, photos_, random_, d_.display.Driver().Modes().SlideshowActive},
           Hooks()) {
  d_.display.SetSlideBuffer(&run_.SlideBuffer());
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive) run_.RequestStop();
          });
}

SlideshowView::~SlideshowView() { d_.display.SetSlideBuffer(nullptr); }

bool SlideshowView::FullScreenActive() const {
  return d_.display.Driver().Modes().FullScreenActive;
}

slideshow::SlideshowHooks SlideshowView::Hooks() {
  slideshow::SlideshowHooks hooks;
  hooks.started = [this] { Started(); };
  hooks.screen = [this] { return d_.display.Screen(); };
  hooks.blankScreen = [this] { BlankScreen(); };
  // The screen saver is held off for the whole show, which also keeps the display awake.
  hooks.keepAwake = [] {};
  hooks.transitionStarting = [this] { d_.display.HideCommentOverlays(); };
  // Synchronously: the next step's timer fires as soon as the event loop is idle, and an
  // update left for later would be merged into the last step's.
  hooks.repaint = [this] { d_.display.ScreenImage().repaint(); };
  hooks.transitionEnded = [this] { TransitionEnded(); };
  hooks.stopShown = [this] { StopShown(); };
  hooks.finished = [this] { Finished(); };
  return hooks;
}

void SlideshowView::Command() {
  if (run_.Running()) {
    run_.RequestStop();
    return;
  }
  shell::AppModel& m = d_.model;
  if (!m.Session().UiReady) return;
  const library::PhotoList& list = m.List();
  const bool rightToLeft = m.settings().ListDirection == config::ListDirection::RightToLeft;
  const int last = rightToLeft ? 1 : list.PhotoCount;
  const int panorama = int(d_.display.Driver().Modes().PanoramaMode);
  // Over the full-screen window, which stays on top of the main window.
  QWidget* owner = d_.fullScreen.Form() ? static_cast<QWidget*>(d_.fullScreen.Form()) : &d_.window;
  TSlideForm form(owner,
                  slideshow::DialogValuesFrom(m.settings(), panorama,
                                              list.PhotoCount > 0 && list.CurrentIndex == last),
                  FullScreenActive(), m.Session().dialogs());
  if (form.exec() != QDialog::Accepted) return;
  const slideshow::SlideDialogValues values = form.Values();
  slideshow::ApplyDialogValues(values, m.settings());
  d_.setPanorama(display::PanoramaMode(values.panorama));
  d_.display.ShowQualitySettings();
  if (d_.saveSettings) d_.saveSettings();
  if (values.start == slideshow::SlideStart::FromFirst) photos_.ToFirst();
  if (form.Result() == SlideFormResult::FullScreenStart && !FullScreenActive()) {
    d_.fullScreen.Open(true);
  } else {
    Start();
  }
}

void SlideshowView::StartInFullScreen() { Start(); }

void SlideshowView::Start() {
  run_.Start(slideshow::ShowOptionsFrom(d_.model.settings(), d_.display.Driver().DisplaySize()));
}

void SlideshowView::Started() {
  screenSaver_.Inhibit();
  if (TFullGamenForm* form = d_.fullScreen.Form()) {
    form->HideCursorInCorner();
  } else {
    QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    forbiddenCursor_ = true;
  }
  d_.model.Session().UiReady = false;
  qApp->installEventFilter(this);
  if (!FullScreenActive()) {
    d_.window.setWindowTitle(kRunningCaption);
    d_.panels.joutaiLbl->setText(QStringLiteral("【スライドショー】"));
  }
}

void SlideshowView::BlankScreen() {
  display::PhotoDisplay& driver = d_.display.Driver();
  d_.display.HideCommentOverlays();
  driver.Histogram().ClearHistogram(d_.display.HistogramImage(), FullScreenActive());
  pixels::FillBlack(d_.display.Screen());
  if (!FullScreenActive()) d_.panels.ritsuLbl->setText(QStringLiteral("   %"));
  driver.Forget();
  d_.display.ScreenImage().repaint();
}

void SlideshowView::TransitionEnded() {
  const config::Settings& settings = d_.model.settings();
  display::PhotoDisplay& driver = d_.display.Driver();
  if (settings.QualityMode == config::QualityMode::High &&
      settings.HistogramMode == config::HistogramMode::Automatic && !driver.Modes().Panorama()) {
    d_.display.DrawHistogram();
  } else {
    driver.Histogram().ClearHistogram(d_.display.HistogramImage(), FullScreenActive());
  }
  driver.ShowShownInfo();
  d_.display.DrawAllComments();
  d_.display.ScreenImage().repaint();
  d_.panels.histgramImg->repaint();
}

void SlideshowView::StopShown() {
  if (TFullGamenForm* form = d_.fullScreen.Form()) {
    form->BusyCursorAtCentre();
    return;
  }
  d_.window.setWindowTitle(kStoppedCaption);
  d_.panels.joutaiLbl->setText(QStringLiteral("【スライド停止】"));
}

void SlideshowView::Finished() {
  qApp->removeEventFilter(this);
  if (TFullGamenForm* form = d_.fullScreen.Form()) {
    form->BusyCursorAtCentre();
    form->ShowPointer(d_.display.Driver().Modes().ZoomMode);
  }
  if (forbiddenCursor_) {
    QApplication::restoreOverrideCursor();
    forbiddenCursor_ = false;
  }
  d_.model.Session().UiReady = true;
  screenSaver_.Release();
  if (!FullScreenActive()) RestoreMainWindow();
}

// After a show in the main window its controls show the state they stand for again.
void SlideshowView::RestoreMainWindow() {
  const library::FolderState& folders = d_.model.Folders();
  if (folders.HasSlot()) {
    d_.panels.folderRadio[folders.CurrentSlot - 1]->setChecked(true);
    d_.folders.Panel().BuildSlotTree(folders.CurrentSlot);
    d_.folders.ShowTree();
  }
  const display::PhotoDisplay& driver = d_.display.Driver();
  d_.panels.wideChk->setChecked(driver.Modes().WideMode);
  d_.window.setWindowTitle(QStringLiteral("Kasumori２"));
  QString state = QStringLiteral("【写真未表示】");
  if (driver.Modes().ZoomMode) {
    state = QStringLiteral("【ズームモード】");
  } else if (driver.Modes().Panorama()) {
    state = QStringLiteral("【パノラマ】");
  } else if (driver.Shown().Shown()) {
    state = QStringLiteral("【通常モード】");
  }
  d_.panels.joutaiLbl->setText(state);
}

// While the show runs in the main window, its keys and clicks are the show's: a next-photo
// key brings the next photo, anything else stops it. The menus stay open to their entry
// that stops the show.
bool SlideshowView::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!run_.Running() || !widget || widget->window() != &d_.window) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      run_.KeyPressed(static_cast<QKeyEvent*>(event)->key());
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget)) return false;
      run_.RequestStop();
      return true;
    default:
      return false;
  }
}

}  // namespace kasumori::ui
