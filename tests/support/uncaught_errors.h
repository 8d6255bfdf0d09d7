// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests run under the program's own error guard. An error no handler caught fails the
// running test instead of opening a message box that nobody would close.
#pragma once

#include <QString>

#include <gtest/gtest.h>

namespace kasumori::testkit {

inline void FailTheRunningTest(const QString& message) {
  ADD_FAILURE() << "uncaught error: " << message.toStdString();
}

}  // namespace kasumori::testkit
