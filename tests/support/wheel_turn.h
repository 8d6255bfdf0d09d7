// SPDX-License-Identifier: GPL-3.0-or-later
// One wheel notch for window tests, delivered as the window system would.
#pragma once

#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>

namespace kasumori::testkit {

// Turns the wheel over `area` (its centre), sending the event to `receiver`: towards the user
// for a negative delta.
inline void TurnWheel(QWidget* receiver, QWidget* area, int delta) {
  const QPoint centre = area->rect().center();
  const QPoint at = area == receiver ? centre : area->mapTo(receiver, centre);
  QWheelEvent wheel(QPointF(at), QPointF(area->mapToGlobal(centre)), {}, QPoint(0, delta),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(receiver, &wheel);
}

}  // namespace kasumori::testkit
