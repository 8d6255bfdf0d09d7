// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/directory_watcher.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace kasumori::library {
namespace {

constexpr std::uint32_t kWatchMask = IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE |
                                     IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

// Reads every pending event; true when the watch itself went away (the folder was removed).
bool DrainEvents(int fd) {
  alignas(inotify_event) std::array<char, 4096> buffer;
  bool watchGone = false;
  for (;;) {
    const ssize_t n = read(fd, buffer.data(), buffer.size());
    if (n <= 0) return watchGone;
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
      if (event->mask & IN_IGNORED) watchGone = true;
      at += ssize_t(sizeof(inotify_event) + event->len);
    }
  }
}

}  // namespace

TWatchThread::TWatchThread(QString directory, TDirectoryWatcher* target)
    : directory_(std::move(directory)), target_(target) {
  stopFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

TWatchThread::~TWatchThread() {
  Stop();
  if (stopFd_ >= 0) close(stopFd_);
}

void TWatchThread::Stop() {
  if (stopFd_ >= 0) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(stopFd_, &one, sizeof one);
  }
  wait();
}

void TWatchThread::Post() {
  TDirectoryWatcher* target = target_;
  QMetaObject::invokeMethod(
      target, [target, directory = directory_] { target->Posted(directory); },
      Qt::QueuedConnection);
}

void TWatchThread::run() {
  if (stopFd_ < 0) {
    armed_.release();
    return;
  }
  const int notifyFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  int watched = -1;
  if (notifyFd >= 0) {
    watched = inotify_add_watch(notifyFd, QFile::encodeName(directory_).constData(), kWatchMask);
  }
  armed_.release();
  // Without a watch (the folder is gone) only the stop request is waited for.
  std::array<pollfd, 2> fds{pollfd{stopFd_, POLLIN, 0},
                            pollfd{watched >= 0 ? notifyFd : -1, POLLIN, 0}};
  for (;;) {
    if (poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents & POLLIN) break;
    if (fds[1].revents & POLLIN) {
      if (DrainEvents(notifyFd)) fds[1].fd = -1;
      Post();
    }
  }
  if (notifyFd >= 0) close(notifyFd);
}

TDirectoryWatcher::TDirectoryWatcher(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { emit OnChange(directory_); });
}

TDirectoryWatcher::~TDirectoryWatcher() { StopWorker(); }

void TDirectoryWatcher::StopWorker() {
  timer_.stop();
  worker_.reset();  // stops and joins the thread
}

void TDirectoryWatcher::SetDirectory(const QString& directory) {
  // Exact comparison: on this file system two folders may differ in letter case only.
  if (directory == directory_) return;
  StopWorker();
  directory_ = directory;
  if (directory_.isEmpty()) return;
  worker_ = std::make_unique<TWatchThread>(directory_, this);
  worker_->start(QThread::IdlePriority);
  worker_->WaitUntilArmed();
}

void TDirectoryWatcher::Posted(const QString& directory) {
  // A report the previous worker posted before it stopped belongs to another folder.
  if (directory != directory_) return;
  if (!Delay) {
    emit OnChange(directory_);
    return;
  }
  timer_.start(DelayTime);
}

void HandleFolderChange(FolderState& folders, const std::function<void()>& refreshFolder) {
  if (!folders.WatchEnabled) return;
  if (folders.IgnoreNextChange) {
    folders.IgnoreNextChange = false;
    return;
  }
  if (refreshFolder) refreshFolder();
}

}  // namespace kasumori::library
