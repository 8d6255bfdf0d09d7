// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/fonts.h"

#include <QApplication>

namespace kasumori::ui {

namespace {
QFont Gothic(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setFamilies({family, QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}
}  // namespace

QFont ProportionalGothic(int pixelSize, bool bold) {
  return Gothic(QStringLiteral("IPAPGothic"), pixelSize, bold);
}

QFont MonospacedGothic(int pixelSize, bool bold) {
  return Gothic(QStringLiteral("IPAGothic"), pixelSize, bold);
}

void InstallApplicationFont() { QApplication::setFont(ProportionalGothic(12)); }

}  // namespace kasumori::ui
