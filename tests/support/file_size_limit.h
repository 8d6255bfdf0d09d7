// SPDX-License-Identifier: GPL-3.0-or-later
// A full disk without mounting anything: files written by this process may not grow past the
// limit while the guard lives.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace kasumori::testkit {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    // Past the limit a write fails with EFBIG instead of killing the process.
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {bytes, saved_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit saved_ {};
  void (*previous_)(int) = nullptr;
};

}  // namespace kasumori::testkit
