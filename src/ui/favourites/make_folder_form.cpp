// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/favourites/make_folder_form.h"

#include "favourites/add_favourite.h"
#include "library/folders/folder_window_rules.h"
#include "ui/common/fonts.h"
#include "ui/common/form_text.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace kasumori::ui {

TMakeFolderForm::TMakeFolderForm(QWidget* owner, platform::DialogService& dialogs)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs) {
  setObjectName("TMakeFolderForm");
  setWindowTitle(QStringLiteral("フォルダを作成"));
  setFixedSize(232, 60);
  setFont(ProportionalGothic(12));
  PaintFormGreen(this);
  nameEdit_ = new QLineEdit(QString::fromUtf8(library::kNewFolderName), this);
  nameEdit_->setObjectName("NameEdit");
  nameEdit_->setGeometry(7, 6, 218, 20);
  nameEdit_->setMaxLength(favourites::kMaxFavouriteNameChars);
  QPushButton* make = FormButton(this, "MakeBtn", QStringLiteral("作成"), {152, 29, 75, 25});
  make->setDefault(true);
  connect(make, &QPushButton::clicked, this, &TMakeFolderForm::Make);
  nameEdit_->setFocus();
}

QString TMakeFolderForm::FolderName() const { return nameEdit_->text(); }

void TMakeFolderForm::Make() {
  if (library::HasForbiddenCharacter(nameEdit_->text())) {
    dialogs_.Notice({library::ForbiddenCharactersLine()});
    nameEdit_->setFocus();
    return;
  }
  // A favourites folder path never ends in "\", so an empty name makes nothing and the
  // dialog waits for one.
  if (nameEdit_->text().isEmpty()) {
    nameEdit_->setFocus();
    return;
  }
  accept();
}

void TMakeFolderForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const QWidget* owner = QApplication::activeWindow();
  PlaceOnScreen(*this, owner == nullptr || owner == this ? parentWidget() : owner);
}

void TMakeFolderForm::done(int result) {
  SwitchInputMethodOff();
  QDialog::done(result);
}

}  // namespace kasumori::ui
