// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window of a transfer: it shows the copy engine's count, progress and caption,
// and closes when the engine's run ends. The engine does the work on its own timers.
#pragma once

#include "platform/linux_platform.h"
#include "transfer/transfer_engine.h"

#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;

namespace kasumori::ui {

class TTensou2Form final : public QDialog {
  Q_OBJECT

 public:
  // The two timers the engine runs on.
  struct Tickers {
    platform::Ticker& copy;
    platform::Ticker& caption;
  };

  // On the event loop's timers.
  TTensou2Form(QWidget* owner, const library::FileOpsContext& files, transfer::TransferJob job);
  // On timers of the caller's, which a test advances by hand.
  TTensou2Form(QWidget* owner, const library::FileOpsContext& files, transfer::TransferJob job,
               Tickers tickers);
  ~TTensou2Form() override;

  const transfer::TransferEngine& Engine() const { return *engine_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void ShowTexts();

  platform::QtTicker copyTimer_;
  platform::QtTicker captionTimer_;
  std::unique_ptr<transfer::TransferEngine> engine_;
  QLabel* maisuLbl_;
  QProgressBar* progressBar_;
  bool begun_ = false;
  bool busy_ = false;
};

}  // namespace kasumori::ui
