// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog_service.h"

class QWidget;

namespace kasumori::ui {

// Shows the message lines in the program's own modal windows.
class WidgetDialogService final : public platform::DialogService {
 public:
  // The owner is the main window: dialogs centre on the active window, else on it.
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void ShowNotice(std::uint8_t n) override;
  int AskConfirmation(std::uint8_t n) override;
  int AskChoice(std::uint8_t n, std::uint8_t k) override;

 private:
  QWidget* owner_ = nullptr;
};

}  // namespace kasumori::ui
