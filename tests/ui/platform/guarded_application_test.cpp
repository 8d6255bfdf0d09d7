// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/guarded_application.h"

#include "support/modal_dialog.h"
#include "support/uncaught_errors.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

#include <gtest/gtest.h>

namespace kasumori::ui {
namespace {

GuardedApplication& App() { return *static_cast<GuardedApplication*>(QApplication::instance()); }

class GuardedApplicationTest : public ::testing::Test {
 protected:
  void TearDown() override { App().SetErrorReport(testkit::FailTheRunningTest); }
};

// A timer's handler throws, as a command that meets an unforeseen error would; the loop it
// ran in must go on to the next event, which ends the loop normally.
TEST_F(GuardedApplicationTest, AnUncaughtErrorIsReportedAndTheEventLoopGoesOn) {
  QStringList reports;
  App().SetErrorReport([&](const QString& message) { reports << message; });
  QEventLoop loop;
  bool laterEventHandled = false;
  QTimer::singleShot(0, &loop, [] {
    QApplication::setOverrideCursor(Qt::WaitCursor);  // long work, cut short
    throw std::runtime_error("ファイルを読めません");
  });
  QTimer::singleShot(0, &loop, [] { throw 42; });
  QTimer::singleShot(5, &loop, [&] {
    laterEventHandled = true;
    loop.quit();
  });
  QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
  EXPECT_EQ(loop.exec(), 0);
  EXPECT_TRUE(laterEventHandled);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor went with the error";
  EXPECT_EQ(reports, (QStringList{"ファイルを読めません", "予期しないエラーが発生しました。"}));
}

TEST_F(GuardedApplicationTest, WithoutAReportTheMessageAppearsInAMessageBox) {
  App().SetErrorReport(nullptr);  // as the program runs
  QString shown;
  QTimer::singleShot(0, [] { throw std::runtime_error("メモリが足りません"); });
  // The message box is modal: read and close it from inside its own loop.
  const testkit::WhenModalShown messageBox([&](QDialog& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    ASSERT_NE(box, nullptr) << dialog.metaObject()->className();
    shown = box->text();
    box->accept();
  });
  QEventLoop loop;
  QTimer quitWhenShown;
  QObject::connect(&quitWhenShown, &QTimer::timeout, [&] {
    if (!shown.isEmpty()) loop.quit();
  });
  quitWhenShown.start(20);
  QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
  EXPECT_EQ(loop.exec(), 0);
  EXPECT_EQ(shown, "メモリが足りません");
}

}  // namespace
}  // namespace kasumori::ui
