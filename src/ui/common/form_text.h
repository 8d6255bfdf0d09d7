// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QLabel;
class QPushButton;
class QRect;
class QString;
class QWidget;

namespace kasumori::ui {

// The green of the main window's panels and of the small forms.
inline const QColor kPanelGreen(0, 128, 0);

// A white caption of the program's green forms, sized to its text.
QLabel* WhiteText(QWidget* parent, const QString& text, int left, int top,
                  const char* objectName = "");

// A button of those forms, in their 12-pixel gothic.
QPushButton* FormButton(QWidget* parent, const char* objectName, const QString& text,
                        const QRect& bounds);

// A plain panel filled with one colour, at `bounds` in its parent.
QWidget* ColourPanel(QWidget* parent, const char* objectName, const QColor& colour,
                     const QRect& bounds);

// Centres a dialog on `owner` (the main window when there is none) and keeps it on the owner's
// screen.
void PlaceOnScreen(QWidget& dialog, const QWidget* owner);

// Gives a form the program's green background.
void PaintFormGreen(QWidget* form);

// For a form with a name field, on closing: Japanese input stays on in the field otherwise
// and follows the user back to the window's keys.
void SwitchInputMethodOff();

}  // namespace kasumori::ui
