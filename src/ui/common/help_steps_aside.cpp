// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/help_steps_aside.h"

#include <QDialog>
#include <QEvent>

namespace kasumori::ui {

HelpStepsAside::HelpStepsAside(QDialog& dialog, QWidget* help) : QObject(&dialog), help_(help) {
  wasOpen_ = help != nullptr && help->isVisible();
  if (!wasOpen_) return;
  help->hide();
  dialog.installEventFilter(this);
  connect(&dialog, &QDialog::finished, this, [this] { ShowHelpAgain(); });
}

bool HelpStepsAside::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activated_) {
    activated_ = true;
    ShowHelpAgain();
    // Where the window system activates every window it shows, the dialog takes the keyboard
    // back.
    if (auto* dialog = qobject_cast<QDialog*>(watched)) dialog->activateWindow();
  }
  return QObject::eventFilter(watched, event);
}

void HelpStepsAside::ShowHelpAgain() {
  if (!help_ || help_->isVisible()) return;
  const bool quiet = help_->testAttribute(Qt::WA_ShowWithoutActivating);
  help_->setAttribute(Qt::WA_ShowWithoutActivating, true);
  help_->show();
  help_->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}

}  // namespace kasumori::ui
