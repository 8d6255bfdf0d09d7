// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>

namespace kasumori::ui {

// The mouse and key events a window ignores while it is being rebuilt.
inline bool IsUserInput(const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

}  // namespace kasumori::ui
