// SPDX-License-Identifier: GPL-3.0-or-later
// Acting in a modal dialog from a window test. The dialog's exec() runs an event loop of its
// own and returns only once something closes it, so the test arranges beforehand what to do in
// the dialog and then does whatever opens it:
//
//   const testkit::WhenModalShown rename([&](QDialog& dialog) { ... });
//   QTest::keyClick(form, Qt::Key_F2);
//
// Header-only, like the other window helpers here, so that the test kit itself needs neither
// widgets nor GoogleTest (the demo maker and the benchmarks link it too).
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace kasumori::testkit {

// From its creation to the end of its scope, waits for the next modal dialog and runs `act`
// in it once. The events that open a dialog may run the event loop before the dialog is there,
// so it looks again on a short timer rather than once. A dialog that `act` leaves open (a
// failed check returns early) is rejected afterwards, or the test would wait on it forever.
// With no dialog after `timeoutMs` the running test fails, and a dialog that opens later
// still is closed without `act`; one that never opens at all fails the test at the end of the
// scope.
class WhenModalShown {
 public:
  explicit WhenModalShown(std::function<void(QDialog&)> act, int timeoutMs = 2000)
      : act_(std::move(act)),
        timeoutMs_(timeoutMs),
        deadline_(timeoutMs),
        // A dialog already open (the one a nested watch is set up from) is not the next one.
        before_(QApplication::activeModalWidget()) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { Look(); });
    poll_.start(kPollMs);
  }
  WhenModalShown(const WhenModalShown&) = delete;
  WhenModalShown& operator=(const WhenModalShown&) = delete;

  ~WhenModalShown() {
    poll_.stop();
    if (!acted_ && !failed_) Fail("no modal dialog opened");
  }

  // Whether `act` ran in a dialog.
  bool Acted() const { return acted_; }

 private:
  static constexpr int kPollMs = 5;

  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != before_) {
      auto* dialog = qobject_cast<QDialog*>(modal);
      if (!dialog && !failed_) {
        Fail(std::string("the modal window (a ") + modal->metaObject()->className() +
             ") is not a dialog");
      }
      if (failed_) {
        Close(modal);
      } else {
        poll_.stop();
        acted_ = true;
        const QPointer<QDialog> open(dialog);
        act_(*dialog);
        if (open && open->isVisible()) Close(open);
      }
      return;
    }
    if (!failed_ && deadline_.hasExpired()) {
      Fail("no modal dialog opened within " + std::to_string(timeoutMs_) + " ms");
    }
  }

  void Fail(const std::string& message) {
    failed_ = true;
    ADD_FAILURE() << message;
  }

  static void Close(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
      dialog->reject();
    } else {
      window->close();
    }
  }

  std::function<void(QDialog&)> act_;
  int timeoutMs_;
  QDeadlineTimer deadline_;
  QPointer<QWidget> before_;
  QTimer poll_;
  bool acted_ = false;
  bool failed_ = false;
};

}  // namespace kasumori::testkit
