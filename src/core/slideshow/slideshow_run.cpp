// SPDX-License-Identifier: GPL-3.0-or-later
// The show as a small state machine: a wait ends by its timer, a skip key or a stop; a
// transition takes one step per tick of the step timer and checks for a stop after each.
#include "slideshow/slideshow_run.h"

#include "pixels/dib_views.h"

#include <qnamespace.h>

namespace kasumori::slideshow {

namespace {

constexpr int kFirstWaitSeconds = 1;
constexpr int kMsPerSecond = 1000;
// A transition step as soon as the window has repainted and handled its input.
constexpr int kStepIntervalMs = 0;

}  // namespace

SlideshowRun::SlideshowRun(SlideshowDeps deps, SlideshowHooks hooks)
    : d_(deps), hooks_(std::move(hooks)) {}

SlideshowRun::~SlideshowRun() {
  d_.waitTimer.Stop();
  d_.stepTimer.Stop();
}

void SlideshowRun::Call(const std::function<void()>& hook) const {
  if (hook) hook();
}

void SlideshowRun::Start(const SlideshowOptions& options) {
  if (Running()) return;
  options_ = options;
  state_ = State::Busy;
  stopRequested_ = ended_ = advanced_ = false;
  Call(hooks_.started);
  slideBuffer_.Reshape(options.width, options.height, 24);
  d_.slideshowActive = true;
  // The first wait, like every other, counts from before the photo is composed.
  BeginWait(kFirstWaitSeconds);
  SlideshowPhotos& photos = d_.photos;
  if (photos.NeedsFirstPhoto()) {
    Call(hooks_.blankScreen);
    photos.StepOn();
  } else {
    if (EndOfList()) {
      Finish();
      return;
    }
    photos.StepOn();
    advanced_ = true;
  }
  EnterWait();
}

// A stop that came while the show was busy is not left waiting out the whole interval.
void SlideshowRun::EnterWait() {
  state_ = State::Waiting;
  if (!stopRequested_) return;
  d_.waitTimer.Stop();
  WaitOver();
}

void SlideshowRun::BeginWait(int seconds) {
  d_.waitTimer.Start(seconds * kMsPerSecond, [this] {
    d_.waitTimer.Stop();
    WaitOver();
  });
}

void SlideshowRun::WaitOver() {
  state_ = State::Busy;
  if (ended_) {  // the last photo has had its time
    Finish();
  } else if (stopRequested_) {
    Stopped();
  } else {
    Call(hooks_.keepAwake);
    RunTransition();
  }
}

// At the end of the list: on to the next folder that has photos, or back to the first photo.
// True when the show ends here.
bool SlideshowRun::EndOfList() {
  SlideshowPhotos& photos = d_.photos;
  if (!photos.AtEnd()) return false;
  bool ends = false;
  if (options_.nextFolder && photos.SlotSelected()) {
    // With repeat on, a second pass through the root without a folder of photos means the
    // tree has none: the show ends instead of walking the tree for ever.
    int rootsPassed = 0;
    do {
      photos.NextFolder();
      if (photos.AtSlotRoot() && (!options_.repeat || ++rootsPassed > 1)) ends = true;
    } while (!photos.HasPhotos() && !ends);
  }
  photos.ToFirst();
  if (!options_.repeat && (!options_.nextFolder || !photos.SlotSelected())) ends = true;
  return ends;
}

void SlideshowRun::RunTransition() {
  Call(hooks_.transitionStarting);
  screen_ = hooks_.screen ? hooks_.screen() : pixels::PixelView{};
  transition_ =
      MakeTransition(options_.transition, screen_, pixels::ConstViewOf(slideBuffer_), d_.random);
  if (!transition_) {
    pixels::CopyPixels(pixels::ConstViewOf(slideBuffer_), screen_);
    AfterTransition(false);
    return;
  }
  state_ = State::Transition;
  d_.stepTimer.Start(kStepIntervalMs, [this] { TransitionTick(); });
}

void SlideshowRun::TransitionTick() {
  if (stopRequested_) {
    pixels::CopyPixels(pixels::ConstViewOf(slideBuffer_), screen_);
    AfterTransition(true);
  } else if (transition_->Done()) {
    AfterTransition(false);
  } else if (transition_->Step()) {
    Call(hooks_.repaint);
  }
}

void SlideshowRun::AfterTransition(bool stopped) {
  d_.stepTimer.Stop();
  transition_.reset();
  screen_ = {};
  state_ = State::Busy;
  Call(hooks_.transitionEnded);
  if (stopped) {
    Finish();
    return;
  }
  BeginWait(options_.intervalSeconds);
  ended_ = EndOfList();
  if (!ended_) {
    d_.photos.StepOn();
    advanced_ = true;
  }
  EnterWait();
}

// A stop during a wait: the photo on screen becomes the current photo again, drawn normally.
// The next photo already sits in the slide buffer, so the list steps back over it; when the
// show had just wrapped round, the wrap is undone first.
void SlideshowRun::Stopped() {
  d_.slideshowActive = false;
  SlideshowPhotos& photos = d_.photos;
  if (!advanced_) {
    photos.ShowCurrent();
  } else {
    if (photos.AtStart()) {
      // The wrap went at least one folder on; back over it and over the empty folders it
      // skipped, but never round past the root.
      if (options_.nextFolder && photos.SlotSelected()) {
        do {
          photos.PreviousFolder();
        } while (!photos.AtSlotRoot() && !photos.HasPhotos());
      }
      photos.ToLast();
    }
    photos.StepBack();
  }
  Finish();
}

void SlideshowRun::Finish() {
  d_.waitTimer.Stop();
  d_.stepTimer.Stop();
  transition_.reset();
  screen_ = {};
  state_ = State::Idle;
  d_.slideshowActive = false;
  slideBuffer_.Clear();
  Call(hooks_.finished);
}

bool SlideshowRun::IsNextKey(int key) const {
  if (key == Qt::Key_Up) return true;
  if (options_.rightToLeft) return key == Qt::Key_Z || key == Qt::Key_Left;
  return key == Qt::Key_X || key == Qt::Key_Right;
}

void SlideshowRun::KeyPressed(int key) {
  if (!Running()) return;
  if (!IsNextKey(key)) {
    RequestStop();
  } else if (state_ == State::Waiting) {
    d_.waitTimer.Stop();
    WaitOver();
  }
}

void SlideshowRun::RequestStop() {
  if (!Running() || stopRequested_) return;
  stopRequested_ = true;
  Call(hooks_.stopShown);
  if (state_ == State::Waiting) {
    d_.waitTimer.Stop();
    WaitOver();
  }
}

}  // namespace kasumori::slideshow
