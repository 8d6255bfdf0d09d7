// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_service.h"

namespace kasumori::platform {

namespace {
template <typename Lines>
std::uint8_t WriteLines(DialogService& dialogs, const Lines& lines) {
  int i = 1;
  for (const QString& text : lines) {
    if (i > DialogService::kMaxLines) break;
    dialogs.Line(i++) = text;
  }
  return static_cast<std::uint8_t>(i - 1);
}
}  // namespace

void DialogService::Notice(std::initializer_list<QString> lines) {
  ShowNotice(WriteLines(*this, lines));
}

void DialogService::Notice(const QStringList& lines) { ShowNotice(WriteLines(*this, lines)); }

bool DialogService::Confirm(std::initializer_list<QString> lines) {
  return AskConfirmation(WriteLines(*this, lines)) == 1;
}

bool DialogService::Confirm(const QStringList& lines) {
  return AskConfirmation(WriteLines(*this, lines)) == 1;
}

QStringList DialogService::VisibleLines(int n, int windowLines) const {
  QStringList shown;
  for (int i = 1; i <= windowLines; ++i) shown << (i <= n ? Line(i) : QString());
  return shown;
}

}  // namespace kasumori::platform
