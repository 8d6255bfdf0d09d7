// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/rename_form.h"

#include "library/fileops/photo_commands.h"
#include "ui/common/fonts.h"
#include "ui/common/form_text.h"
#include "ui/shell/main_panels.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kasumori::ui {

RenameFormTexts PhotoRenameTexts() {
  return {QStringLiteral("表示中写真のファイル名を変更"), QStringLiteral("元のファイル名"),
          QStringLiteral("新しいファイル名"), true};
}

RenameFormTexts FavouriteRenameTexts() {
  return {QStringLiteral("お気に入り写真の「お気に入り名」を変更"),
          QStringLiteral("元のお気に入り名"), QStringLiteral("新しいお気に入り名"), false};
}

TRenameForm::TRenameForm(QWidget* owner, platform::DialogService& dialogs, const QString& oldName,
                         const RenameFormTexts& texts)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs) {
  setObjectName("TRenameForm");
  setWindowTitle(texts.caption);
  setFixedSize(284, 113);
  PaintFormGreen(this);
  WhiteText(this, texts.oldLabel, 8, 6);
  WhiteText(this, oldName, 16, 22)->setObjectName("OldNameLbl");
  WhiteText(this, texts.newLabel, 8, 40);
  if (texts.extensionHint) WhiteText(this, QStringLiteral("（拡張子は省略できます）"), 110, 40);
  edit_ = new QLineEdit(oldName, this);
  edit_->setObjectName("NewNameEdit");
  edit_->setGeometry(8, 56, 210, 20);
  auto button = [this](const char* name, const QString& text, const QRect& bounds) {
    return FormButton(this, name, text, bounds);
  };
  QPushButton* clear = button("ClearBtn", QStringLiteral("クリア"), {224, 56, 52, 20});
  QPushButton* cancel = button("CancelBtn", QStringLiteral("キャンセル"), {120, 86, 76, 20});
  QPushButton* decide = button("KetteiBtn", QStringLiteral("決定"), {200, 86, 76, 20});
  decide->setDefault(true);
  connect(clear, &QPushButton::clicked, this, [this] {
    edit_->clear();
    edit_->setFocus();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(decide, &QPushButton::clicked, this, [this] {
    if (library::AcceptTypedName(dialogs_, edit_->text())) {
      accept();
    } else {
      edit_->setFocus();
    }
  });
  edit_->setFocus();
}

QString TRenameForm::TypedName() const { return edit_->text(); }

void TRenameForm::done(int result) {
  SwitchInputMethodOff();
  QDialog::done(result);
}

}  // namespace kasumori::ui
