// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell_session.h"

#include "shell/cache_cleanup.h"
#include "config/text_file.h"

#include <QFileInfo>

namespace kasumori::shell {

ShellSession::ShellSession(ShellServices services, QString executableFolder, QString startupPath)
    : StartupPath(std::move(startupPath)),
      services_(services),
      executableFolder_(std::move(executableFolder)) {}

void ShellSession::Create(const QSize& screen, const QSize& windowOuter) {
  StartDate = services_.clock.Today();
  folders_ = config::ResolveDataFolders(executableFolder_, services_.special);
  config::CreateDataFolders(folders_);
  LoadSettings(screen, windowOuter);
  if (!services_.marker.TryTake()) {
    SecondInstance = true;
    settings_.WindowLeft += 32;
    settings_.WindowTop += 32;
  }
}

void ShellSession::LoadSettings(const QSize& screen, const QSize& windowOuter) {
  config::Settings defaults;
  defaults.WindowLeft = config::DefaultWindowLeft(screen.width(), windowOuter.width());
  defaults.WindowTop = config::DefaultWindowTop(screen.height(), windowOuter.height());
  defaults.PhotoFolder1 = config::DefaultPhotoFolder1(
      folders_.PicturesFolder, folders_.DocumentsFolder, folders_.DesktopFolder);
  FirstRun = false;
  const QString path = folders_.SettingsPath();
  if (QFileInfo::exists(path)) {
    // A file that exists but cannot be read starts from the defaults, as a damaged line does.
    settings_ =
        config::ParseSettings(config::ReadTextLines(path).value_or(QStringList()), defaults);
    return;
  }
  FirstRun = true;
  settings_ = defaults;
  try {
    config::WriteTextLines(path, config::FormatSettings(settings_));
  } catch (const config::TextFileError&) {
    // Nowhere to keep settings: the program runs on its defaults.
  }
}

void ShellSession::SaveSettings(const QPoint& windowPosition) {
  config::Settings saved = settings_;
  saved.WindowLeft = windowPosition.x();
  saved.WindowTop = windowPosition.y();
  config::WriteTextLines(folders_.SettingsPath(), config::FormatSettings(saved));
  settings_.WindowLeft = saved.WindowLeft;
  settings_.WindowTop = saved.WindowTop;
}

void ShellSession::Shutdown(const QPoint& windowPosition) {
  UiReady = false;
  MonthlyCacheCleanup(settings_, folders_, StartDate);
  try {
    SaveSettings(windowPosition);
  } catch (const config::TextFileError&) {
    // Closing goes on: the temporary folder still has to be emptied.
  }
  if (services_.marker.TryTake()) EmptyFolder(folders_.TempFolder);
}

bool ShellSession::ShowFirstRunNoticeIfDue() {
  if (!Activated || !FirstRun) return false;
  FirstRun = false;
  services_.dialogs.Notice({
      QStringLiteral("こんにちは。"),
      QStringLiteral("「Kasumori２」をお使いいただきありがとうございます。"),
      QString(),
      QStringLiteral("初めて画像を表示する際は、サムネイル画像を作成する"),
      QStringLiteral("ため多少時間を要します。１度表示したサムネイル画像"),
      QStringLiteral("は次回から『超高速』で処理します。"),
      QString(),
      QStringLiteral("キーボードでも操作できます。（『F1』キーで操作表表示）"),
      QString(),
      QStringLiteral("まずは、画面左上の「初めて使う方へ」メニューを"),
      QStringLiteral("クリックなさってください。"),
      QStringLiteral("写真をより楽しんでいただけたら幸いです。"),
  });
  return true;
}

}  // namespace kasumori::shell
