// SPDX-License-Identifier: GPL-3.0-or-later
// A card folder and a PC folder in a temporary tree, the copy engine over them with a scripted
// dialog service, a trash that records, and time that passes only when the test says so.
#pragma once

#include "transfer/transfer_engine.h"

#include "support/faulty_file_system.h"
#include "support/manual_clock.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace kasumori::transfer::testing {

class TransferTest : public ::testing::Test {
 protected:
  // A file with its last-write time at noon of the day.
  QString Photo(const QString& relative, QDate day, const QByteArray& bytes = "jpeg bytes") {
    const QString path = tree.File(relative, bytes);
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime(day, QTime(12, 0)), QFileDevice::FileModificationTime);
    return path;
  }

  TransferJob Job(TransferMode mode, TransferOptions options = {}) {
    TransferJob job;
    job.mode = mode;
    const bool toCamera = mode == TransferMode::ToCamera;
    job.sourceFolder = toCamera ? pc : card;
    job.targetFolder = toCamera ? card : pc;
    if (mode == TransferMode::SortByDate) job.sourceFolder = pc;
    job.options = options;
    return job;
  }

  // Runs the job to its end and returns the engine for its results; every text the window
  // would have shown is in `shown`.
  TransferEngine& Run(const TransferJob& job) {
    engine_ = std::make_unique<TransferEngine>(
        TransferDeps{{fs, trash, dialogs, folders, tree.Path("Thumbnail")},
                     clock.NewTimer(),
                     clock.NewTimer()},
        job, TransferHooks{[this] { shown << engine_->CountText(); }, {}, [this] { ++closed; }});
    engine_->Begin();
    clock.RunOut();
    return *engine_;
  }

  QStringList Files(const QString& relative) const {
    return QDir(tree.Path(relative)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }

  testkit::TempTree tree;
  QString card = tree.Folder("card");
  QString pc = tree.Folder("pc");
  library::fileops_testing::FaultyFileSystem fs;
  library::fileops_testing::FakeTrash trash;
  platform::ScriptedDialogService dialogs;
  library::FolderState folders;
  testkit::ManualClock clock;
  QStringList shown;
  int closed = 0;

 private:
  std::unique_ptr<TransferEngine> engine_;
};

}  // namespace kasumori::transfer::testing
