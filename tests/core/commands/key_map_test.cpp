// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/key_map.h"

#include <Qt>

#include <gtest/gtest.h>

namespace kasumori::commands {
namespace {

using library::ListDirection;
constexpr auto L2R = ListDirection::LeftToRight;
constexpr auto R2L = ListDirection::RightToLeft;
constexpr auto Main = KeyMapKind::MainWindow;
constexpr auto Wide = KeyMapKind::WideThumbs;

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
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandForKey(c.window, c.chord, c.direction), c.expected)
        << "key " << std::hex << c.chord.key << " shift " << c.chord.shift << " ctrl "
        << c.chord.ctrl << " in window " << int(c.window);
  }
}

}  // namespace
}  // namespace kasumori::commands
