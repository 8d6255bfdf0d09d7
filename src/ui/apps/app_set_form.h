// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up window of the three application slots.
#pragma once

#include "apps/app_slots.h"
#include "platform/platform_services.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;

namespace kasumori::ui {

// Where the picker starts: the applications of all users while "AllUsersから選択" is checked,
// else the user's own.
struct AppFolders {
  QString allUsers;
  QString user;
};

class TAppSetForm final : public QDialog {
  Q_OBJECT

 public:
  // `help` is the non-modal help window, which makes way for the dialog while it is open.
  TAppSetForm(QWidget* owner, const config::Settings& settings, AppFolders folders,
              platform::PickerService& picker, QWidget* help = nullptr);

  // Stores the three choices into the settings (after "決定").
  void StoreInto(config::Settings& settings) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void MakeRow(int slot);
  void MakeFooter();
  void Choose(int slot, const QString& path);
  void Pick(int slot);

  AppFolders folders_;
  platform::PickerService& picker_;
  std::array<QString, apps::kAppSlotCount> paths_;
  std::array<QLineEdit*, apps::kAppSlotCount> fields_{};
  QCheckBox* allUserChk_ = nullptr;
  QString lastPicked_;  // the picker starts here until the folder box is toggled
};

}  // namespace kasumori::ui
