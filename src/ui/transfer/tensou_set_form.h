// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog of the three camera slots: a name and a folder each.
#pragma once

#include "config/settings.h"
#include "platform/platform_services.h"
#include "transfer/transfer_texts.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace kasumori::ui {

class TTensouSetForm final : public QDialog {
  Q_OBJECT

 public:
  // `help` is the non-modal help window, which makes way for the dialog while it is open.
  TTensouSetForm(QWidget* owner, const config::Settings& settings, platform::PickerService& picker,
                 QWidget* help = nullptr);

  // The rows as they are stored, placeholders and all taken care of.
  transfer::CameraSlot Camera(int slot) const;
  // Stores the three rows into the settings.
  void StoreInto(config::Settings& settings) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Row {
    QLineEdit* name;
    QLineEdit* folder;
  };
  void MakeRow(int slot, const transfer::CameraSlot& camera);
  void PickFolder(int slot);

  platform::PickerService& picker_;
  std::array<Row, transfer::kCameraSlots> rows_{};
  QWidget* decide_ = nullptr;
};

}  // namespace kasumori::ui
