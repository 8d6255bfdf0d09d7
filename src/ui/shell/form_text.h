// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;
class QWidget;

namespace kasumori::ui {

// A white caption of the program's green forms, sized to its text.
QLabel* WhiteText(QWidget* parent, const QString& text, int left, int top,
                  const char* objectName = "");

}  // namespace kasumori::ui
