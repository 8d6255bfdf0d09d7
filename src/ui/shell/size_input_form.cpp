// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/size_input_form.h"

#include "ui/common/fonts.h"
#include "ui/common/form_text.h"
#include "ui/shell/main_panels.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kasumori::ui {

namespace {

constexpr shell::LayoutChoice kChoiceOrder[5] = {
    shell::LayoutChoice::Automatic, shell::LayoutChoice::For480, shell::LayoutChoice::For640,
    shell::LayoutChoice::For800, shell::LayoutChoice::For1024};

}  // namespace

TSizeInputForm::TSizeInputForm(QWidget* owner, platform::DialogService& dialogs,
                               config::WindowSizeMode windowSizeMode, int customWidth,
                               int customHeight, std::optional<Reference> reference)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs),
      reference_(reference) {
  setObjectName("TSizeInputForm");
  setWindowTitle(QStringLiteral("任意のサイズ"));
  setFixedSize(174, 242);
  PaintFormGreen(this);

  const bool zoom = reference && reference->zoomMode;
  WhiteText(
      this,
      zoom ? QStringLiteral("現在の写真表示サイズ") : QStringLiteral("表示中写真の原寸サイズ"), 8,
      4, "GensunMidashiLbl");
  WhiteText(this,
            reference
                ? QStringLiteral("%1x%2").arg(reference->size.width()).arg(reference->size.height())
                : QStringLiteral("（未表示）"),
            20, 18, "GensunLbl");
  keepChk_ = new QCheckBox(this);
  keepChk_->setObjectName("KeepChk");
  keepChk_->setGeometry(8, 36, 14, 14);
  keepChk_->setChecked(reference.has_value());
  keepChk_->setEnabled(reference.has_value());
  keepLbl_ = WhiteText(this, QStringLiteral("縦横比を保つ"), 24, 36, "KeepLbl");
  keepLbl_->installEventFilter(this);
  connect(keepChk_, &QCheckBox::clicked, this, [this] { widthEdit_->setFocus(); });

  BuildSizeFields(customWidth, customHeight);
  BuildLayoutChoice(windowSizeMode);

  QPushButton* cancel =
      FormButton(this, "CancelBtn", QStringLiteral("キャンセル"), {8, 220, 76, 20});
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ketteiBtn_ = FormButton(this, "KetteiBtn", QStringLiteral("決定"), {90, 220, 76, 20});
  ketteiBtn_->setDefault(true);
  connect(ketteiBtn_, &QPushButton::clicked, this, &TSizeInputForm::Decide);
  widthEdit_->setFocus();
}

void TSizeInputForm::BuildSizeFields(int customWidth, int customHeight) {
  WhiteText(this, QStringLiteral("横サイズ"), 8, 56);
  WhiteText(this, QStringLiteral("（32～1024まで）"), 60, 56);
  widthEdit_ = new QLineEdit(QString::number(customWidth == 0 ? 800 : customWidth), this);
  widthEdit_->setObjectName("WidthEdit");
  widthEdit_->setGeometry(8, 70, 80, 20);
  WhiteText(this, QStringLiteral("縦サイズ"), 8, 96);
  WhiteText(this, QStringLiteral("（32～768まで）"), 60, 96);
  heightEdit_ = new QLineEdit(QString::number(customHeight), this);
  heightEdit_->setObjectName("HeightEdit");
  heightEdit_->setGeometry(8, 110, 80, 20);
  for (QLineEdit* field : {widthEdit_, heightEdit_}) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(field, &QLineEdit::textChanged, this, [this, field] { FieldChanged(field); });
  }
  QPushButton* wClear = FormButton(this, "WClearBtn", QStringLiteral("クリア"), {96, 70, 50, 20});
  QPushButton* hClear = FormButton(this, "HClearBtn", QStringLiteral("クリア"), {96, 110, 50, 20});
  connect(wClear, &QPushButton::clicked, this, [this] { Clear(widthEdit_); });
  connect(hClear, &QPushButton::clicked, this, [this] { Clear(heightEdit_); });
}

void TSizeInputForm::BuildLayoutChoice(config::WindowSizeMode windowSizeMode) {
  WhiteText(this, QStringLiteral("Kasumori２Windowの大きさ"), 8, 136);
  static const char* const kNames[5] = {"WinAutoBtn", "Win480Btn", "Win640Btn", "Win800Btn",
                                        "Win1024Btn"};
  static const char* const kCaptions[5] = {" 自動決定", " 480x360表示用", " 640x480表示用",
                                           " 800x600表示用", "1024x768表示用"};
  const auto initial = shell::InitialLayoutChoice(windowSizeMode);
  for (int i = 0; i < 5; ++i) {
    choices_[i] = new QRadioButton(QString::fromUtf8(kCaptions[i]), this);
    choices_[i]->setObjectName(QLatin1String(kNames[i]));
    choices_[i]->setFont(ProportionalGothic(12));
    choices_[i]->setStyleSheet(QStringLiteral("color: white;"));
    choices_[i]->setGeometry(12, 150 + 14 * i, 150, 14);
    choices_[i]->setChecked(initial == kChoiceOrder[i]);
    connect(choices_[i], &QRadioButton::clicked, this, [this] { ketteiBtn_->setFocus(); });
  }
}

bool TSizeInputForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == keepLbl_ && event->type() == QEvent::MouseButtonPress && keepChk_->isEnabled()) {
    keepChk_->toggle();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TSizeInputForm::FieldChanged(QLineEdit* field) {
  if (deriving_) return;
  deriving_ = true;
  const int value = shell::FieldNumber(field->text());
  if (value == 0 && field->text() != QStringLiteral("0")) field->setText(QStringLiteral("0"));
  if (reference_ && keepChk_->isChecked()) {
    const bool width = field == widthEdit_;
    QLineEdit* other = width ? heightEdit_ : widthEdit_;
    const QSize ref = reference_->size;
    const int derived = width ? shell::ProportionalSide(value, ref.width(), ref.height(),
                                                        shell::FieldNumber(other->text()))
                              : shell::ProportionalSide(value, ref.height(), ref.width(),
                                                        shell::FieldNumber(other->text()));
    other->setText(QString::number(derived));
  }
  deriving_ = false;
}

void TSizeInputForm::Clear(QLineEdit* field) {
  field->setText(QStringLiteral("0"));
  FieldChanged(field);
  field->setFocus();
}

int TSizeInputForm::ChosenWidth() const { return shell::FieldNumber(widthEdit_->text()); }
int TSizeInputForm::ChosenHeight() const { return shell::FieldNumber(heightEdit_->text()); }

shell::LayoutChoice TSizeInputForm::ChosenLayout() const {
  for (int i = 0; i < 5; ++i) {
    if (choices_[i]->isChecked()) return kChoiceOrder[i];
  }
  // No button is checked for a mode without a matching one: the size then picks its layout.
  return shell::LayoutChoice::Automatic;
}

void TSizeInputForm::Decide() {
  const shell::SizeCheck check =
      shell::CheckCustomSize(ChosenWidth(), ChosenHeight(), ChosenLayout());
  shell::ReportSizeCheck(check, dialogs_);
  if (check == shell::SizeCheck::OutOfRange) widthEdit_->setFocus();
  if (check == shell::SizeCheck::Accepted) accept();
}

}  // namespace kasumori::ui
