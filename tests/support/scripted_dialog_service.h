// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog_service.h"

#include <deque>
#include <functional>
#include <vector>

namespace kasumori::platform {

// A dialog service that shows nothing: it records every dialog with the lines it would have
// shown and answers from a queue the caller fills. Tests and benchmarks use it wherever logic
// runs without windows; it lives in the test kit so that the program can never end up with it.
class ScriptedDialogService final : public DialogService {
 public:
  enum class Kind { Notice, Confirmation, Choice };

  struct Record {
    Kind kind;
    QStringList lines;    // lines 1..n, exactly as shown
    QStringList choices;  // captions 1..k of a choice
    int answer;
  };

  void ShowNotice(std::uint8_t n) override;
  int AskConfirmation(std::uint8_t n) override;
  int AskChoice(std::uint8_t n, std::uint8_t k) override;

  // Answers for the coming confirmations and choices, in order. Without one, a confirmation
  // is answered "no" (2) and a choice "none" (0): the cautious answers.
  void Answer(int answer) { answers_.push_back(answer); }

  const std::vector<Record>& Records() const { return records_; }
  // All lines shown by the dialog at index i, joined by "\n"; "" when there is none.
  QString Text(std::size_t i) const;
  QString LastText() const { return records_.empty() ? QString() : Text(records_.size() - 1); }
  void Clear() { records_.clear(); }

  // Runs as each dialog is shown, after it is recorded: a test reads the program's state at
  // the moment the user would see the dialog.
  std::function<void(const Record&)> whenShown;

 private:
  int NextAnswer(int fallback);
  void Add(Record record);

  std::deque<int> answers_;
  std::vector<Record> records_;
};

}  // namespace kasumori::platform
