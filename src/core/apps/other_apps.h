// SPDX-License-Identifier: GPL-3.0-or-later
// Handing the shown photo on to other programs: the registered applications, a second window of
// this program, the desktop's own program for the photo's type; and the manual. Nothing waits
// for the started program, and a program that fails to start is the desktop's to report.
#pragma once

#include "config/settings.h"
#include "platform/dialog_service.h"
#include "platform/platform_services.h"

#include <QString>

#include <functional>
#include <optional>

namespace kasumori::apps {

// Where the shown photo was read from: a folder (or an archive's inner folder) and a name.
struct ShownPhotoFile {
  QString folder;
  QString name;
};

struct OtherAppsDeps {
  platform::DialogService& dialogs;
  platform::ShellOpenService& shellOpen;
  config::Settings& settings;
  QString programFile;  // this program's executable, started for a second window
  QString manualFile;   // the manual's first page
};

struct OtherAppsHooks {
  std::function<std::optional<ShownPhotoFile>()> shownPhoto;
  std::function<bool()> panorama;
  std::function<void()> setUpApps;  // the set-up window, which stores what the user chose
  std::function<void()> saveSettings;
};

class OtherApps {
 public:
  OtherApps(OtherAppsDeps deps, OtherAppsHooks hooks);

  // Slot 1..3. An unset slot opens the set-up window first, and stays silent if it is still
  // unset afterwards.
  void OpenWithApp(int slot);
  // The settings are saved first, so that the second window starts with the same ones.
  void OpenInNewWindow();
  void OpenInBrowser();
  void OpenManual();

 private:
  // The shown photo, or nothing after the notice that says why there is none to hand over:
  // panorama mode (`panoramaLine` says what cannot be done there), or no photo shown.
  std::optional<ShownPhotoFile> PhotoToHandOver(const QString& panoramaLine,
                                                const QStringList& noPhotoLines);

  OtherAppsDeps d_;
  OtherAppsHooks h_;
};

}  // namespace kasumori::apps
