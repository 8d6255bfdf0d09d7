// SPDX-License-Identifier: GPL-3.0-or-later
// The help texts: plain text files in the program's "Ksmdat" folder, each shown under its
// heading in the help window.
#pragma once

#include <QString>

#include <optional>

namespace kasumori::apps {

// Numbered as the help commands' argument.
enum class HelpText { Hajimete = 1, Keybord = 2, Chuui = 3, Hosoku = 4 };

struct HelpTextFile {
  const char* file;  // below the resource folder
  const char* heading;
};

// Numbers outside 1..4 are the keyboard text, the one F1 shows.
HelpText HelpTextNumbered(int number);
HelpTextFile FileOf(HelpText text);

// A help text as read from its file (UTF-8, or CP932 as written on the reference platform), with
// "\n" line ends; or the reason it could not be read.
struct LoadedHelpText {
  std::optional<QString> text;
  QString error;
};
LoadedHelpText LoadHelpText(const QString& resourceFolder, HelpText text);

}  // namespace kasumori::apps
