// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog_service.h"

#include <QDialog>

class QLineEdit;

namespace kasumori::ui {

// Asks for the name of a new favourites folder. Made afresh for each use; a name with a
// character no folder name may have keeps it open.
class TMakeFolderForm final : public QDialog {
  Q_OBJECT

 public:
  TMakeFolderForm(QWidget* owner, platform::DialogService& dialogs);
  QString FolderName() const;
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Make();

  platform::DialogService& dialogs_;
  QLineEdit* nameEdit_;
};

}  // namespace kasumori::ui
