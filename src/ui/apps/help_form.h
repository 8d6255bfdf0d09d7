// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: one help text under its heading, beside the main window and not modal.
#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kasumori::ui {

class THelpForm final : public QWidget {
  Q_OBJECT

 public:
  // Made hidden at start, owned by the main window.
  explicit THelpForm(QWidget* mainWindow);

  // F1 in the help window asks for the keyboard text, as it does in the windows behind it.
  std::function<void()> keyboardHelp;

  // Shows the text under the heading, with the caret at its start and nothing selected.
  void ShowText(const QString& heading, const QString& text);
  // Brings the window forward as it is, restored if it was minimised.
  void BringForward();
  QString Heading() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildLabelPanel();

  QWidget* mainWindow_;
  QLabel* helpLbl_ = nullptr;
  QPushButton* tojiruBtn_ = nullptr;
  QPlainTextEdit* helpMem_ = nullptr;
  bool placed_ = false;  // centred on the main window at its first showing only
};

}  // namespace kasumori::ui
