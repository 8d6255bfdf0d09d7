// SPDX-License-Identifier: GPL-3.0-or-later
// One slideshow from start to finish: the waits on each photo, the next-photo steps, the end
// of the folder (on to the next folder, or over again), the transitions and the requests to
// stop. The show is driven by two timers it is given, never by a loop of its own, so the
// window stays responsive and a test runs a whole show by advancing a clock.
//
// The photo list, the folder tree and the display belong to the main window; the show reaches
// them through SlideshowPhotos, whose operations already follow the list's direction, and
// through its hooks for everything the user sees around the picture.
#pragma once

#include "imaging/dib/qx_dib.h"
#include "pixels/pixel_view.h"
#include "platform/platform_services.h"
#include "slideshow/slide_options.h"
#include "slideshow/transitions.h"

#include <functional>
#include <memory>

namespace kasumori::slideshow {

// The photo list and folder tree as the show walks them, in the list's direction: "next"
// means the previous photo of a right-to-left list, "first" its last photo.
class SlideshowPhotos {
 public:
  virtual ~SlideshowPhotos() = default;
  // The list has photos and the screen shows none of them, or not the current one.
  virtual bool NeedsFirstPhoto() const = 0;
  // The list is empty, or the position is on its last photo.
  virtual bool AtEnd() const = 0;
  virtual bool AtStart() const = 0;
  // The main window's next-photo step; while the show is active it composes into the slide
  // buffer.
  virtual void StepOn() = 0;
  // The opposite step, and the current photo shown again; both draw normally once the show
  // is no longer active.
  virtual void StepBack() = 0;
  virtual void ShowCurrent() = 0;
  // The position to the first or the last photo (0 on an empty list); the slot remembers it
  // and the strip is redrawn.
  virtual void ToFirst() = 0;
  virtual void ToLast() = 0;
  // The folder tree of the selected photo-folder slot.
  virtual bool SlotSelected() const = 0;
  virtual void NextFolder() = 0;
  virtual void PreviousFolder() = 0;
  virtual bool AtSlotRoot() const = 0;
  virtual bool HasPhotos() const = 0;
};

struct SlideshowDeps {
  platform::Ticker& waitTimer;  // the time on a photo
  platform::Ticker& stepTimer;  // between two steps of a transition
  SlideshowPhotos& photos;
  RandomSource& random;
  bool& slideshowActive;  // the display state's flag: composing goes to the slide buffer
};

struct SlideshowHooks {
  // Screen saver off, the pointer, the ready flag off, the captions.
  std::function<void()> started{};
  // The picture on screen; transitions draw on it in place.
  std::function<pixels::PixelView()> screen{};
  // The first photo of a show: overlays hidden, histogram cleared, the screen black.
  std::function<void()> blankScreen{};
  // Before each transition: the system and the display kept awake.
  std::function<void()> keepAwake{};
  // The comment overlays hidden.
  std::function<void()> transitionStarting{};
  // After each step that changed the screen.
  std::function<void()> repaint{};
  // Completed or stopped: histogram, information panel, repaint.
  std::function<void()> transitionEnded{};
  // The caption and pointer of a stopped show.
  std::function<void()> stopShown{};
  // The pointer restored, the ready flag on, the screen saver on.
  std::function<void()> finished{};
};

struct SlideshowOptions {
  int intervalSeconds = 5;
  bool repeat = false;
  bool nextFolder = false;
  bool rightToLeft = false;  // chooses the keys that bring the next photo at once
  TransitionChoice transition{};
  int width = 0;  // the display area, the size of the slide buffer
  int height = 0;
};

class SlideshowRun {
 public:
  SlideshowRun(SlideshowDeps deps, SlideshowHooks hooks);
  ~SlideshowRun();
  SlideshowRun(const SlideshowRun&) = delete;
  SlideshowRun& operator=(const SlideshowRun&) = delete;

  void Start(const SlideshowOptions& options);
  // A key pressed in the window the show runs in (a Qt::Key). During a wait the next-photo
  // keys (X, → and ↑; Z, ← and ↑ for a right-to-left list) end it at once; during a
  // transition they do nothing. Any other key stops the show.
  void KeyPressed(int key);
  // A click on the picture or the window's controls, the menu entry, the focus lost, a close.
  void RequestStop();

  bool Running() const { return state_ != State::Idle; }
  bool Waiting() const { return state_ == State::Waiting; }
  bool InTransition() const { return state_ == State::Transition; }
  // The back buffer the next photo is composed into while the show runs.
  imaging::TQxDIB& SlideBuffer() { return slideBuffer_; }

 private:
  // Busy: between two waits, composing or walking the list; no input arrives meanwhile.
  enum class State { Idle, Busy, Waiting, Transition };

  void Call(const std::function<void()>& hook) const;
  void BeginWait(int seconds);
  void EnterWait();
  void WaitOver();
  bool EndOfList();
  void AfterTransition(bool stopped);
  void RunTransition();
  void TransitionTick();
  void Stopped();
  void Finish();
  bool IsNextKey(int key) const;

  SlideshowDeps d_;
  SlideshowHooks hooks_;
  SlideshowOptions options_;
  imaging::TQxDIB slideBuffer_;
  std::unique_ptr<Transition> transition_;
  pixels::PixelView screen_;
  State state_ = State::Idle;
  bool stopRequested_ = false;
  bool ended_ = false;
  bool advanced_ = false;
};

}  // namespace kasumori::slideshow
