// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace kasumori::ui {

// A held key or a turning wheel must not pile up steps behind a slow display: the auto-repeats
// and wheel turns that arrive while a step is handled are dropped until the event loop has
// caught up. The main window and the wide thumbnail window share one pacer.
class InputPacer final : public QObject {
 public:
  bool Dropping() const { return dropping_; }
  // The input queued while a step was handled is delivered before the timer's call-back runs.
  void DropUntilCaughtUp() {
    dropping_ = true;
    QTimer::singleShot(0, this, [this] { dropping_ = false; });
  }

 private:
  bool dropping_ = false;
};

}  // namespace kasumori::ui
