// SPDX-License-Identifier: GPL-3.0-or-later
// The folder watcher: a worker thread waits on inotify for changes in one folder (not its
// sub-folders) and posts each report to the main thread, where a one-shot timer merges a burst
// of reports into one OnChange.
#pragma once

#include "library/folder_state.h"

#include <QObject>
#include <QSemaphore>
#include <QString>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

namespace kasumori::library {

class TDirectoryWatcher;

// Waits for changes of names, attributes, sizes and write times in its folder, or for its stop
// request. The folder is its own copy; it touches nothing else but the message it posts.
class TWatchThread final : public QThread {
 public:
  TWatchThread(QString directory, TDirectoryWatcher* target);
  ~TWatchThread() override;
  // Asks the thread to end and waits until it has.
  void Stop();
  // Waits until the thread watches its folder (or found it cannot), so that no change made
  // after this returns goes unreported.
  void WaitUntilArmed() { armed_.acquire(); }

 protected:
  void run() override;

 private:
  void Post();

  const QString directory_;
  TDirectoryWatcher* const target_;
  int stopFd_ = -1;  // an eventfd: readable once Stop was called
  QSemaphore armed_;
};

class TDirectoryWatcher final : public QObject {
  Q_OBJECT

 public:
  explicit TDirectoryWatcher(QObject* parent = nullptr);
  ~TDirectoryWatcher() override;

  const QString& Directory() const { return directory_; }
  // Watches another folder: the old worker stops, and a new one starts unless the folder is
  // "". Changes made after this returns are reported. Setting the folder already watched
  // changes nothing.
  void SetDirectory(const QString& directory);

  // When true, OnChange waits until DelayTime milliseconds pass without a further change.
  bool Delay = true;
  int DelayTime = 1000;
  // The worker thread of the folder watched now; none while no folder is.
  QThread* Worker() { return worker_.get(); }
  // True while a burst of reports waits for its quiet time.
  bool Pending() const { return timer_.isActive(); }

 signals:
  void OnChange(const QString& directory);

 private:
  friend class TWatchThread;
  // A report from the worker, on the main thread.
  void Posted(const QString& directory);
  void StopWorker();

  QString directory_;
  std::unique_ptr<TWatchThread> worker_;
  QTimer timer_;
};

// The main window's answer to OnChange: nothing while watching is off, the change swallowed
// when the program made it itself, else the list is refreshed.
void HandleFolderChange(FolderState& folders, const std::function<void()>& refreshFolder);

}  // namespace kasumori::library
