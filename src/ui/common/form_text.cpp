// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/form_text.h"

#include "shell/placement.h"
#include "ui/common/fonts.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace kasumori::ui {

QLabel* WhiteText(QWidget* parent, const QString& text, int left, int top, const char* objectName) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(objectName));
  label->setFont(ProportionalGothic(12));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QPushButton* FormButton(QWidget* parent, const char* objectName, const QString& text,
                        const QRect& bounds) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(objectName));
  button->setFont(ProportionalGothic(12));
  button->setGeometry(bounds);
  return button;
}

QWidget* ColourPanel(QWidget* parent, const char* objectName, const QColor& colour,
                     const QRect& bounds) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QLatin1String(objectName));
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
  panel->setGeometry(bounds);
  return panel;
}

void PlaceOnScreen(QWidget& dialog, const QWidget* owner) {
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect frame = dialog.frameGeometry();
  const QSize outer = frame.isValid() ? frame.size() : dialog.size();
  const QRect ownerRect = owner ? owner->window()->frameGeometry() : screen->geometry();
  dialog.move(shell::PlaceDialog(ownerRect, outer, screen->geometry().size()));
}

void PaintFormGreen(QWidget* form) {
  QPalette palette = form->palette();
  palette.setColor(QPalette::Window, kPanelGreen);
  form->setPalette(palette);
  form->setAutoFillBackground(true);
}

void SwitchInputMethodOff() {
  QGuiApplication::inputMethod()->reset();
  QGuiApplication::inputMethod()->hide();
}

}  // namespace kasumori::ui
