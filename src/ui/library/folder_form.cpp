// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/folder_form.h"

#include "ui/common/fonts.h"
#include "ui/common/form_text.h"
#include "ui/common/kasumori_style.h"
#include "ui/shell/main_panels.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kasumori::ui {
namespace {

constexpr int kWidth = 237;
constexpr int kHeight = 154;
constexpr int kShortHeight = 93;
constexpr int kShortCloseTop = 64;

}  // namespace

TFolderForm::TFolderForm(QWidget* owner, FolderFormParts parts)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      p_(std::move(parts)) {
  setObjectName(p_.shortForm ? "TFolderFormShort" : "TFolderForm");
  setWindowTitle(QStringLiteral("Kasumori２"));
  setFixedSize(kWidth, p_.shortForm ? kShortHeight : kHeight);
  PaintFormGreen(this);

  WhiteText(this, QStringLiteral("選択中フォルダ"), 8, 6);
  QLabel* path = WhiteText(this, p_.pathLine, 16, 22, "FolderLbl");
  SetHint(path, p_.folder);
  nameEdit_ = new QLineEdit(QFileInfo(p_.folder).fileName(), this);
  nameEdit_->setObjectName("NameEdit");
  nameEdit_->setGeometry(8, 40, 150, 20);
  auto button = [this](const char* name, const QString& text, const QRect& bounds) {
    return FormButton(this, name, text, bounds);
  };
  QPushButton* rename = button("HenkouBtn", QStringLiteral("名前を変更"), {162, 40, 68, 20});
  rename->setDefault(true);
  connect(rename, &QPushButton::clicked, this, &TFolderForm::Rename);
  if (!p_.shortForm) {
    connect(
        button("DelBtn", QStringLiteral("上記フォルダを削除（空のみ削除可能）"), {8, 66, 222, 22}),
        &QPushButton::clicked, this, &TFolderForm::Delete);
    connect(button("MakeBtn", QStringLiteral("上記フォルダ内に、新しいフォルダを作成"),
                   {8, 92, 222, 22}),
            &QPushButton::clicked, this, &TFolderForm::MakeFolder);
  }
  const int closeTop = p_.shortForm ? kShortCloseTop : 124;
  connect(button("TojiruBtn", QStringLiteral("閉じる"), {150, closeTop, 80, 22}),
          &QPushButton::clicked, this, &QDialog::reject);
  nameEdit_->selectAll();
  nameEdit_->setFocus();
}

void TFolderForm::done(int result) {
  SwitchInputMethodOff();
  QDialog::done(result);
}

void TFolderForm::Rename() {
  using library::FolderRenameOutcome;
  switch (library::RenameFolder(p_.panel, p_.folder, nameEdit_->text(), p_.renameHooks)) {
    case FolderRenameOutcome::Renamed:
    case FolderRenameOutcome::Unchanged:
      accept();
      return;
    case FolderRenameOutcome::BadName:
    case FolderRenameOutcome::NameTaken:
    case FolderRenameOutcome::Failed:
      nameEdit_->setFocus();
      return;
  }
}

void TFolderForm::Delete() {
  // The folder is gone once deleted: nothing is left for this window to work on.
  if (library::DeleteEmptyFolder(p_.panel, p_.folder)) accept();
}

void TFolderForm::MakeFolder() {
  if (const auto made = library::MakeNewFolder(p_.panel, p_.folder)) {
    made_ = *made;
    accept();
  }
}

}  // namespace kasumori::ui
