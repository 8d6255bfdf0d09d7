// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows go on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kasumori::shell {

// A small dialog centred on its owner's outer rectangle, then pulled back onto the screen:
// right and bottom edges first, then a negative left or top becomes 0.
QPoint PlaceDialog(const QRect& owner, const QSize& dialog, const QSize& screen);

// The main window's saved position corrected so that the window (outer size) stays on the
// screen; the top may sit up to 4 pixels above it.
QPoint ClampMainWindowPosition(QPoint position, const QSize& window, const QSize& screen);

}  // namespace kasumori::shell
