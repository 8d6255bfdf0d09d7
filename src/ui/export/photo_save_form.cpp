// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/export/photo_save_form.h"

#include "ui/common/fonts.h"
#include "ui/common/form_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace kasumori::ui {

namespace {

using exporting::SaveFormat;
using exporting::SaveOptions;

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 126;

QLabel* BoldText(QWidget* parent, const QString& text, int left, int top, const char* name) {
  QLabel* label = WhiteText(parent, text, left, top, name);
  label->setFont(ProportionalGothic(12, true));
  label->adjustSize();
  return label;
}

template <typename Box>
Box* Indicator(QWidget* parent, const char* name, int left, int top) {
  auto* box = new Box(parent);
  box->setObjectName(QLatin1String(name));
  box->setGeometry(left, top, 16, 16);
  return box;
}

}  // namespace

TPhotoSaveForm::TPhotoSaveForm(QWidget* owner, const SaveOptions& options)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("TPhotoSaveForm");
  setWindowTitle(QStringLiteral("表示されている状態で写真を保存"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(ProportionalGothic(12));
  PaintFormGreen(this);
  BuildJpegRow();
  BuildBmpRow();
  BuildChecks();
  BuildButtons();
  auto* formats = new QButtonGroup(this);
  formats->addButton(jpegBtn_);
  formats->addButton(bmpBtn_);
  for (QLabel* label : {jpegLbl_, bmpLbl_, bmpLbl2_, exifLbl_, upperLbl_})
    label->installEventFilter(this);
  jpegQBar_->installEventFilter(this);
  for (QAbstractButton* control :
       std::initializer_list<QAbstractButton*>{jpegBtn_, bmpBtn_, exifChk_, upperChk_}) {
    connect(control, &QAbstractButton::clicked, this, &TPhotoSaveForm::FocusKettei);
  }
  Show(options);
  ketteiBtn_->setFocus();
}

void TPhotoSaveForm::BuildJpegRow() {
  jpegBtn_ = Indicator<QRadioButton>(this, "JpegBtn", 10, 9);
  jpegLbl_ = BoldText(this, QStringLiteral("JPEG保存"), 30, 9, "JpegLbl");
  gashitsuLbl_ = WhiteText(this, exporting::QualityStepText(8), 30, 34, "GashitsuLbl");
  WhiteText(this, QStringLiteral("高圧縮"), 92, 34);
  jpegQBar_ = new QSlider(Qt::Horizontal, this);
  jpegQBar_->setObjectName("JpegQBar");
  jpegQBar_->setRange(exporting::kMinQualityStep, exporting::kMaxQualityStep);
  jpegQBar_->setPageStep(1);
  jpegQBar_->setTickPosition(QSlider::TicksAbove);
  jpegQBar_->setTickInterval(1);
  jpegQBar_->setGeometry(132, 28, 150, 26);
  WhiteText(this, QStringLiteral("高画質"), 288, 34);
  connect(jpegQBar_, &QSlider::valueChanged, this, [this](int step) {
    gashitsuLbl_->setText(exporting::QualityStepText(step));
    gashitsuLbl_->adjustSize();
  });
}

void TPhotoSaveForm::BuildBmpRow() {
  bmpBtn_ = Indicator<QRadioButton>(this, "BmpBtn", 10, 60);
  bmpLbl_ = BoldText(this, QStringLiteral("BMP保存"), 30, 60, "BmpLbl");
  bmpLbl2_ = WhiteText(this, QStringLiteral("（非圧縮）"), 92, 60, "BmpLbl2");
}

void TPhotoSaveForm::BuildChecks() {
  exifChk_ = Indicator<QCheckBox>(this, "ExifChk", 10, 80);
  exifLbl_ = WhiteText(this, QStringLiteral("Exif情報を添付"), 30, 80, "ExifLbl");
  upperChk_ = Indicator<QCheckBox>(this, "DaimojiChk", 170, 80);
  upperLbl_ = WhiteText(this, QStringLiteral("拡張子を大文字"), 190, 80, "DaimojiLbl");
  const QString hint = QStringLiteral("ここをチェックすると、拡張子を大文字にして保存します。");
  upperChk_->setToolTip(hint);
  upperLbl_->setToolTip(hint);
}

void TPhotoSaveForm::BuildButtons() {
  QPushButton* suishou =
      FormButton(this, "SuishouBtn", QStringLiteral("推奨設定"), {8, 99, 75, 23});
  connect(suishou, &QPushButton::clicked, this, [this] {
    Show(exporting::kRecommendedOptions);
    FocusKettei();
  });
  QPushButton* cancel =
      FormButton(this, "CancelBtn", QStringLiteral("キャンセル"), {178, 99, 75, 23});
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ketteiBtn_ = FormButton(this, "KetteiBtn", QStringLiteral("決定"), {258, 99, 75, 23});
  ketteiBtn_->setDefault(true);
  connect(ketteiBtn_, &QPushButton::clicked, this, &QDialog::accept);
}

void TPhotoSaveForm::Show(const SaveOptions& options) {
  (options.format == SaveFormat::Bmp ? bmpBtn_ : jpegBtn_)->setChecked(true);
  jpegQBar_->setValue(options.qualityStep);
  gashitsuLbl_->setText(exporting::QualityStepText(options.qualityStep));
  gashitsuLbl_->adjustSize();
  exifChk_->setChecked(options.withExif);
  upperChk_->setChecked(options.upperCaseExt);
}

SaveOptions TPhotoSaveForm::Options() const {
  return {bmpBtn_->isChecked() ? SaveFormat::Bmp : SaveFormat::Jpeg, jpegQBar_->value(),
          exifChk_->isChecked(), upperChk_->isChecked()};
}

void TPhotoSaveForm::FocusKettei() { ketteiBtn_->setFocus(); }

bool TPhotoSaveForm::eventFilter(QObject* watched, QEvent* event) {
  // The bar never keeps the focus: a click or a drag sets its value and leaves "決定" focused.
  if (watched == jpegQBar_) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease) {
      FocusKettei();
    }
    return false;
  }
  if (event->type() != QEvent::MouseButtonPress) return false;
  if (watched == jpegLbl_) jpegBtn_->setChecked(true);
  if (watched == bmpLbl_ || watched == bmpLbl2_) bmpBtn_->setChecked(true);
  if (watched == exifLbl_) exifChk_->toggle();
  if (watched == upperLbl_) upperChk_->toggle();
  FocusKettei();
  return true;
}

void TPhotoSaveForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceOnScreen(*this, parentWidget());
}

}  // namespace kasumori::ui
