// SPDX-License-Identifier: GPL-3.0-or-later
// What a command for the shown photo says when no photo is shown.
#pragma once

#include "commands/command.h"

#include <QStringList>

namespace kasumori::commands {

// A button says what a menu entry says, as "this button".
enum class CommandSource { Key, Menu, Button };

// The notice's lines, or none when the command works without a shown photo (or just does
// nothing then). A key names itself; a menu entry says "this menu entry".
QStringList NoPhotoNotice(Command command, CommandSource source);

}  // namespace kasumori::commands
