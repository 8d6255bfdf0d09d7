// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog_service.h"

#include <QDialog>

class QLineEdit;

namespace kasumori::ui {

// The photo's rename and the favourite's share the window; only its words differ.
struct RenameFormTexts {
  QString caption;
  QString oldLabel;
  QString newLabel;
  bool extensionHint = true;
};
RenameFormTexts PhotoRenameTexts();
RenameFormTexts FavouriteRenameTexts();

// Asks for the shown photo's (or a favourite's) new name. The typed name is checked on 決定; a name
// with a character no file name may have keeps the window open.
class TRenameForm final : public QDialog {
  Q_OBJECT

 public:
  TRenameForm(QWidget* owner, platform::DialogService& dialogs, const QString& oldName,
              const RenameFormTexts& texts = PhotoRenameTexts());
  QString TypedName() const;
  void done(int result) override;

 private:
  platform::DialogService& dialogs_;
  QLineEdit* edit_;
};

}  // namespace kasumori::ui
