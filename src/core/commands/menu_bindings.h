// SPDX-License-Identifier: GPL-3.0-or-later
// Which command a menu or pop-up entry runs, by the entry's name.
#pragma once

#include "commands/command.h"

#include <QString>

#include <optional>

namespace kasumori::commands {

// The command of the entry named so (its objectName), or none for entries that choose a
// setting (quality, sharpness, order, size) or that belong to a window of their own.
std::optional<Command> MenuCommand(const QString& entryName);

}  // namespace kasumori::commands
