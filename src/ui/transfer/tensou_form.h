// SPDX-License-Identifier: GPL-3.0-or-later
// The option dialog of a transfer: where from, where to, and the three transfer options.
#pragma once

#include "library/folders/path_label.h"
#include "transfer/transfer_engine.h"

#include <QDialog>

class QCheckBox;

namespace kasumori::ui {

class TTensouForm final : public QDialog {
  Q_OBJECT

 public:
  // `cameraName` and `selectedFolder` name the two ends; towards the camera they swap places.
  // The folder is shown shortened, the user's own folders by their friendly names.
  TTensouForm(QWidget* owner, transfer::TransferMode mode, const QString& cameraName,
              const QString& selectedFolder, const transfer::TransferOptions& options,
              const library::FriendlyFolders& friendly);

  // The options as the boxes say: a checked "do not copy protected photos" means no.
  transfer::TransferOptions Options() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QCheckBox* Option(const char* boxName, const char* labelName, const QString& text, int top,
                    bool checked);

  QCheckBox* readOnlyChk_;
  QCheckBox* movieChk_;
  QCheckBox* makeFolderChk_;
};

}  // namespace kasumori::ui
