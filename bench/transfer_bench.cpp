// SPDX-License-Identifier: GPL-3.0-or-later
// A card of 200 photos of 8 MB copied by the transfer engine (temporary name, byte-for-byte
// check, rename, times kept) against a plain `cp` of the same files in the same run.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <cstdio>
#include <cstdlib>

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

void Empty(const QString& folder) {
  QDir(folder).removeRecursively();
  QDir().mkpath(folder);
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

void RunCp(const QString& card, const QString& target) {
  const QByteArray command = QFile::encodeName("cp -p '" + card + "'/* '" + target + "'/");
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
  double engineMs = 0;
  double cpMs = 0;
  std::vector<double> engineRuns;
  std::vector<double> cpRuns;
  for (int run = 0; run < 3; ++run) {
    Empty(engineTarget);
    Empty(cpTarget);
    engineRuns.push_back(bench::MedianMs([&] { RunEngine(card, engineTarget); }, 1));
    cpRuns.push_back(bench::MedianMs([&] { RunCp(card, cpTarget); }, 1));
  }
  std::sort(engineRuns.begin(), engineRuns.end());
  std::sort(cpRuns.begin(), cpRuns.end());
  engineMs = engineRuns[1];
  cpMs = cpRuns[1];
  bench::Report("transfer of 200 photos of 8 MB, checked byte for byte, vs cp -p", engineMs, cpMs);
  QDir(work).removeRecursively();
  return 0;
}
