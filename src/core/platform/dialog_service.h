// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <initializer_list>

namespace kasumori::platform {

// The shared message lines every notice, confirmation and choice is built from. Callers write
// lines 1..N, then ask the service to show N of them; nothing clears the lines afterwards.
class DialogService {
 public:
  static constexpr int kMaxLines = 12;
  static constexpr int kMaxChoices = 5;

  virtual ~DialogService() = default;

  // Shows lines 1..n (n ≤ 12) and waits until the notice is closed.
  virtual void ShowNotice(std::uint8_t n) = 0;
  // Asks lines 1..n (n ≤ 8); 1 = yes, 2 = no.
  virtual int AskConfirmation(std::uint8_t n) = 0;
  // Asks lines 1..n with choices 1..k (k ≤ 5); 0 = none chosen. Also left in DialogResult.
  virtual int AskChoice(std::uint8_t n, std::uint8_t k) = 0;

  QString& Line(int i) { return MessageLines[static_cast<std::size_t>(i - 1)]; }
  const QString& Line(int i) const { return MessageLines[static_cast<std::size_t>(i - 1)]; }
  QString& Choice(int k) { return ChoiceCaptions[static_cast<std::size_t>(k - 1)]; }
  const QString& Choice(int k) const { return ChoiceCaptions[static_cast<std::size_t>(k - 1)]; }

  // Writes the given texts to lines 1.. and shows them as a notice.
  void Notice(std::initializer_list<QString> lines);
  void Notice(const QStringList& lines);
  // Writes the given texts to lines 1.. and asks them; true for yes.
  bool Confirm(std::initializer_list<QString> lines);
  bool Confirm(const QStringList& lines);

  std::array<QString, kMaxLines> MessageLines;
  std::array<QString, kMaxChoices> ChoiceCaptions;
  int DialogResult = 0;

 protected:
  // The lines 1..n as the dialog shows them; a line above n is shown empty.
  QStringList VisibleLines(int n, int windowLines) const;
};

}  // namespace kasumori::platform
