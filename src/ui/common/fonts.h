// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese gothic pair: IPAPGothic (proportional) stands for "ＭＳ Ｐゴシック" and
// IPAGothic (monospaced) for "ＭＳ ゴシック". Qt does not report IPAGothic as fixed-pitch, so
// both are chosen by family name.
#pragma once

#include <QFont>

namespace kasumori::ui {

QFont ProportionalGothic(int pixelSize, bool bold = false);
QFont MonospacedGothic(int pixelSize, bool bold = false);

// Sets the application font to the proportional gothic (the default font is not Japanese).
void InstallApplicationFont();

}  // namespace kasumori::ui
