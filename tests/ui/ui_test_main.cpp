// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests run on Qt's offscreen platform, also when ctest lists them without the tests'
// environment.
#include "platform/utf8_locale.h"
#include "support/uncaught_errors.h"
#include "ui/platform/guarded_application.h"
#include "ui/common/fonts.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  kasumori::platform::EnsureUtf8Locale();
  // The program's own application object, so that its error guard is tested as it runs.
  kasumori::ui::GuardedApplication app(argc, argv);
  app.SetErrorReport(kasumori::testkit::FailTheRunningTest);
  kasumori::ui::InstallApplicationFont();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
