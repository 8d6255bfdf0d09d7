// SPDX-License-Identifier: GPL-3.0-or-later
// The non-modal help window makes way for a modal dialog.
#pragma once

#include <QObject>
#include <QPointer>

class QDialog;
class QWidget;

namespace kasumori::ui {

// Made with the dialog, before its controls: the help window, when it is open, is hidden while
// the dialog is built, and shown again when the dialog first becomes active and once the
// dialog has closed. It never takes the keyboard from the dialog. A help window that was not
// open stays closed. Owned by the dialog.
class HelpStepsAside final : public QObject {
 public:
  HelpStepsAside(QDialog& dialog, QWidget* help);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowHelpAgain();

  QPointer<QWidget> help_;
  bool wasOpen_ = false;
  bool activated_ = false;
};

}  // namespace kasumori::ui
