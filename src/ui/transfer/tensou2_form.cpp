// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/tensou2_form.h"

#include "ui/common/fonts.h"
#include "ui/common/form_text.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace kasumori::ui {

TTensou2Form::TTensou2Form(QWidget* owner, const library::FileOpsContext& files,
                           transfer::TransferJob job)
    : TTensou2Form(owner, files, std::move(job), {copyTimer_, captionTimer_}) {}

TTensou2Form::TTensou2Form(QWidget* owner, const library::FileOpsContext& files,
                           transfer::TransferJob job, Tickers tickers)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("TTensou2Form");
  setFixedSize(362, 91);
  PaintFormGreen(this);
  maisuLbl_ = WhiteText(this, QString(), 12, 8, "MaisuLbl");
  maisuLbl_->setFont(ProportionalGothic(15));
  maisuLbl_->setFixedSize(340, 20);
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("ProgressBar");
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  progressBar_->setGeometry(12, 30, 338, 16);
  WhiteText(this, QStringLiteral("「ESC」キーでも、途中で転送をキャンセルできます。"), 12, 60);
  QPushButton* cancel =
      FormButton(this, "CancelBtn", QStringLiteral("キャンセル"), {274, 56, 76, 24});
  connect(cancel, &QPushButton::clicked, this, &TTensou2Form::reject);
  transfer::TransferHooks hooks;
  hooks.changed = [this] { ShowTexts(); };
  hooks.busyCursor = [this](bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    busy ? QApplication::setOverrideCursor(Qt::BusyCursor) : QApplication::restoreOverrideCursor();
  };
  // Closing from inside a tick would end the dialog's loop under the engine's feet.
  // A window already closed by the cancel button keeps its answer.
  hooks.finished = [this] {
    QTimer::singleShot(0, this, [this] {
      if (isVisible()) accept();
    });
  };
  engine_ = std::make_unique<transfer::TransferEngine>(
      transfer::TransferDeps{files, tickers.copy, tickers.caption}, std::move(job),
      std::move(hooks));
  ShowTexts();
}

TTensou2Form::~TTensou2Form() = default;

void TTensou2Form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceOnScreen(*this, parentWidget());
  if (begun_) return;
  begun_ = true;
  engine_->Begin();
}

// The cancel button and Esc: no further file is copied and the window goes at once.
void TTensou2Form::reject() {
  repaint();
  engine_->Cancel();
  QDialog::reject();
}

void TTensou2Form::ShowTexts() {
  setWindowTitle(engine_->Caption());
  maisuLbl_->setText(engine_->CountText());
  progressBar_->setValue(engine_->Progress());
  repaint();
}

}  // namespace kasumori::ui
