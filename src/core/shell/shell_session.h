// SPDX-License-Identifier: GPL-3.0-or-later
// The program's life cycle apart from its windows: data folders, settings, the run-time flags,
// the single-instance marker, and what is cleaned and saved at exit.
#pragma once

#include "platform/dialog_service.h"
#include "platform/platform_services.h"
#include "config/data_folders.h"
#include "config/settings.h"

#include <QDate>
#include <QPoint>
#include <QSize>
#include <QString>

namespace kasumori::shell {

struct ShellServices {
  platform::SpecialFolders& special;
  platform::SingleInstanceMarker& marker;
  const platform::Clock& clock;
  platform::DialogService& dialogs;
};

class ShellSession {
 public:
  ShellSession(ShellServices services, QString executableFolder, QString startupPath);

  // The start-up steps that need no window: dates, folders, settings, the marker. The screen
  // and the window's outer size give the default position of a first run.
  void Create(const QSize& screen, const QSize& windowOuter);

  // Reads the settings file, or on a first run sets the defaults and writes them at once.
  void LoadSettings(const QSize& screen, const QSize& windowOuter);
  // Writes all 54 lines; the position is the main window's current one. Throws TextFileError
  // when the file cannot be written; the settings in memory stay as they are.
  void SaveSettings(const QPoint& windowPosition);

  // The exit steps: monthly cache clean-up, settings saved, and the temporary folder emptied
  // unless another instance still runs. A failed settings write does not stop the rest.
  void Shutdown(const QPoint& windowPosition);

  // Shows the twelve-line first-run notice if it is due (clears FirstRun); true if shown.
  bool ShowFirstRunNoticeIfDue();

  config::Settings& settings() { return settings_; }
  const config::Settings& settings() const { return settings_; }
  const config::DataFolders& folders() const { return folders_; }
  platform::DialogService& dialogs() { return services_.dialogs; }

  bool UiReady = false;
  bool FirstRun = false;
  bool Activated = false;
  QDate StartDate;
  QString StartupPath;
  bool SecondInstance = false;  // another instance owned the marker at start

 private:
  ShellServices services_;
  QString executableFolder_;
  config::Settings settings_;
  config::DataFolders folders_;
};

}  // namespace kasumori::shell
