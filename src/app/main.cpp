// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux_platform.h"
#include "platform/utf8_locale.h"
#include "ui/common/fonts.h"
#include "ui/common/kasumori_style.h"
#include "ui/shell/main_form.h"
#include "ui/platform/desktop_services.h"
#include "ui/platform/guarded_application.h"
#include "ui/common/widget_dialog_service.h"

using namespace kasumori;

int main(int argc, char** argv) {
  platform::EnsureUtf8Locale();
  ui::GuardedApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kasumori2"));
  ui::InstallApplicationStyle();
  ui::InstallApplicationFont();

  ui::WidgetDialogService dialogs;
  platform::XdgSpecialFolders special;
  platform::FlockInstanceMarker marker;
  platform::SystemClock clock;
  const QStringList arguments = QApplication::arguments();
  ui::FileDialogPickers pickers;
  platform::FreedesktopTrash trash;
  ui::DesktopShellOpen shellOpen;
  ui::TMainForm mainForm({{dialogs, special, marker, clock, pickers, trash, shellOpen},
                          QApplication::applicationDirPath(),
                          arguments.size() > 1 ? arguments[1] : QString()});
  dialogs.SetOwner(&mainForm);
  pickers.SetOwner(&mainForm);
  // The favourites, help and wide thumbnail windows are created here, hidden, once they exist.
  mainForm.show();
  mainForm.activateWindow();
  return QApplication::exec();
}
