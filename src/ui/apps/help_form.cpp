// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/apps/help_form.h"

#include "shell/placement.h"
#include "ui/common/fonts.h"
#include "ui/common/form_text.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QShortcut>

namespace kasumori::ui {

namespace {
const QColor kLightYellow(255, 255, 128);
}  // namespace

THelpForm::THelpForm(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("THelpForm"));
  setWindowTitle(QStringLiteral(
      "「Kasumori２」ヘルプ　「Kasumori２」をお使いいただいてありがとうございます。"));
  setFixedSize(676, 534);
  PaintFormGreen(this);
  BuildLabelPanel();
  helpMem_ = new QPlainTextEdit(this);
  helpMem_->setObjectName(QStringLiteral("HelpMem"));
  helpMem_->setGeometry(7, 35, 663, 492);
  helpMem_->setReadOnly(true);
  // Read only, but the keyboard still moves the caret and scrolls through the text.
  helpMem_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  helpMem_->setFont(ProportionalGothic(15));
  helpMem_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The keyboard table is a key, a tab and what the key does: one column for all the keys.
  helpMem_->setTabStopDistance(185);
  QPalette palette = helpMem_->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  helpMem_->setPalette(palette);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] {
    if (keyboardHelp) keyboardHelp();
  });
}

void THelpForm::BuildLabelPanel() {
  QWidget* labelPnl = ColourPanel(this, "LabelPnl", kLightYellow, {9, 5, 662, 26});
  helpLbl_ = new QLabel(labelPnl);
  helpLbl_->setObjectName(QStringLiteral("HelpLbl"));
  helpLbl_->setFont(ProportionalGothic(15, true));
  helpLbl_->setGeometry(6, 0, 590, 26);
  tojiruBtn_ = FormButton(labelPnl, "TojiruBtn", QStringLiteral("閉じる"), {601, 1, 59, 22});
  tojiruBtn_->setDefault(true);
  connect(tojiruBtn_, &QPushButton::clicked, this, &QWidget::close);
}

QString THelpForm::Heading() const { return helpLbl_->text(); }

void THelpForm::ShowText(const QString& heading, const QString& text) {
  helpLbl_->setText(heading);
  helpMem_->setPlainText(text);
  BringForward();
  QTextCursor caret = helpMem_->textCursor();
  caret.movePosition(QTextCursor::Start);
  helpMem_->setTextCursor(caret);
}

void THelpForm::BringForward() {
  if (isMinimized()) showNormal();
  if (!placed_) {
    placed_ = true;
    PlaceOnScreen(*this, mainWindow_);
  }
  show();
  // Wherever the user left it, the window comes back whole onto the screen.
  if (const QScreen* shownOn = screen()) {
    const QRect frame = frameGeometry();
    move(shell::PlaceDialog(frame, frame.size(), shownOn->geometry().size()));
  }
  raise();
  activateWindow();
}

void THelpForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) helpMem_->setFocus();
}

}  // namespace kasumori::ui
