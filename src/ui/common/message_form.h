// SPDX-License-Identifier: GPL-3.0-or-later
// What the notice, confirmation and choice windows share: a fixed-size green window with white
// bold lines at 24-pixel steps and one row of buttons below the lines shown.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;

namespace kasumori::ui {

class MessageForm : public QDialog {
  Q_OBJECT

 public:
  // The dialog's position for an owner's outer rectangle: centred on it, kept on the screen.
  void PlaceOver(const QWidget* owner);

 protected:
  MessageForm(QWidget* owner, const QString& caption, int clientWidth, int labelCount);

  // Fills the labels (a line above n shows empty), and sizes the window for n lines.
  void ShowLines(const QStringList& lines, int n, int buttonTopBase, int heightBase);
  QPushButton* AddButton(const QString& objectName, const QString& text, int left, int fontPx);
  const QList<QPushButton*>& Buttons() const { return buttons_; }

  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int clientWidth_;
  QList<QLabel*> labels_;
  QList<QPushButton*> buttons_;
};

// The notice: lines 1..12 and "閉じる".
class TPrintForm final : public MessageForm {
  Q_OBJECT
 public:
  TPrintForm(QWidget* owner, const QStringList& lines, int n);
};

// The yes/no question: lines 1..8, "はい" (1) and "いいえ" (2). Y and N answer directly.
class TKakuninForm final : public MessageForm {
  Q_OBJECT
 public:
  TKakuninForm(QWidget* owner, const QStringList& lines, int n);
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The choice: lines 1..8 and up to five buttons, choice 1 right-most. Result 0..5.
class TSelectForm final : public MessageForm {
  Q_OBJECT
 public:
  TSelectForm(QWidget* owner, const QStringList& lines, int n, const QStringList& choices, int k);
  int Choice() const { return choice_; }

 private:
  int choice_ = 0;
};

}  // namespace kasumori::ui
