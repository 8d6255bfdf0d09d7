// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/other_apps.h"

#include "apps/app_slots.h"
#include "apps/external_file.h"

#include <QFileInfo>

namespace kasumori::apps {

namespace {
const QString kOtherApp = QStringLiteral("他のアプリケーションで開くことはできません。");
}  // namespace

OtherApps::OtherApps(OtherAppsDeps deps, OtherAppsHooks hooks)
    : d_(std::move(deps)), h_(std::move(hooks)) {}

std::optional<ShownPhotoFile> OtherApps::PhotoToHandOver(const QString& panoramaLine,
                                                         const QStringList& noPhotoLines) {
  if (h_.panorama()) {
    d_.dialogs.Notice({QStringLiteral("現在パノラマモードになっていますので"), panoramaLine,
                       QStringLiteral("開きたい写真をダブルクリックしたのち"),
                       QStringLiteral("このメニューを実行してください。")});
    return std::nullopt;
  }
  auto shown = h_.shownPhoto();
  if (!shown) d_.dialogs.Notice(noPhotoLines);
  return shown;
}

void OtherApps::OpenWithApp(int slot) {
  const auto shown =
      PhotoToHandOver(kOtherApp, {QStringLiteral("このメニューは、現在表示されている写真を"),
                                  QStringLiteral("他のアプリケーションで開きたいとき"),
                                  QStringLiteral("に使います。")});
  if (!shown) return;
  if (AppPath(d_.settings, slot).isEmpty()) {
    h_.setUpApps();
    if (AppPath(d_.settings, slot).isEmpty()) return;
  }
  const QString app = AppPath(d_.settings, slot);
  if (!QFileInfo(app).isFile()) {
    d_.dialogs.Notice({QStringLiteral("アプリケーションのショートカットが"),
                       QStringLiteral("見つかりませんでした。")});
    return;
  }
  if (const auto file = ExternalFileFor(shown->folder, shown->name, d_.dialogs)) {
    d_.shellOpen.StartProgram(app, *file);
  }
}

void OtherApps::OpenInNewWindow() {
  const auto shown =
      PhotoToHandOver(QStringLiteral("新しいウィンドウで開くことはできません。"),
                      {QStringLiteral("このメニューは、現在表示されている写真を"),
                       QStringLiteral("新しいウィンドウで開きたいときに使います。")});
  if (!shown) return;
  h_.saveSettings();
  // The second window reads its photo itself, archives and edit records included.
  d_.shellOpen.StartProgram(d_.programFile, shown->folder + u'/' + shown->name);
}

void OtherApps::OpenInBrowser() {
  const auto shown =
      PhotoToHandOver(kOtherApp, {QStringLiteral("このメニューは、現在表示されている写真を"),
                                  QStringLiteral("インターネットエクスプローラで開きたいとき"),
                                  QStringLiteral("に使います。")});
  if (!shown) return;
  if (const auto file = ExternalFileFor(shown->folder, shown->name, d_.dialogs)) {
    d_.shellOpen.OpenDocument(*file);
  }
}

void OtherApps::OpenManual() { d_.shellOpen.OpenDocument(d_.manualFile); }

}  // namespace kasumori::apps
