// SPDX-License-Identifier: GPL-3.0-or-later
// A favourites store over a real program folder in a temporary tree.
#pragma once

#include "favourites/favourites_store.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <memory>

namespace kasumori::favourites {

class StoreFixture : public ::testing::Test {
 protected:
  StoreFixture() {
    folders.ProgramFolder = tree.Folder("prog");
    folders.ThumbnailFolder = tree.Folder("prog/Thumbnail");
    Reopen();
  }

  // A fresh store that has read the files, as when a favourites window opens.
  void Reopen() {
    store = std::make_unique<FavouritesStore>(settings, folders);
    QCollator collator{QLocale(QLocale::English)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    store->SetCollator(collator);
    store->Load();
  }

  // Writes one favourites file as the program writes it: one line each, CR LF.
  void WriteList(const char* fileName, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
    tree.File(QStringLiteral("prog/") + fileName, bytes);
  }

  QStringList FileLines(const char* fileName) const {
    return ReadListFile(tree.Path(QStringLiteral("prog/") + fileName));
  }

  QStringList LoadedNames() const {
    QStringList names;
    for (int n = 1; n <= store->Folder().Count; ++n) names << store->Folder().Entry(n)->Name;
    return names;
  }

  void Select(const QString& name) {
    for (int n = 1; n <= store->Folder().Count; ++n) {
      if (store->Folder().Entry(n)->Name == name) store->Folder().Entry(n)->Selected = true;
    }
  }

  testkit::TempTree tree;
  config::Settings settings;
  config::DataFolders folders;
  std::unique_ptr<FavouritesStore> store;
};

}  // namespace kasumori::favourites
