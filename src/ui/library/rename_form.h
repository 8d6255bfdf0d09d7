// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog_service.h"

#include <QDialog>

class QLineEdit;

namespace kasumori::ui {

// Asks for the shown photo's new file name. The typed name is checked on 決定; a name with a
// character no file name may have keeps the window open.
class TRenameForm final : public QDialog {
  Q_OBJECT

 public:
  TRenameForm(QWidget* owner, platform::DialogService& dialogs, const QString& oldName);
  QString TypedName() const;
  void done(int result) override;

 private:
  platform::DialogService& dialogs_;
  QLineEdit* edit_;
};

}  // namespace kasumori::ui
