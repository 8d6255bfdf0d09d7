// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/bounded_pass.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kasumori::archive {

namespace {

// Exit codes of a child that never ran its pass, or whose pass threw.
constexpr int kNotBounded = 126;
constexpr int kPassThrew = 127;
constexpr int kLargestPassCode = 125;

// The process's address space now: the first field of /proc/self/statm, in pages. Read without
// the C library's stdio, as the child runs it straight after fork.
std::int64_t AddressSpaceBytes() {
  const int fd = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  char text[128] = {};
  const ssize_t size = read(fd, text, sizeof(text) - 1);
  close(fd);
  if (size <= 0) return -1;
  std::int64_t pages = 0;
  for (const char* c = text; *c >= '0' && *c <= '9'; ++c) pages = pages * 10 + (*c - '0');
  const long pageSize = sysconf(_SC_PAGESIZE);
  return pages > 0 && pageSize > 0 ? pages * pageSize : -1;
}

// The child inherits the parent's mappings (libraries, thread stacks, heaps), so the limit is
// what it holds now plus the bound: the bound is what the pass may add.
bool LimitGrowth(std::int64_t bound) {
  struct rlimit limit {};
  const std::int64_t now = AddressSpaceBytes();
  if (now < 0 || getrlimit(RLIMIT_AS, &limit) != 0) return false;
  rlim_t wanted = static_cast<rlim_t>(now + bound);
  if (limit.rlim_max != RLIM_INFINITY && wanted > limit.rlim_max) wanted = limit.rlim_max;
  if (limit.rlim_cur != RLIM_INFINITY && wanted > limit.rlim_cur) wanted = limit.rlim_cur;
  limit.rlim_cur = wanted;
  return setrlimit(RLIMIT_AS, &limit) == 0;
}

[[noreturn]] void RunChild(std::int64_t bound, const std::function<int(int)>& pass, int out) {
  int code = kNotBounded;
  if (LimitGrowth(bound)) {
    try {
      code = pass(out);
    } catch (...) {
      code = kPassThrew;
    }
  }
  // _exit: the parent's atexit handlers and static objects are the parent's to run.
  _exit(code);
}

// User and system time the child has run, in clock ticks; -1 once it cannot be read.
long long CpuTicks(pid_t child) {
  const int fd = open(("/proc/" + std::to_string(child) + "/stat").c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  char text[1024] = {};
  const ssize_t size = read(fd, text, sizeof(text) - 1);
  close(fd);
  // The name in parentheses may hold spaces: fields are counted after its closing one.
  const char* field = size > 0 ? std::strrchr(text, ')') : nullptr;
  if (field == nullptr) return -1;
  long long utime = 0, stime = 0;
  if (std::sscanf(field + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lld %lld", &utime,
                  &stime) != 2)
    return -1;
  return utime + stime;
}

// Everything the child writes until it closes its end. A child that neither writes nor runs
// for a whole `stall` is stuck (the one thread it has waits on a lock that another thread of
// the program held at the fork) and is killed; false then.
bool ReadAll(int fd, pid_t child, std::chrono::milliseconds stall, QByteArray& output) {
  char block[16 * 1024];
  long long ticks = CpuTicks(child);
  for (;;) {
    pollfd ready{fd, POLLIN, 0};
    const int polled = poll(&ready, 1, int(stall.count()));
    if (polled < 0 && errno == EINTR) continue;
    if (polled == 0) {
      const long long now = CpuTicks(child);
      if (now == ticks) {
        kill(child, SIGKILL);
        return false;
      }
      ticks = now;
      continue;
    }
    const ssize_t size = read(fd, block, sizeof(block));
    if (size < 0 && errno == EINTR) continue;
    if (size <= 0) return true;
    output.append(block, size);
  }
}

}  // namespace

std::optional<PassResult> RunBoundedPass(std::int64_t bound, const std::function<int(int)>& pass,
                                         std::chrono::milliseconds stall) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    RunChild(bound, pass, fds[1]);
  }
  close(fds[1]);
  if (child < 0) {
    close(fds[0]);
    return std::nullopt;
  }
  PassResult result;
  const bool ended = ReadAll(fds[0], child, stall, result.output);
  close(fds[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) > kLargestPassCode) return std::nullopt;
  result.code = WEXITSTATUS(status);
  return result;
}

bool WritePassOutput(int out, const QByteArray& bytes) {
  const char* data = bytes.constData();
  std::size_t size = static_cast<std::size_t>(bytes.size());
  while (size > 0) {
    const ssize_t done = write(out, data, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    data += done;
    size -= static_cast<std::size_t>(done);
  }
  return true;
}

}  // namespace kasumori::archive
