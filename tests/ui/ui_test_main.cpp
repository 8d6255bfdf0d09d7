// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests run on Qt's offscreen platform, also when ctest lists them without the tests'
// environment.
#include "platform/utf8_locale.h"
#include "ui/shell/fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  kasumori::platform::EnsureUtf8Locale();
  QApplication app(argc, argv);
  kasumori::ui::InstallApplicationFont();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
