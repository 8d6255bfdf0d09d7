// SPDX-License-Identifier: GPL-3.0-or-later
// Panning a zoomed photo with the left button, on the main window's picture or the full-screen
// one: quick view draws while the pointer moves, the sharpened view and the histogram when
// the button comes up. A plain click without movement redraws nothing.
#pragma once

#include <QPoint>

#include <functional>

class QEvent;

namespace kasumori::display {
class PhotoDisplay;
}

namespace kasumori::ui {

class ZoomPanDrag {
 public:
  ZoomPanDrag(display::PhotoDisplay& display, std::function<void(bool busy)> setBusy,
              std::function<bool()> uiReady)
      : display_(display), setBusy_(std::move(setBusy)), uiReady_(std::move(uiReady)) {}

  // True when the event belongs to a pan and must go no further.
  bool Handle(const QEvent& event);
  bool Dragging() const { return dragging_; }

 private:
  bool Pannable() const;

  display::PhotoDisplay& display_;
  std::function<void(bool busy)> setBusy_;
  std::function<bool()> uiReady_;
  bool pressed_ = false;
  bool dragging_ = false;  // Dragging: the pointer has moved past the drag distance
  QPoint pressAt_;
  QPoint last_;
};

}  // namespace kasumori::ui
