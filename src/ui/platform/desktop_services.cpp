// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/desktop_services.h"

#include "platform/desktop_entry.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace kasumori::ui {

namespace {
std::optional<QString> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path;
}
}  // namespace

bool DesktopShellOpen::OpenDocument(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShellOpen::StartProgram(const QString& program, const QString& argument) {
  QStringList command = platform::ProgramCommand(program, argument);
  if (command.isEmpty()) return false;
  const QString executable = command.takeFirst();
  return QProcess::startDetached(executable, command);
}

std::optional<QString> FileDialogPickers::PickFolder(const QString& title, const QString& start) {
  return Chosen(QFileDialog::getExistingDirectory(owner_, title, start));
}

std::optional<QString> FileDialogPickers::PickOpenFile(const QString& title, const QString& start,
                                                       const QString& filter) {
  return Chosen(QFileDialog::getOpenFileName(owner_, title, start, filter));
}

// The dialog object rather than the static call: only it takes a default suffix. Qt's own
// dialog, because a desktop's dialog checks for an existing file before the suffix is added
// and would let a name typed without it replace a photo unasked.
std::optional<QString> FileDialogPickers::PickSaveFile(const QString& title, const QString& start,
                                                       const QString& filter,
                                                       const QString& defaultSuffix) {
  QFileDialog dialog(owner_, title, start, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return Chosen(dialog.selectedFiles().first());
}

}  // namespace kasumori::ui
