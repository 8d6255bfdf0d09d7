// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/widget_dialog_service.h"

#include "ui/common/message_form.h"

#include <QApplication>

#include <algorithm>

namespace kasumori::ui {

namespace {
// The area under a closed dialog is painted before the caller goes on.
void RepaintActiveWindow() {
  if (QWidget* active = QApplication::activeWindow()) active->repaint();
}

QStringList Captions(const platform::DialogService& dialogs, int k) {
  QStringList captions;
  for (int i = 1; i <= k; ++i) captions << dialogs.Choice(i);
  return captions;
}
}  // namespace

void WidgetDialogService::ShowNotice(std::uint8_t n) {
  const int lines = std::min<int>(n, kMaxLines);
  {
    TPrintForm form(owner_, VisibleLines(lines, kMaxLines), lines);
    form.exec();
  }
  RepaintActiveWindow();
}

int WidgetDialogService::AskConfirmation(std::uint8_t n) {
  const int lines = std::min<int>(n, 8);
  int result = 2;
  {
    TKakuninForm form(owner_, VisibleLines(lines, 8), lines);
    result = form.exec() == 1 ? 1 : 2;
  }
  RepaintActiveWindow();
  return result;
}

int WidgetDialogService::AskChoice(std::uint8_t n, std::uint8_t k) {
  const int lines = std::min<int>(n, 8);
  const int choices = std::min<int>(k, kMaxChoices);
  {
    TSelectForm form(owner_, VisibleLines(lines, 8), lines, Captions(*this, choices), choices);
    form.exec();
    DialogResult = form.Choice();
  }
  RepaintActiveWindow();
  return DialogResult;
}

}  // namespace kasumori::ui
