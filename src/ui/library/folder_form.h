// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/folders/folder_window_rules.h"

#include <QDialog>

class QLineEdit;

namespace kasumori::ui {

struct FolderFormParts {
  library::FolderPanel& panel;
  library::FolderRenameHooks renameHooks;
  QString folder;    // the folder chosen in the tree
  QString pathLine;  // the folder as one shortened line
  // The short form renames only: it has no delete and new-folder buttons.
  bool shortForm = false;
};

// The small window a right click in the folder tree opens: it renames the folder, deletes it
// when empty, or makes a new folder inside it.
class TFolderForm final : public QDialog {
  Q_OBJECT

 public:
  TFolderForm(QWidget* owner, FolderFormParts parts);

  // The folder the new-folder button made, when the window closed for it; empty otherwise.
  const QString& MadeFolder() const { return made_; }

  void done(int result) override;

 private:
  void Rename();
  void Delete();
  void MakeFolder();

  FolderFormParts p_;
  QLineEdit* nameEdit_;
  QString made_;
};

}  // namespace kasumori::ui
