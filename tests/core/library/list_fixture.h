// SPDX-License-Identifier: GPL-3.0-or-later
// A photo list over a real temporary folder, with every collaborator the list talks to.
#pragma once

#include "library/photo_list_controller.h"
#include "support/scripted_dialog_service.h"
#include "support/temp_tree.h"

#include <QLocale>

#include <memory>

namespace kasumori::library {

struct ListFixture {
  ListFixture() : controller(*list, settings, folders, extensions, dialogs, Hooks()) {
    controller.SetCollator(EnglishCollator());
    folders.CurrentFolder = tree.Path();
  }

  static QCollator EnglishCollator() {
    QCollator collator{QLocale(QLocale::English)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
  }

  PhotoListHooks Hooks() {
    PhotoListHooks hooks;
    hooks.resetPerPhotoState = [this] { ++resets; };
    hooks.watchFolder = [this](const QString& folder) { watched = folder; };
    hooks.refreshStrip = [this] { ++stripRedraws; };
    hooks.saveSettings = [this] { ++saves; };
    hooks.uiReady = [this] { return uiReady; };
    hooks.rebuildFolderTree = [this](const QString& folder) { treeFolder = folder; };
    hooks.shownPhoto = [this] { return shown; };
    return hooks;
  }

  QStringList Names() const {
    QStringList names;
    for (int p = 1; p <= list->PhotoCount; ++p) names << list->Name(p);
    return names;
  }

  QStringList Scan() {
    controller.ScanFolder();
    return Names();
  }

  testkit::TempTree tree;
  config::Settings settings;
  FolderState folders;
  PhotoExtensions extensions;
  platform::ScriptedDialogService dialogs;
  std::unique_ptr<PhotoList> list = std::make_unique<PhotoList>();
  int resets = 0;
  int stripRedraws = 0;
  int saves = 0;
  bool uiReady = true;
  QString watched;
  QString treeFolder;
  std::optional<ShownPhoto> shown;
  PhotoListController controller;
};

}  // namespace kasumori::library
