// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/key_map.h"

#include <Qt>

#include <algorithm>

#include <gtest/gtest.h>

namespace kasumori::commands {
namespace {

using library::ListDirection;
constexpr auto L2R = ListDirection::LeftToRight;
constexpr auto R2L = ListDirection::RightToLeft;
constexpr auto Main = KeyMapKind::MainWindow;
constexpr auto Wide = KeyMapKind::WideThumbs;
constexpr auto Fav = KeyMapKind::Favourites;

struct Case {
  KeyMapKind window;
  KeyChord chord;
  ListDirection direction;
  std::optional<Command> expected;
};

// The lines where the modifiers, the list direction or the window change the answer.
TEST(KeyMap, ModifiersDirectionAndWindowDecide) {
  const Case cases[] = {
      {Main, {Qt::Key_X, true, false}, L2R, Command::NextPhoto},  // Shift is the step size
      {Main, {Qt::Key_Up}, L2R, Command::NextPhoto},
      {Main, {Qt::Key_Up}, R2L, Command::PreviousPhoto},
      {Main, {Qt::Key_Up, true}, L2R, Command::PreviousFolder},
      {Main, {Qt::Key_Up, false, true}, R2L, Command::PreviousFolder},
      {Main, {Qt::Key_Down}, L2R, Command::OpenWideThumbs},
      {Main, {Qt::Key_Down, true, true}, L2R, Command::NextFolder},
      {Main, {Qt::Key_Left}, L2R, Command::StripBack1},
      {Main, {Qt::Key_Left, true}, L2R, Command::StripBack8},
      {Main, {Qt::Key_Left, false, true}, L2R, Command::StripStart},
      {Main, {Qt::Key_Left, true, true}, L2R, Command::StripStart},
      {Main, {Qt::Key_Right, true, true}, L2R, Command::StripEnd},
      {Main, {Qt::Key_D}, L2R, Command::NextFolder},
      {Main, {Qt::Key_D, false, true}, L2R, Command::AddFavourite},
      {Main, {Qt::Key_B}, L2R, std::nullopt},
      {Main, {Qt::Key_B, false, true}, L2R, Command::FavouritesWindow},
      {Main, {Qt::Key_Delete, false, true}, L2R, Command::DeletePhoto},
      {Main, {Qt::Key_Escape}, L2R, std::nullopt},
      {Main, {Qt::Key_Tab}, L2R, std::nullopt},
      {Wide, {Qt::Key_Up}, R2L, Command::PreviousPhoto},
      {Wide, {Qt::Key_D, false, true}, L2R, Command::NextFolder},
      {Wide, {Qt::Key_Down}, L2R, Command::CloseWindow},
      {Wide, {Qt::Key_Escape}, L2R, Command::CloseWindow},
      {Wide, {Qt::Key_C}, L2R, Command::CloseWindow},
      {Wide, {Qt::Key_W}, L2R, Command::StripEnd},
      {Wide, {Qt::Key_1}, L2R, std::nullopt},  // no photo commands but the steps
      {Wide, {Qt::Key_M}, L2R, std::nullopt},
      {Wide, {Qt::Key_F5}, L2R, Command::RenewThumbnail},
      {Main, {Qt::Key_A, false, true}, L2R, Command::StripBack8},
      {Fav, {Qt::Key_A, false, true}, L2R, Command::SelectPage},
      {Fav, {Qt::Key_A, true, true}, L2R, Command::SelectPage},
      {Fav, {Qt::Key_A, true}, L2R, Command::StripBack8},
      {Fav, {Qt::Key_Left, true}, L2R, Command::StripBack8},
      {Fav, {Qt::Key_Right, true, true}, L2R, Command::StripEnd},
      {Fav, {Qt::Key_Right}, L2R, Command::StripForward1},
      {Fav, {Qt::Key_S, true, true}, L2R, Command::StripForward8},
      {Fav, {Qt::Key_Up, false, true}, L2R, Command::PreviousFolder},
      {Fav, {Qt::Key_D, false, true}, L2R, Command::NextFolder},
      {Fav, {Qt::Key_Up}, L2R, std::nullopt},  // no photo steps, no wide window
      {Fav, {Qt::Key_Down}, R2L, std::nullopt},
      {Fav, {Qt::Key_X}, L2R, std::nullopt},
      {Fav, {Qt::Key_B}, L2R, std::nullopt},
      {Fav, {Qt::Key_B, false, true}, L2R, Command::CloseWindow},
      {Fav, {Qt::Key_Escape, true}, L2R, Command::CloseWindow},
      {Fav, {Qt::Key_Delete}, L2R, Command::DeletePhoto},
      {Fav, {Qt::Key_F2}, L2R, Command::RenamePhoto},
      {Fav, {Qt::Key_F5}, L2R, Command::RenewThumbnail},
      {Fav, {Qt::Key_Return}, L2R, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandForKey(c.window, c.chord, c.direction), c.expected)
        << "key " << std::hex << c.chord.key << " shift " << c.chord.shift << " ctrl "
        << c.chord.ctrl << " in window " << int(c.window);
  }
}

// The listing the keyboard help is checked against is the table the windows run: each line's
// key, with the modifiers it asks for, runs its command in one direction of the list or both.
TEST(KeyMapTest, EveryListedLineRunsItsCommand) {
  for (KeyMapKind window : {KeyMapKind::MainWindow, KeyMapKind::WideThumbs, KeyMapKind::Favourites,
                            KeyMapKind::FullScreen}) {
    const std::vector<BoundKey> lines = BoundKeys(window);
    EXPECT_FALSE(lines.empty());
    for (const BoundKey& line : lines) {
      const KeyChord chord{line.key, line.shiftHeld, line.ctrlHeld};
      const auto l2r = CommandForKey(window, chord, ListDirection::LeftToRight);
      const auto r2l = CommandForKey(window, chord, ListDirection::RightToLeft);
      EXPECT_TRUE(l2r == line.command || r2l == line.command)
          << "key " << std::hex << line.key << " in window " << int(window);
    }
  }
  const auto main = BoundKeys(KeyMapKind::MainWindow);
  EXPECT_EQ(std::count_if(main.begin(), main.end(),
                          [](const BoundKey& k) { return k.command == Command::KeyboardHelp; }),
            1);
}

}  // namespace
}  // namespace kasumori::commands
