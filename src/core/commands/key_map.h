// SPDX-License-Identifier: GPL-3.0-or-later
// Which command a key asks for, window by window.
#pragma once

#include "commands/command.h"
#include "library/list_order.h"

#include <optional>
#include <vector>

namespace kasumori::commands {

enum class KeyMapKind { MainWindow, WideThumbs, Favourites, FullScreen };

// A key as the windows see it: letters regardless of case, Alt ignored.
struct KeyChord {
  int key;  // a Qt key code
  bool shift = false;
  bool ctrl = false;
};

// The command the chord asks for in that window; none when the key is not bound there.
// Ctrl+Shift+← is Ctrl+←: a line that wants a modifier free does not fit it.
std::optional<Command> CommandForKey(KeyMapKind window, const KeyChord& chord,
                                     library::ListDirection direction);

// One line of a window's key table as the help describes it: the key, and the modifiers the line
// asks to be held (a modifier that may be up or down is not held).
struct BoundKey {
  int key;
  bool shiftHeld;
  bool ctrlHeld;
  Command command;
};

// Every line of the window's key table, the keys it shares with other windows included.
std::vector<BoundKey> BoundKeys(KeyMapKind window);

}  // namespace kasumori::commands
