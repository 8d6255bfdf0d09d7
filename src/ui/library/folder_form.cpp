// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/folder_form.h"

#include "ui/common/fonts.h"
#include "ui/common/form_text.h"
#include "ui/common/kasumori_style.h"
#include "ui/shell/main_panels.h"

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
  const bool shortForm = p_.kind == FolderFormKind::Short;
  const bool root = p_.kind == FolderFormKind::Root;
  setObjectName(shortForm ? "TFolderFormShort" : "TFolderForm");
  setWindowTitle(QStringLiteral("Kasumori２"));
  setFixedSize(kWidth, shortForm ? kShortHeight : kHeight);
  PaintFormGreen(this);

  WhiteText(this, QStringLiteral("選択中フォルダ"), 8, 6);
  QLabel* path = WhiteText(this, p_.pathLine, 16, 22, "FolderLbl");
  SetHint(path, p_.folder);
  nameEdit_ = new QLineEdit(p_.name, this);
  nameEdit_->setObjectName("NameEdit");
  nameEdit_->setGeometry(8, 40, 150, 20);
  nameEdit_->setReadOnly(root);
  auto button = [this](const char* name, const QString& text, const QRect& bounds) {
    return FormButton(this, name, text, bounds);
  };
  QPushButton* rename = button("HenkouBtn", QStringLiteral("名前を変更"), {162, 40, 68, 20});
  rename->setDefault(!root);
  rename->setEnabled(!root);
  connect(rename, &QPushButton::clicked, this, &TFolderForm::Rename);
  QPushButton* make = nullptr;
  if (!shortForm) {
    QPushButton* remove =
        button("DelBtn", QStringLiteral("上記フォルダを削除（空のみ削除可能）"), {8, 66, 222, 22});
    remove->setEnabled(!root);
    connect(remove, &QPushButton::clicked, this, [this] {
      if (p_.actions.remove()) accept();
    });
    make = button("MakeBtn", QStringLiteral("上記フォルダ内に、新しいフォルダを作成"),
                  {8, 92, 222, 22});
    connect(make, &QPushButton::clicked, this, [this] {
      if (p_.actions.makeFolder()) accept();
    });
  }
  const int closeTop = shortForm ? kShortCloseTop : 124;
  connect(button("TojiruBtn", QStringLiteral("閉じる"), {150, closeTop, 80, 22}),
          &QPushButton::clicked, this, &QDialog::reject);
  if (root && make != nullptr) {
    make->setDefault(true);
    make->setFocus();
    return;
  }
  nameEdit_->selectAll();
  nameEdit_->setFocus();
}

void TFolderForm::done(int result) {
  SwitchInputMethodOff();
  QDialog::done(result);
}

void TFolderForm::Rename() {
  if (p_.actions.rename(nameEdit_->text())) {
    accept();
  } else {
    nameEdit_->setFocus();
  }
}

}  // namespace kasumori::ui
