// SPDX-License-Identifier: GPL-3.0-or-later
// Linux implementations of the platform services that need the desktop's widgets.
#pragma once

#include "platform/platform_services.h"

class QWidget;

namespace kasumori::ui {

class DesktopShellOpen final : public platform::ShellOpenService {
 public:
  bool OpenDocument(const QString& path) override;
  bool StartProgram(const QString& program, const QString& argument) override;
};

class FileDialogPickers final : public platform::PickerService {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }
  std::optional<QString> PickFolder(const QString& title, const QString& start) override;
  std::optional<QString> PickOpenFile(const QString& title, const QString& start,
                                      const QString& filter) override;
  std::optional<QString> PickSaveFile(const QString& title, const QString& start,
                                      const QString& filter, const QString& defaultSuffix) override;

 private:
  QWidget* owner_ = nullptr;
};

}  // namespace kasumori::ui
