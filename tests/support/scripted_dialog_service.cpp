// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialog_service.h"

#include <algorithm>

namespace kasumori::platform {

namespace {
QStringList FirstLines(const DialogService& dialogs, int n, int limit) {
  QStringList lines;
  for (int i = 1; i <= std::min(n, limit); ++i) lines << dialogs.Line(i);
  return lines;
}
}  // namespace

void ScriptedDialogService::ShowNotice(std::uint8_t n) {
  Add({Kind::Notice, FirstLines(*this, n, kMaxLines), {}, 1});
}

int ScriptedDialogService::AskConfirmation(std::uint8_t n) {
  int answer = NextAnswer(2) == 1 ? 1 : 2;
  Add({Kind::Confirmation, FirstLines(*this, n, 8), {}, answer});
  return answer;
}

int ScriptedDialogService::AskChoice(std::uint8_t n, std::uint8_t k) {
  int shown = std::min<int>(k, kMaxChoices);
  QStringList choices;
  for (int i = 1; i <= shown; ++i) choices << Choice(i);
  int answer = NextAnswer(0);
  if (answer < 0 || answer > shown) answer = 0;
  DialogResult = answer;
  Add({Kind::Choice, FirstLines(*this, n, 8), choices, answer});
  return answer;
}

QString ScriptedDialogService::Text(std::size_t i) const {
  return i < records_.size() ? records_[i].lines.join('\n') : QString();
}

void ScriptedDialogService::Add(Record record) {
  records_.push_back(std::move(record));
  if (whenShown) whenShown(records_.back());
}

int ScriptedDialogService::NextAnswer(int fallback) {
  if (answers_.empty()) return fallback;
  int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace kasumori::platform
