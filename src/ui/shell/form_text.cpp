// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/form_text.h"

#include "ui/shell/fonts.h"

#include <QLabel>

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

}  // namespace kasumori::ui
