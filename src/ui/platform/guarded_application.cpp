// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/guarded_application.h"

#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace kasumori::ui {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Report(QString::fromUtf8(error.what()));
  } catch (...) {
    Report(QStringLiteral("予期しないエラーが発生しました。"));
  }
  return false;
}

void GuardedApplication::Report(const QString& message) {
  // The message box runs an event loop of its own: an error inside it must not open another.
  if (reporting_) {
    std::fprintf(stderr, "Kasumori2: %s\n", qUtf8Printable(message));
    return;
  }
  reporting_ = true;
  // Work cut short by the error may have left the wait cursor up.
  while (overrideCursor()) restoreOverrideCursor();
  try {
    if (report_) {
      report_(message);
    } else {
      QMessageBox::critical(activeWindow(), QStringLiteral("Kasumori２"), message);
    }
  } catch (...) {
    std::fprintf(stderr, "Kasumori2: %s\n", qUtf8Printable(message));
  }
  reporting_ = false;
}

}  // namespace kasumori::ui
