// SPDX-License-Identifier: GPL-3.0-or-later
// A folder panel over a real temporary tree, with a picker that answers from a queue and hooks
// that count what the panel asked for.
#pragma once

#include "library/folders/folder_panel.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QCollator>
#include <QLocale>

#include <deque>

namespace kasumori::library {

class QueuedPicker final : public platform::PickerService {
 public:
  std::optional<QString> PickFolder(const QString& title, const QString& start) override {
    titles << title;
    starts << start;
    if (answers.empty()) return std::nullopt;
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
  }
  std::optional<QString> PickOpenFile(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> PickSaveFile(const QString&, const QString&, const QString&,
                                      const QString&) override {
    return std::nullopt;
  }

  std::deque<QString> answers;  // a null string cancels
  QStringList titles;
  QStringList starts;
};

struct PanelFixture {
  PanelFixture()
      : panel(settings, folders, list, tree, dialogs, picker, disk.Path("Desktop"), Hooks()) {
    QCollator collator{QLocale(QLocale::English)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    tree.SetCollator(collator);
  }

  FolderPanelHooks Hooks() {
    FolderPanelHooks hooks;
    hooks.checkRadio = [this](int slot) { radio = slot; };
    hooks.updateLabels = [this] { ++labelUpdates; };
    hooks.saveSettings = [this] { ++saves; };
    hooks.scanFolder = [this] {
      ++scans;
      scanned << folders.CurrentFolder;
      list.PhotoCount = photosPerScan;
    };
    hooks.clearStrip = [this] { ++stripClears; };
    hooks.refreshStrip = [this] { ++stripRedraws; };
    hooks.detachShownPhoto = [this](int slot) { detached = slot; };
    return hooks;
  }

  // Slot 1 at "root" of the temporary tree, made current.
  QString UseSlotOne() {
    settings.PhotoFolder1 = disk.Folder("root");
    folders.SlotCurrentFolder[0] = settings.PhotoFolder1;
    folders.WatchedFolder = settings.PhotoFolder1;
    panel.SelectSlot(1);
    return settings.PhotoFolder1;
  }

  QString Selected() const { return tree.Selected() ? tree.FolderOf(*tree.Selected()) : ""; }

  testkit::TempTree disk;
  config::Settings settings;
  FolderState folders;
  PhotoList list;
  FolderTree tree;
  platform::ScriptedDialogService dialogs;
  QueuedPicker picker;
  FolderPanel panel;
  int radio = -1;
  int labelUpdates = 0;
  int saves = 0;
  int scans = 0;
  QStringList scanned;
  int photosPerScan = 0;
  int stripClears = 0;
  int stripRedraws = 0;
  int detached = 0;
};

}  // namespace kasumori::library
