// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;

namespace kasumori::ui {

// What the window's buttons do; each answers whether the window closes. The photo folder tree
// and the favourites folder tree give their own.
struct FolderFormActions {
  std::function<bool(const QString& typedName)> rename;
  std::function<bool()> remove;
  std::function<bool()> makeFolder;
};

enum class FolderFormKind {
  Full,
  Short,  // renames only: no delete and new-folder buttons
  Root,   // a root that keeps its name: only the new-folder button works
};

struct FolderFormParts {
  QString folder;    // the folder chosen in the tree, as the tooltip gives it
  QString pathLine;  // the folder as one shortened line
  QString name;      // what the name field starts with
  FolderFormKind kind = FolderFormKind::Full;
  FolderFormActions actions;
};

// The small window a right click in a folder tree opens: it renames the folder, deletes it
// when empty, or makes a new folder inside it.
class TFolderForm final : public QDialog {
  Q_OBJECT

 public:
  TFolderForm(QWidget* owner, FolderFormParts parts);

  void done(int result) override;

 private:
  void Rename();

  FolderFormParts p_;
  QLineEdit* nameEdit_;
};

}  // namespace kasumori::ui
