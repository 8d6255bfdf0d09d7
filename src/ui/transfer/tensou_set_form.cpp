// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/tensou_set_form.h"

#include "ui/common/form_text.h"
#include "ui/common/help_steps_aside.h"
#include "ui/common/kasumori_style.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace kasumori::ui {
namespace {

constexpr int kRowHeight = 28;

QString Shown(const QString& value, const char16_t* placeholder) {
  return value.isEmpty() ? QString::fromUtf16(placeholder) : value;
}

QString Numbered(const char* name, int slot) { return QString::fromLatin1(name).arg(slot); }

}  // namespace

TTensouSetForm::TTensouSetForm(QWidget* owner, const config::Settings& settings,
                               platform::PickerService& picker, QWidget* help)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      picker_(picker) {
  new HelpStepsAside(*this, help);
  setObjectName("TTensouSetForm");
  setWindowTitle(QStringLiteral("転送デジタルカメラ（またはカードリーダーなど）の設定"));
  setFixedSize(604, 168);
  PaintFormGreen(this);
  QPushButton* cancel =
      FormButton(this, "CancelBtn", QStringLiteral("キャンセル"), {436, 136, 76, 24});
  QPushButton* decide = FormButton(this, "KetteiBtn", QStringLiteral("決定"), {520, 136, 76, 24});
  decide->setDefault(true);
  decide_ = decide;
  for (int slot = 1; slot <= transfer::kCameraSlots; ++slot) {
    MakeRow(slot, transfer::CameraOf(settings, slot));
  }
  const QString hint = QStringLiteral(
      "※デジタルカメラをつないだときにドライブとして認識されないタイプのデジタルカメラでは、この機"
      "能"
      "（デジカメ転送）は利用できません。");
  SetHint(WhiteText(this,
                    QStringLiteral(
                        "デジタルカメラをつないで写真の入っているフォルダを指定してください。"),
                    8, 96),
          hint);
  SetHint(
      WhiteText(this,
                QStringLiteral(
                    "カメラ名は自由に決められます。カメラ以外の機器やＰＣのフォルダでもＯＫです。"),
                8, 114),
      hint);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(decide, &QPushButton::clicked, this, &QDialog::accept);
}

void TTensouSetForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceOnScreen(*this, parentWidget());
}

void TTensouSetForm::MakeRow(int slot, const transfer::CameraSlot& camera) {
  const int top = 8 + (slot - 1) * kRowHeight;
  WhiteText(this, QStringLiteral("デジタルカメラ") + QChar(u'０' + slot), 8, top + 3);
  Row& row = rows_[std::size_t(slot - 1)];
  row.name = new QLineEdit(Shown(camera.name, transfer::kNoCameraName), this);
  row.name->setObjectName(Numbered("Camera%1Edit", slot));
  row.name->setMaxLength(transfer::kCameraNameLength);
  row.name->setGeometry(104, top, 150, 20);
  row.folder = new QLineEdit(Shown(camera.folder, transfer::kNoCameraFolder), this);
  row.folder->setObjectName(Numbered("Folder%1Edit", slot));
  row.folder->setReadOnly(true);
  row.folder->setGeometry(310, top, 200, 20);
  const QByteArray clearName = Numbered("ClearN%1Btn", slot).toLatin1();
  const QByteArray clearFolder = Numbered("Clear%1Btn", slot).toLatin1();
  const QByteArray pick = Numbered("Folder%1Btn", slot).toLatin1();
  auto* clearN =
      FormButton(this, clearName.constData(), QStringLiteral("クリア"), {258, top, 46, 20});
  auto* clear =
      FormButton(this, clearFolder.constData(), QStringLiteral("クリア"), {514, top, 46, 20});
  // The picture on the folder button: the desktop's own folder icon.
  auto* picker = FormButton(this, pick.constData(), QString(), {564, top, 32, 20});
  picker->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  connect(clearN, &QPushButton::clicked, this, [&row] {
    row.name->clear();
    row.name->setFocus();
  });
  connect(clear, &QPushButton::clicked, this, [this, &row] {
    row.folder->setText(QString::fromUtf16(transfer::kNoCameraFolder));
    decide_->setFocus();
  });
  connect(picker, &QPushButton::clicked, this, [this, slot] { PickFolder(slot); });
}

void TTensouSetForm::PickFolder(int slot) {
  decide_->setFocus();
  Row& row = rows_[std::size_t(slot - 1)];
  const QString title = QStringLiteral("「デジタルカメラ(%1)」のフォルダを設定").arg(slot);
  const auto folder = picker_.PickFolder(title, QStringLiteral("/"));
  if (!folder) return;
  row.folder->setText(*folder);
  const transfer::CameraSlot camera = Camera(slot);
  if (row.name->text().isEmpty() || row.name->text() == QStringView(transfer::kNoCameraName)) {
    row.name->setText(camera.name);
  }
}

transfer::CameraSlot TTensouSetForm::Camera(int slot) const {
  const Row& row = rows_[std::size_t(slot - 1)];
  return transfer::NormalisedCamera(row.name->text(), row.folder->text());
}

void TTensouSetForm::StoreInto(config::Settings& settings) const {
  for (int slot = 1; slot <= transfer::kCameraSlots; ++slot) {
    transfer::SetCamera(settings, slot, Camera(slot));
  }
}

}  // namespace kasumori::ui
