// SPDX-License-Identifier: GPL-3.0-or-later
// A card of 200 photos of 8 MB copied by the transfer engine (temporary name, byte-for-byte
// check, rename, times kept) against a plain `cp` of the same files in the same run.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "bench_support.h"
#include "library/fileops/file_system.h"
#include "library/folder_state.h"
#include "platform/linux_platform.h"
#include "support/manual_clock.h"
#include "support/scripted_dialog_service.h"
#include "transfer/transfer_engine.h"

namespace {

using namespace kasumori;

constexpr int kFiles = 200;
constexpr qsizetype kFileBytes = 8 << 20;

void MakeCard(const QString& card) {
  QDir().mkpath(card);
  QByteArray bytes(kFileBytes, Qt::Uninitialized);
  QRandomGenerator generator(14);
  generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
  for (int i = 0; i < kFiles; ++i) {
    bytes[0] = char(i);  // no two photos alike
    QFile file(card + QString::asprintf("/IMG_%04d.JPG", i));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
  }
}

// Empties the folder and writes out whatever earlier runs left pending, so that no run pays
// for another's flush.
void Empty(const QString& folder) {
  QDir(folder).removeRecursively();
  QDir().mkpath(folder);
  ::sync();
}

void RunEngine(const QString& card, const QString& target) {
  library::LocalFileSystem fs;
  platform::FreedesktopTrash trash;
  platform::ScriptedDialogService dialogs;
  library::FolderState folders;
  testkit::ManualClock clock;
  transfer::TransferJob job;
  job.sourceFolder = card;
  job.targetFolder = target;
  job.options = {true, true, false};
  transfer::TransferEngine engine(
      {{fs, trash, dialogs, folders, {}}, clock.NewTimer(), clock.NewTimer()}, job, {});
  engine.Begin();
  clock.RunOut();
  if (engine.Handled() != kFiles || !dialogs.Records().empty()) {
    std::fprintf(stderr, "transfer copied %d of %d files\n", engine.Handled(), kFiles);
    std::exit(1);
  }
}

// The engine ends a run by flushing the target's file system, so the fair baseline does too.
void RunCp(const QString& card, const QString& target, bool flush) {
  const QString copy = "cp -p '" + card + "'/* '" + target + "'/";
  const QByteArray command =
      QFile::encodeName(flush ? copy + " && sync -f '" + target + "'" : copy);
  if (std::system(command.constData()) != 0) std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  const QString work =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/transfer_bench";
  const QString card = work + "/card";
  const QString engineTarget = work + "/engine";
  const QString cpTarget = work + "/cp";
  MakeCard(card);
  // Each side starts from an empty folder; the runs alternate so both meet the same cache.
  std::vector<double> engineRuns;
  std::vector<double> syncedCpRuns;
  std::vector<double> cpRuns;
  for (int run = 0; run < 3; ++run) {
    Empty(engineTarget);
    engineRuns.push_back(bench::MedianMs([&] { RunEngine(card, engineTarget); }, 1));
    Empty(cpTarget);
    syncedCpRuns.push_back(bench::MedianMs([&] { RunCp(card, cpTarget, true); }, 1));
    Empty(cpTarget);
    cpRuns.push_back(bench::MedianMs([&] { RunCp(card, cpTarget, false); }, 1));
  }
  for (auto* runs : {&engineRuns, &syncedCpRuns, &cpRuns}) std::sort(runs->begin(), runs->end());
  bench::Report(
      "transfer of 200 photos of 8 MB, checked byte for byte and flushed, vs cp -p + sync",
      engineRuns[1], syncedCpRuns[1]);
  bench::Report("the same transfer vs cp -p alone (left in the page cache)", engineRuns[1],
                cpRuns[1]);
  QDir(work).removeRecursively();
  return 0;
}
