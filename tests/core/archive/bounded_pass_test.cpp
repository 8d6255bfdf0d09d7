// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/bounded_pass.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>

#include <cstdlib>
#include <stdexcept>

#include <gtest/gtest.h>

namespace kasumori::archive {
namespace {

constexpr std::int64_t kMiB = std::int64_t{1} << 20;

TEST(ArchiveBoundedPass, CodesAndOutputComeBackWhole) {
  const struct {
    const char* what;
    int code;
    QByteArray output;
  } cases[] = {
      {"nothing written", 0, {}},
      {"the largest code", 125, "x"},
      // More than a pipe holds: the parent must read while the child writes.
      {"four megabytes", 7, QByteArray(4 * kMiB, 'k')},
  };
  for (const auto& c : cases) {
    const std::optional<PassResult> result = RunBoundedPass(
        kPassMemoryBytes, [&](int out) { return WritePassOutput(out, c.output) ? c.code : 1; });
    ASSERT_TRUE(result.has_value()) << c.what;
    EXPECT_EQ(result->code, c.code) << c.what;
    EXPECT_EQ(result->output, c.output) << c.what;
  }
}

TEST(ArchiveBoundedPass, APassWithoutAnAnswerGivesNothing) {
  EXPECT_FALSE(RunBoundedPass(kPassMemoryBytes, [](int) { return 126; }));
  EXPECT_FALSE(RunBoundedPass(kPassMemoryBytes, [](int) -> int { throw std::runtime_error("x"); }));
  // A child stuck on a lock runs no more: it is killed, however long it would wait.
  using std::chrono::milliseconds;
  EXPECT_FALSE(RunBoundedPass(
      kPassMemoryBytes,
      [](int) {
        for (;;) pause();
        return 0;
      },
      milliseconds(250)));
  // One that keeps running is not, even past the stall time.
  const auto busy = RunBoundedPass(
      kPassMemoryBytes,
      [](int) {
        const auto end = std::chrono::steady_clock::now() + milliseconds(800);
        while (std::chrono::steady_clock::now() < end) {
        }
        return 3;
      },
      milliseconds(250));
  ASSERT_TRUE(busy);
  EXPECT_EQ(busy->code, 3);
}

// Only address space is asked for, never touched: a refused block costs nothing, and a granted
// one is freed untouched.
TEST(ArchiveBoundedPass, AllocationsStopAtTheBoundInTheChildOnly) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves the address space the bound limits";
#endif
  const struct {
    std::int64_t bound;
    std::int64_t asked;
    bool granted;
  } cases[] = {
      {64 * kMiB, 32 * kMiB, true},
      {64 * kMiB, 96 * kMiB, false},
      {kPassMemoryBytes, kPassMemoryBytes - 64 * kMiB, true},
      {kPassMemoryBytes, std::int64_t{4} << 30, false},  // a 4 GiB dictionary
  };
  struct rlimit before {};
  getrlimit(RLIMIT_AS, &before);
  for (const auto& c : cases) {
    const std::optional<PassResult> result = RunBoundedPass(c.bound, [&](int) {
      void* block = std::malloc(static_cast<std::size_t>(c.asked));
      std::free(block);
      return block != nullptr ? 1 : 0;
    });
    ASSERT_TRUE(result.has_value()) << c.asked;
    EXPECT_EQ(result->code == 1, c.granted) << c.bound << " " << c.asked;
  }
  struct rlimit after {};
  getrlimit(RLIMIT_AS, &after);
  EXPECT_EQ(after.rlim_cur, before.rlim_cur);
}

}  // namespace
}  // namespace kasumori::archive
