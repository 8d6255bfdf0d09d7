// SPDX-License-Identifier: GPL-3.0-or-later
// Checks that work fails with an error of one type carrying exactly the expected message.
#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace kasumori::testkit {

template <typename Error>
void ExpectError(const std::function<void()>& work, const std::string& message) {
  try {
    work();
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), message);
  }
}

}  // namespace kasumori::testkit
