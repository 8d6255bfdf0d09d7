// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/placement.h"

#include <algorithm>

namespace kasumori::shell {

QPoint PlaceDialog(const QRect& owner, const QSize& dialog, const QSize& screen) {
  int left = owner.left() + owner.width() / 2 - dialog.width() / 2;
  int top = owner.top() + owner.height() / 2 - dialog.height() / 2;
  if (left + dialog.width() > screen.width()) left = screen.width() - dialog.width();
  if (top + dialog.height() > screen.height()) top = screen.height() - dialog.height();
  return {std::max(left, 0), std::max(top, 0)};
}

QPoint ClampMainWindowPosition(QPoint position, const QSize& window, const QSize& screen) {
  int left = position.x();
  int top = position.y();
  if (left + window.width() > screen.width()) left = screen.width() - window.width();
  if (top + window.height() > screen.height()) top = screen.height() - window.height();
  return {std::max(left, 0), std::max(top, -4)};
}

}  // namespace kasumori::shell
