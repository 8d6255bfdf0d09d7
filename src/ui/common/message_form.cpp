// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/message_form.h"

#include "shell/placement.h"
#include "ui/common/fonts.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace kasumori::ui {

namespace {
constexpr int kLabelLeft = 12;
constexpr int kLabelTop = 10;
constexpr int kLineStep = 24;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 23;
const QColor kGreen(0, 128, 0);
}  // namespace

MessageForm::MessageForm(QWidget* owner, const QString& caption, int clientWidth, int labelCount)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      clientWidth_(clientWidth) {
  setWindowTitle(caption);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kGreen);
  setPalette(palette);
  setAutoFillBackground(true);
  for (int i = 1; i <= labelCount; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("M%1Lbl").arg(i));
    label->setFont(ProportionalGothic(16, true));
    label->setStyleSheet(QStringLiteral("color: white;"));
    label->move(kLabelLeft, kLabelTop + kLineStep * (i - 1));
    labels_ << label;
  }
}

void MessageForm::ShowLines(const QStringList& lines, int n, int buttonTopBase, int heightBase) {
  for (int i = 0; i < labels_.size(); ++i) {
    labels_[i]->setText(i < n && i < lines.size() ? lines[i] : QString());
    labels_[i]->adjustSize();
  }
  const int buttonTop = n * kLineStep + buttonTopBase;
  for (QPushButton* button : buttons_) button->move(button->x(), buttonTop);
  setFixedSize(clientWidth_, n * kLineStep + heightBase);
}

QPushButton* MessageForm::AddButton(const QString& objectName, const QString& text, int left,
                                    int fontPx) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(objectName);
  button->setFont(ProportionalGothic(fontPx));
  button->setGeometry(left, 0, kButtonWidth, kButtonHeight);
  buttons_ << button;
  return button;
}

void MessageForm::PlaceOver(const QWidget* owner) {
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  QSize outer = frame.isValid() ? frame.size() : size();
  QRect ownerRect = owner ? owner->frameGeometry() : screen->geometry();
  move(shell::PlaceDialog(ownerRect, outer, screen->geometry().size()));
}

void MessageForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  QWidget* owner = QApplication::activeWindow();
  if (!owner || owner == this) owner = parentWidget();
  PlaceOver(owner ? owner->window() : nullptr);
}

void MessageForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Paint at once when active, before any input is handled.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) repaint();
}

TPrintForm::TPrintForm(QWidget* owner, const QStringList& lines, int n)
    : MessageForm(owner, QStringLiteral("Kasumori２"), 443, 12) {
  QPushButton* close = AddButton(QStringLiteral("TojiruBtn"), QStringLiteral("閉じる"), 368, 13);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, [this] { done(1); });
  ShowLines(lines, n, 11, 40);
}

TKakuninForm::TKakuninForm(QWidget* owner, const QStringList& lines, int n)
    : MessageForm(owner, QStringLiteral("確認"), 442, 8) {
  QPushButton* yes = AddButton(QStringLiteral("HaiBtn"), QStringLiteral("はい"), 295, 13);
  QPushButton* no = AddButton(QStringLiteral("IieBtn"), QStringLiteral("いいえ"), 368, 13);
  connect(yes, &QPushButton::clicked, this, [this] { done(1); });
  connect(no, &QPushButton::clicked, this, [this] { done(2); });
  setTabOrder(yes, no);
  yes->setFocus();
  ShowLines(lines, n, 10, 38);
  // Keys reach the window before its buttons do.
  installEventFilter(this);
  yes->installEventFilter(this);
  no->installEventFilter(this);
}

void TKakuninForm::done(int result) { QDialog::done(result == 1 ? 1 : 2); }

bool TKakuninForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Y) {
    Buttons()[0]->setFocus();
    done(1);
    return true;
  }
  if (key == Qt::Key_N || key == Qt::Key_Escape) {
    Buttons()[1]->setFocus();
    done(2);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

TSelectForm::TSelectForm(QWidget* owner, const QStringList& lines, int n,
                         const QStringList& choices, int k)
    : MessageForm(owner, QStringLiteral("選択"), 387, 8) {
  static constexpr int kLefts[5] = {309, 237, 165, 93, 21};
  QPushButton* highest = nullptr;
  for (int i = 1; i <= 5; ++i) {
    QPushButton* button = AddButton(QStringLiteral("S%1Btn").arg(i), QString(), kLefts[i - 1], 12);
    connect(button, &QPushButton::clicked, this, [this, i] {
      choice_ = i;
      done(1);
    });
    const bool shown = i <= k;
    button->setVisible(shown);
    if (shown) {
      button->setText(i - 1 < choices.size() ? choices[i - 1] : QString());
      highest = button;
    }
  }
  // S5 first in tab order, S1 last.
  for (int i = 5; i > 1; --i) setTabOrder(Buttons()[i - 1], Buttons()[i - 2]);
  if (highest) highest->setFocus();
  ShowLines(lines, n, 11, 41);
}

}  // namespace kasumori::ui
