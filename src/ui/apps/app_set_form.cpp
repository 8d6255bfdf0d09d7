// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/apps/app_set_form.h"

#include "ui/common/fonts.h"
#include "ui/common/form_text.h"
#include "ui/common/help_steps_aside.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace kasumori::ui {

namespace {
constexpr int kRowHeight = 32;
QString Numbered(const char* name, int slot) { return QString::fromLatin1(name).arg(slot); }
}  // namespace

TAppSetForm::TAppSetForm(QWidget* owner, const config::Settings& settings, AppFolders folders,
                         platform::PickerService& picker, QWidget* help)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      folders_(std::move(folders)),
      picker_(picker) {
  new HelpStepsAside(*this, help);
  setObjectName(QStringLiteral("TAppSetForm"));
  setWindowTitle(QStringLiteral("アプリケーションの設定"));
  setFixedSize(287, 168);
  PaintFormGreen(this);
  for (int slot = 1; slot <= apps::kAppSlotCount; ++slot) {
    paths_[std::size_t(slot - 1)] = apps::AppPath(settings, slot);
    MakeRow(slot);
  }
  MakeFooter();
}

void TAppSetForm::MakeRow(int slot) {
  const int top = 8 + (slot - 1) * kRowHeight;
  WhiteText(this, QStringLiteral("アプリケーション") + QChar(u'０' + slot), 8, top + 3);
  QLineEdit* field = new QLineEdit(this);
  field->setObjectName(Numbered("App%1Edit", slot));
  field->setReadOnly(true);
  field->setFont(ProportionalGothic(12));
  field->setGeometry(118, top, 90, 20);
  fields_[std::size_t(slot - 1)] = field;
  field->setText(apps::AppFieldText(paths_[std::size_t(slot - 1)]));
  const QByteArray clearName = Numbered("Clear%1Btn", slot).toLatin1();
  QPushButton* clear =
      FormButton(this, clearName.constData(), QStringLiteral("クリア"), {212, top, 42, 20});
  clear->setAutoDefault(false);
  connect(clear, &QPushButton::clicked, this, [this, slot] { Choose(slot, QString()); });
  const QByteArray folderName = Numbered("FolderBtn%1", slot).toLatin1();
  QPushButton* folder = FormButton(this, folderName.constData(), QString(), {258, top, 22, 20});
  folder->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  folder->setAutoDefault(false);
  connect(folder, &QPushButton::clicked, this, [this, slot] { Pick(slot); });
}

void TAppSetForm::MakeFooter() {
  allUserChk_ = new QCheckBox(QStringLiteral("AllUsersから選択"), this);
  allUserChk_->setObjectName(QStringLiteral("AllUserChk"));
  allUserChk_->setFont(ProportionalGothic(12));
  allUserChk_->setStyleSheet(QStringLiteral("color: white"));
  allUserChk_->setChecked(true);
  allUserChk_->setGeometry(8, 106, 200, 20);
  allUserChk_->setToolTip(QStringLiteral(
      "チェックしていると、システム全体にインストールされたソフトから選択します。チェックを外す"
      "と、ユーザー個別にインストールしたソフトから選択できます。"));
  connect(allUserChk_, &QCheckBox::toggled, this, [this] { lastPicked_.clear(); });
  QPushButton* cancel =
      FormButton(this, "CancelBtn", QStringLiteral("キャンセル"), {124, 136, 76, 24});
  QPushButton* decide = FormButton(this, "KetteiBtn", QStringLiteral("決定"), {204, 136, 76, 24});
  decide->setDefault(true);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(decide, &QPushButton::clicked, this, &QDialog::accept);
}

void TAppSetForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceOnScreen(*this, parentWidget());
}

void TAppSetForm::Choose(int slot, const QString& path) {
  paths_[std::size_t(slot - 1)] = path;
  fields_[std::size_t(slot - 1)]->setText(apps::AppFieldText(path));
}

// The entry file itself is registered: it is read again each time the application starts, so
// an update of the application that changes its command line is followed.
void TAppSetForm::Pick(int slot) {
  const QString folder = allUserChk_->isChecked() ? folders_.allUsers : folders_.user;
  const auto picked = picker_.PickOpenFile(
      QStringLiteral("アプリケーションのショートカットを選択してください"),
      lastPicked_.isEmpty() ? folder : lastPicked_,
      QStringLiteral(
          "アプリケーションのショートカット（.desktop） (*.desktop);;すべてのファイル (*)"));
  if (!picked || !QFileInfo(*picked).isFile()) return;
  lastPicked_ = *picked;
  Choose(slot, *picked);
}

void TAppSetForm::StoreInto(config::Settings& settings) const {
  for (int slot = 1; slot <= apps::kAppSlotCount; ++slot) {
    apps::AppPath(settings, slot) = paths_[std::size_t(slot - 1)];
  }
}

}  // namespace kasumori::ui
