// SPDX-License-Identifier: GPL-3.0-or-later
// Which command a menu or pop-up entry runs, by the entry's name.
#pragma once

#include "commands/command.h"

#include <QString>

#include <optional>

namespace kasumori::commands {

struct MenuEntryCommand {
  Command command;
  int argument = 0;  // the setting an entry of a choice stands for
};

// The command of the entry named so (its objectName), or none for entries that open a menu or
// belong to a feature still to come.
std::optional<MenuEntryCommand> MenuCommand(const QString& entryName);

}  // namespace kasumori::commands
