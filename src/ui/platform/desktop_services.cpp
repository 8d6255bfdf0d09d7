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

std::optional<QString> FileDialogPickers::PickSaveFile(const QString& title, const QString& start,
                                                       const QString& filter) {
  return Chosen(QFileDialog::getSaveFileName(owner_, title, start, filter));
}

}  // namespace kasumori::ui
