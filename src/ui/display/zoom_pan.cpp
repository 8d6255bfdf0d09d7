// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/zoom_pan.h"

#include "display/photo_display.h"

#include <QApplication>
#include <QMouseEvent>

namespace kasumori::ui {

bool ZoomPanDrag::Pannable() const {
  const display::DisplayModes& modes = display_.Modes();
  return modes.ZoomMode && !modes.Panorama() && !modes.SlideshowActive && uiReady_();
}

bool ZoomPanDrag::Handle(const QEvent& event) {
  const auto type = event.type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return false;
  }
  const auto& mouse = static_cast<const QMouseEvent&>(event);
  const QPoint at = mouse.globalPosition().toPoint();
  if (type == QEvent::MouseButtonPress) {
    pressed_ = mouse.button() == Qt::LeftButton && Pannable();
    dragging_ = false;
    pressAt_ = last_ = at;
    return false;
  }
  if (type == QEvent::MouseMove) {
    if (!pressed_ || !(mouse.buttons() & Qt::LeftButton) || !Pannable()) return false;
    if (!dragging_ && (at - pressAt_).manhattanLength() < QApplication::startDragDistance()) {
      return true;
    }
    dragging_ = true;
    display_.PanZoom(last_.x() - at.x(), last_.y() - at.y());
    last_ = at;
    return true;
  }
  if (mouse.button() != Qt::LeftButton || !pressed_) return false;
  pressed_ = false;
  if (!dragging_) return false;
  dragging_ = false;
  setBusy_(true);
  display_.DrawZoomView(true);
  setBusy_(false);
  return true;
}

}  // namespace kasumori::ui
