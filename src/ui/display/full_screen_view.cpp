// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/full_screen_view.h"

#include "commands/key_map.h"
#include "ui/common/view_image.h"
#include "ui/display/full_gamen_form.h"
#include "ui/display/main_display.h"

#include <QCursor>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace kasumori::ui {

using commands::Command;

FullScreenView::FullScreenView(FullScreenDeps deps) : d_(std::move(deps)) {}

FullScreenView::~FullScreenView() { delete form_.data(); }

bool FullScreenView::UiReady() const { return d_.model.Session().UiReady; }

void FullScreenView::Open(bool fromSlideshow) {
  if (form_) return;
  fromSlideshow_ = fromSlideshow;
  QScreen* screen = d_.window.screen();
  form_ = new TFullGamenForm(
      *screen, FullGamenInput{[this](const QKeyEvent& event) { Key(event); },
                              [this](Qt::MouseButton button) { Press(button); },
                              [this] {
                                if (UiReady() && !d_.slideshow.running()) form_->close();
                              },
                              [this](bool towardsUser) { Wheel(towardsUser); },
                              [this] { return d_.display.Driver().Modes().ZoomMode; },
                              [this] { Shown(); }, [this] { return MayClose(); },
                              [this] { Closed(); }, [this] { return UiReady(); },
                              [this](const QEvent& event) { return d_.display.HandlePan(event); }});
  display::PhotoDisplay& driver = d_.display.Driver();
  driver.Modes().FullScreenActive = true;
  d_.model.Folders().WatchEnabled = false;
  form_->HideCursorInCorner();
  savedDisplaySize_ = driver.DisplaySize();
  driver.SetDisplaySizeKeepingZoom(form_->ScreenSize());
  d_.display.SetScreenImage(&form_->FullImg());
  form_->showFullScreen();
}

// The photo is drawn for the screen once the window is up; a show asked for from the
// slideshow dialog starts from it, as it would in the main window.
void FullScreenView::Shown() {
  if (!form_) return;
  if (d_.display.Driver().Shown().Shown()) d_.display.Driver().Recompose();
  d_.display.DrawAllComments();
  form_->FullImg().repaint();
  if (fromSlideshow_) {
    fromSlideshow_ = false;
    d_.slideshow.startHere();
  }
}

// A running show is stopped first; the window closes only from the keys and clicks of a
// stopped one, or once it has ended.
bool FullScreenView::MayClose() const {
  if (!d_.slideshow.running()) return true;
  d_.slideshow.stop();
  return false;
}

void FullScreenView::Closed() {
  form_->HideCursorInCorner();
  display::PhotoDisplay& driver = d_.display.Driver();
  driver.SetDisplaySizeKeepingZoom(savedDisplaySize_);
  driver.Modes().FullScreenActive = false;
  d_.model.Folders().WatchEnabled = true;
  d_.display.SetScreenImage(nullptr);
  if (driver.Shown().Shown()) driver.Recompose();
  d_.display.DrawAllComments();
  d_.window.repaint();
  d_.slideshow.windowClosed();
  form_->deleteLater();
  form_ = nullptr;
  d_.window.activateWindow();
  QCursor::setPos(d_.window.mapToGlobal(d_.window.rect().center()));
}

void FullScreenView::Key(const QKeyEvent& event) {
  if (d_.slideshow.running()) {
    d_.slideshow.key(event.key());
    pacer_.DropUntilCaughtUp();
    return;
  }
  if (!UiReady() || (event.isAutoRepeat() && pacer_.Dropping())) return;
  const commands::KeyChord chord{event.key(), bool(event.modifiers() & Qt::ShiftModifier),
                                 bool(event.modifiers() & Qt::ControlModifier)};
  const std::optional<Command> command = commands::CommandForKey(
      commands::KeyMapKind::FullScreen, chord, d_.model.settings().ListDirection);
  if (!command) return;
  if (*command == Command::CloseWindow) {
    form_->close();
    return;
  }
  Run(*command, chord.shift);
  // A held key must not queue more photos than the display can show.
  pacer_.DropUntilCaughtUp();
}

void FullScreenView::Press(Qt::MouseButton button) {
  if (d_.slideshow.running()) {
    d_.slideshow.stop();
    return;
  }
  if (!UiReady()) return;
  // The left button drags a zoomed photo; without zoom there is nothing to drag.
  if (button == Qt::RightButton || button == Qt::MiddleButton) form_->close();
}

void FullScreenView::Wheel(bool towardsUser) {
  if (!UiReady() || pacer_.Dropping()) return;
  Run(towardsUser ? Command::NextPhoto : Command::PreviousPhoto, false);
  pacer_.DropUntilCaughtUp();
}

void FullScreenView::Busy(const std::function<void()>& work) {
  form_->BusyCursorAtCentre();
  work();
  if (form_) form_->HideCursorInCorner();
}

void FullScreenView::Run(Command command, bool shift) {
  MainDisplay& display = d_.display;
  switch (command) {
    case Command::NextPhoto:
      return Busy([&] { display.NextPhoto(shift, true); });
    case Command::PreviousPhoto:
      return Busy([&] { display.PreviousPhoto(shift, true); });
    case Command::WideMode:
      return Busy([&] { display.ToggleWideMode(); });
    case Command::RotateLeft:
    case Command::RotateRight:
      return Busy(
          [&] { display.Rotate(command == Command::RotateRight, display::RotateFrom::Key); });
    case Command::SwapQualityMode:
      return Busy([&] {
        const bool high = d_.model.settings().QualityMode == config::QualityMode::High;
        display.Quality().SetQualityMode(high ? config::QualityMode::Fast
                                              : config::QualityMode::High);
      });
    case Command::Slideshow:
      return d_.slideshow.command();
    case Command::NormalDisplay:
      // Here N only releases a zoom; a panorama is left from the main window.
      if (display.Driver().Modes().ZoomMode) Busy([&] { display.RecomposeNormal(); });
      return;
    default:
      return;
  }
}

}  // namespace kasumori::ui
