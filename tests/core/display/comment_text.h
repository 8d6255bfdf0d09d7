// SPDX-License-Identifier: GPL-3.0-or-later
// Text needs the font database, which needs a GUI application: the comment tests share one,
// on the offscreen platform, for the rest of the run.
#pragma once

#include <QGuiApplication>

namespace kasumori::display {

inline void NeedFonts() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kasumori_core_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace kasumori::display
