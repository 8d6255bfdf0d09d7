// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/menu_bindings.h"

namespace kasumori::commands {

namespace {

struct MenuBinding {
  const char* entry;
  Command command;
};

// The main menu's "編集" entries are also the photo view's pop-up "編集" entries.
const MenuBinding kMenuBindings[] = {
    {"DeleteMenu", Command::DeletePhoto},       {"RenameMenu", Command::RenamePhoto},
    {"ThumbnailMenu", Command::RenewThumbnail}, {"N26", Command::RenewAllThumbnails},
    {"TurnLeftMenu", Command::RotateLeft},      {"TurnRightMenu", Command::RotateRight},
    {"WideModeMenu", Command::WideMode},        {"AllKaijoMenu", Command::ClearAllEdits},
};

}  // namespace

std::optional<Command> MenuCommand(const QString& entryName) {
  for (const MenuBinding& binding : kMenuBindings) {
    if (entryName == QLatin1String(binding.entry)) return binding.command;
  }
  return std::nullopt;
}

}  // namespace kasumori::commands
