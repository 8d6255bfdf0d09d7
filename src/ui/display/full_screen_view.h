// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen: opens and closes the full-screen window, moves the display onto its picture and
// back, and carries out its keys, wheel and mouse through the full-screen key table.
#pragma once

#include "commands/command.h"
#include "shell/app_model.h"
#include "ui/display/full_gamen_form.h"
#include "ui/shell/input_pacer.h"

#include <QPointer>
#include <QSize>

#include <functional>

class QKeyEvent;
class QWidget;

namespace kasumori::ui {

class MainDisplay;

// What a slideshow running in the window needs to hear, and the command that opens one.
struct FullScreenSlideshow {
  std::function<bool()> running;
  std::function<void(int key)> key;
  std::function<void()> stop;
  std::function<void()> command;    // F9
  std::function<void()> startHere;  // the run "全画面スタート" asked for
  std::function<void()> windowClosed;
};

struct FullScreenDeps {
  QWidget& window;
  shell::AppModel& model;
  MainDisplay& display;
  FullScreenSlideshow slideshow;
};

class FullScreenView {
 public:
  explicit FullScreenView(FullScreenDeps deps);
  ~FullScreenView();

  // The menu entries, F11, the middle button and the double click on the view; the slideshow
  // opens it to run inside it.
  void Open(bool fromSlideshow);
  bool IsOpen() const { return form_ != nullptr; }
  TFullGamenForm* Form() const { return form_; }

 private:
  void Shown();
  void Closed();
  bool MayClose() const;
  void Key(const QKeyEvent& event);
  void Press(Qt::MouseButton button);
  void Wheel(bool towardsUser);
  void Run(commands::Command command, bool shift);
  // Runs the work with the hourglass at the centre, then hides the pointer in the corner.
  void Busy(const std::function<void()>& work);
  bool UiReady() const;

  FullScreenDeps d_;
  QPointer<TFullGamenForm> form_;
  InputPacer pacer_;
  QSize savedDisplaySize_;
  bool fromSlideshow_ = false;
};

}  // namespace kasumori::ui
