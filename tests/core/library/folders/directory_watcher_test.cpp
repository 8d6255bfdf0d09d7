// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/directory_watcher.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>

#include <atomic>

#include <memory>

namespace kasumori::library {
namespace {

// The watcher posts to the main thread's event loop, which the test runs itself. The
// application lives until the process ends: destroying it among the static destructors would
// outlive Qt's own globals.
void EnsureApplication() {
  static int argc = 1;
  static char name[] = "kasumori_core_tests";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

struct WatchFixture {
  WatchFixture() {
    EnsureApplication();
    watcher.DelayTime = 150;
    QObject::connect(&watcher, &TDirectoryWatcher::OnChange,
                     [this](const QString& directory) { changes << directory; });
  }

  // Runs the event loop until the count of notifications reaches `count` or the time is up.
  bool WaitForChanges(qsizetype count, int timeoutMs = 5000) {
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &TDirectoryWatcher::OnChange, &loop, [&] {
      if (changes.size() >= count) loop.quit();
    });
    timeout.start(timeoutMs);
    if (changes.size() < count) loop.exec();
    return changes.size() >= count;
  }

  // Runs the event loop for a while, for checking that nothing more arrives.
  void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }

  testkit::TempTree disk;
  TDirectoryWatcher watcher;
  QStringList changes;
};

TEST(DirectoryWatcher, ABurstOfChangesGivesOneNotification) {
  WatchFixture f;
  const QString folder = f.disk.Folder("photos");
  f.watcher.SetDirectory(folder);
  f.disk.File("photos/a.jpg");
  f.RunEventsFor(50);  // inside the delay: the timer starts over
  f.disk.File("photos/b.jpg");
  QFile::rename(f.disk.Path("photos/a.jpg"), f.disk.Path("photos/c.jpg"));
  f.RunEventsFor(50);
  QFile::remove(f.disk.Path("photos/b.jpg"));
  ASSERT_TRUE(f.WaitForChanges(1));
  f.RunEventsFor(3 * f.watcher.DelayTime);
  EXPECT_EQ(f.changes, QStringList{folder});
}

TEST(DirectoryWatcher, AFileRewrittenInPlaceIsNoticed) {
  WatchFixture f;
  const QString file = f.disk.File("photos/a.jpg");
  f.watcher.SetDirectory(f.disk.Path("photos"));
  QFile rewrite(file);
  ASSERT_TRUE(rewrite.open(QIODevice::WriteOnly | QIODevice::Append));
  rewrite.write("more");
  rewrite.close();
  EXPECT_TRUE(f.WaitForChanges(1));
}

TEST(DirectoryWatcher, OnlyTheFolderItselfIsWatched) {
  WatchFixture f;
  f.disk.Folder("photos/sub");
  f.disk.Folder("old");
  f.watcher.SetDirectory(f.disk.Path("old"));
  f.watcher.SetDirectory(f.disk.Path("photos"));
  f.disk.File("photos/sub/deep.jpg");  // a sub-folder's change
  f.disk.File("old/a.jpg");            // the folder watched before
  f.RunEventsFor(3 * f.watcher.DelayTime);
  EXPECT_TRUE(f.changes.isEmpty());
}

TEST(DirectoryWatcher, WithoutDelayEveryReportIsPassedOnAtOnce) {
  WatchFixture f;
  f.watcher.Delay = false;
  f.watcher.SetDirectory(f.disk.Folder("photos"));
  f.disk.File("photos/a.jpg");
  EXPECT_TRUE(f.WaitForChanges(1, 2000));
}

TEST(DirectoryWatcher, AMissingOrEmptyFolderReportsNothingAndStopsCleanly) {
  WatchFixture f;
  f.watcher.SetDirectory(f.disk.Path("gone"));
  f.disk.File("gone.jpg");
  f.RunEventsFor(3 * f.watcher.DelayTime);
  EXPECT_TRUE(f.changes.isEmpty());
  f.watcher.SetDirectory("");
  EXPECT_EQ(f.watcher.Directory(), "");
}

TEST(DirectoryWatcher, DestroyingItWhileWatchingStopsTheWorker) {
  EnsureApplication();
  testkit::TempTree disk;
  auto watcher = std::make_unique<TDirectoryWatcher>();
  watcher->SetDirectory(disk.Path());
  ASSERT_NE(watcher->Worker(), nullptr);
  std::atomic<bool> finished = false;
  QThread* worker = watcher->Worker();
  QObject::connect(
      worker, &QThread::finished, worker, [&finished] { finished = true; }, Qt::DirectConnection);
  disk.File("a.jpg");
  watcher.reset();  // joins the worker; its pending report dies with the watcher
  EXPECT_TRUE(finished) << "the worker ran to its end before the watcher went";
  QCoreApplication::processEvents();  // a report posted meanwhile finds no receiver
}

TEST(HandleFolderChange, RefreshesUnlessSwitchedOffOrTheChangeWasTheProgramsOwn) {
  FolderState folders;
  int refreshes = 0;
  const auto refresh = [&] { ++refreshes; };
  folders.WatchEnabled = false;
  folders.IgnoreNextChange = true;
  HandleFolderChange(folders, refresh);
  EXPECT_EQ(refreshes, 0);
  EXPECT_TRUE(folders.IgnoreNextChange);  // kept for when watching is on again

  folders.WatchEnabled = true;
  HandleFolderChange(folders, refresh);
  EXPECT_EQ(refreshes, 0);
  EXPECT_FALSE(folders.IgnoreNextChange);
  HandleFolderChange(folders, refresh);
  EXPECT_EQ(refreshes, 1);
}

}  // namespace
}  // namespace kasumori::library
