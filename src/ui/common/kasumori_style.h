// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class QString;

namespace kasumori::ui {

// Tooltips appear after 800 ms ...
void InstallApplicationStyle();
// ... and stay for an hour.
void SetHint(QWidget* widget, const QString& text);

}  // namespace kasumori::ui
