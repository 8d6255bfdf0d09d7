// SPDX-License-Identifier: GPL-3.0-or-later
// Platform services for tests: folders under a temporary tree, a fixed date, a marker whose
// owner the test decides.
#pragma once

#include "platform/platform_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <vector>

namespace kasumori::testkit {

class FakeSpecialFolders final : public platform::SpecialFolders {
 public:
  explicit FakeSpecialFolders(const QString& home) : home_(home) {}
  QString Desktop() const override { return home_ + "/Desktop"; }
  QString Documents() const override { return home_ + "/Documents"; }
  QString Pictures() const override { return home_ + "/Pictures"; }
  QString Programs() const override { return home_ + "/.local/share/applications"; }
  QString CommonPrograms() const override { return "/usr/share/applications"; }
  QString System() const override { return "/usr/lib"; }
  QString DataHome() const override { return home_ + "/.local/share"; }

 private:
  QString home_;
};

// Records what would have been opened instead of starting anything.
class FakeShellOpen final : public platform::ShellOpenService {
 public:
  QStringList opened;  // documents, or "program argument"
  bool OpenDocument(const QString& path) override {
    opened << path;
    return true;
  }
  bool StartProgram(const QString& program, const QString& argument) override {
    opened << program + ' ' + argument;
    return true;
  }
};

// Answers every picker with the queued paths in turn, and with "cancelled" when none is left.
// The open-file and save-file requests are kept as they were asked.
class FakePicker final : public platform::PickerService {
 public:
  struct SaveRequest {
    QString title, start, filter, defaultSuffix;
  };
  QStringList answers;
  std::vector<SaveRequest> openRequests;  // without a suffix
  std::vector<SaveRequest> saveRequests;
  std::optional<QString> PickFolder(const QString&, const QString&) override { return Next(); }
  std::optional<QString> PickOpenFile(const QString& title, const QString& start,
                                      const QString& filter) override {
    openRequests.push_back({title, start, filter, {}});
    return Next();
  }
  std::optional<QString> PickSaveFile(const QString& title, const QString& start,
                                      const QString& filter,
                                      const QString& defaultSuffix) override {
    saveRequests.push_back({title, start, filter, defaultSuffix});
    return Next();
  }

 private:
  std::optional<QString> Next() {
    if (answers.isEmpty()) return std::nullopt;
    return answers.takeFirst();
  }
};

class FakeMarker final : public platform::SingleInstanceMarker {
 public:
  bool otherInstanceRuns = false;
  bool TryTake() override { return !otherInstanceRuns; }
};

// A trash that is a plain folder: moved files keep their names there.
class FolderTrash final : public platform::TrashService {
 public:
  explicit FolderTrash(QString folder) : folder_(std::move(folder)) {}
  bool MoveToTrash(const QString& path) override {
    QDir().mkpath(folder_);
    return QFile::rename(path, folder_ + '/' + QFileInfo(path).fileName());
  }

 private:
  QString folder_;
};

class FixedClock final : public platform::Clock {
 public:
  explicit FixedClock(QDate date) : date(date) {}
  QDate Today() const override { return date; }
  QDate date;
};

}  // namespace kasumori::testkit
