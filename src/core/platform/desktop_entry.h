// SPDX-License-Identifier: GPL-3.0-or-later
// Programs the user registers are executables or freedesktop .desktop entries.
#pragma once

#include <QString>
#include <QStringList>

namespace kasumori::platform {

// Splits a Desktop Entry Exec value into arguments (double quotes group, backslash escapes
// inside quotes) and puts the file where %f %F %u %U stand (%u and %U as a file URL); other
// field codes are dropped. When no code names a file, the file is appended.
QStringList ExpandExec(const QString& exec, const QString& file);

// The command that starts `program` with the file: the expanded Exec line of a .desktop entry,
// else the program itself followed by the file. Empty when the entry has no Exec line.
QStringList ProgramCommand(const QString& program, const QString& file);

// The name a desktop shows for the entry: its Japanese Name[ja] when it has one, else its Name;
// empty when the file has neither.
QString DesktopEntryName(const QString& desktopFile);

}  // namespace kasumori::platform
