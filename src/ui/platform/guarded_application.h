// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: an error that no handler caught is shown and the program goes on.
#pragma once

#include <QApplication>
#include <QString>

#include <functional>

namespace kasumori::ui {

class GuardedApplication final : public QApplication {
 public:
  using ErrorReport = std::function<void(const QString& message)>;

  GuardedApplication(int& argc, char** argv);

  // Replaces the message box, for tests.
  void SetErrorReport(ErrorReport report) { report_ = std::move(report); }

  // Every event passes here: an exception from its handler ends at this frame, is reported,
  // and the event loop carries on with the next event instead of ending the program.
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void Report(const QString& message);

  ErrorReport report_;
  bool reporting_ = false;
};

}  // namespace kasumori::ui
