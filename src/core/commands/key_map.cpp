// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/key_map.h"

#include <Qt>

#include <array>
#include <initializer_list>
#include <span>

namespace kasumori::commands {

namespace {

enum class Mod : std::uint8_t { Any, Held, Free };
// ↑ walks the list the way it runs on the screen.
enum class When : std::uint8_t { Always, LeftToRight, RightToLeft };

struct KeyBinding {
  int key;
  Mod shift;
  Mod ctrl;
  Command command;
  When when = When::Always;
};

using C = Command;
constexpr Mod Any = Mod::Any;
constexpr Mod Held = Mod::Held;
constexpr Mod Free = Mod::Free;

// No chord fits two lines of one window, so the order of the lines does not matter.
const KeyBinding kPhotoStepKeys[] = {
    {Qt::Key_X, Any, Any, C::NextPhoto},
    {Qt::Key_Up, Free, Free, C::NextPhoto, When::LeftToRight},
    {Qt::Key_Z, Any, Any, C::PreviousPhoto},
    {Qt::Key_Up, Free, Free, C::PreviousPhoto, When::RightToLeft},
};

// The strip and the folder steps, the same in every window; the favourites window pages with
// them. A is each window's own, since the favourites window keeps Ctrl+A for selecting.
const KeyBinding kStripKeys[] = {
    {Qt::Key_Left, Held, Free, C::StripBack8},
    {Qt::Key_S, Any, Any, C::StripForward8},
    {Qt::Key_Right, Held, Free, C::StripForward8},
    {Qt::Key_E, Any, Any, C::PreviousFolder},
    {Qt::Key_Up, Held, Any, C::PreviousFolder},
    {Qt::Key_Up, Any, Held, C::PreviousFolder},
    {Qt::Key_Down, Held, Any, C::NextFolder},
    {Qt::Key_Down, Any, Held, C::NextFolder},
    {Qt::Key_F, Any, Any, C::StripBack1},
    {Qt::Key_Left, Free, Free, C::StripBack1},
    {Qt::Key_G, Any, Any, C::StripForward1},
    {Qt::Key_Right, Free, Free, C::StripForward1},
    {Qt::Key_Q, Any, Any, C::StripStart},
    {Qt::Key_Left, Any, Held, C::StripStart},
    {Qt::Key_W, Any, Any, C::StripEnd},
    {Qt::Key_Right, Any, Held, C::StripEnd},
};

const KeyBinding kMainWindowKeys[] = {
    {Qt::Key_A, Any, Any, C::StripBack8},        {Qt::Key_M, Any, Any, C::WideMode},
    {Qt::Key_D, Any, Free, C::NextFolder},       {Qt::Key_D, Any, Held, C::AddFavourite},
    {Qt::Key_C, Any, Any, C::OpenWideThumbs},    {Qt::Key_Down, Free, Free, C::OpenWideThumbs},
    {Qt::Key_1, Any, Any, C::RotateLeft},        {Qt::Key_2, Any, Any, C::RotateRight},
    {Qt::Key_B, Any, Held, C::FavouritesWindow}, {Qt::Key_N, Any, Any, C::NormalDisplay},
    {Qt::Key_Delete, Any, Any, C::DeletePhoto},  {Qt::Key_F1, Any, Any, C::KeyboardHelp},
    {Qt::Key_F2, Any, Any, C::RenamePhoto},      {Qt::Key_F5, Any, Any, C::RenewThumbnail},
    {Qt::Key_F6, Any, Any, C::SaveDisplayed},    {Qt::Key_F9, Any, Any, C::Slideshow},
    {Qt::Key_F11, Any, Any, C::FullScreen},      {Qt::Key_F12, Any, Any, C::StepEffect},
};

// The wide window closes itself before a photo or folder step; Ctrl+D is a folder step there.
const KeyBinding kWideThumbsKeys[] = {
    {Qt::Key_A, Any, Any, C::StripBack8},       {Qt::Key_D, Any, Any, C::NextFolder},
    {Qt::Key_C, Any, Any, C::CloseWindow},      {Qt::Key_Escape, Any, Any, C::CloseWindow},
    {Qt::Key_Down, Free, Free, C::CloseWindow}, {Qt::Key_F1, Any, Any, C::KeyboardHelp},
    {Qt::Key_F5, Any, Any, C::RenewThumbnail},
};

// No photo steps here: the keys that step photos elsewhere page the favourites or do nothing.
const KeyBinding kFavouritesKeys[] = {
    {Qt::Key_A, Any, Held, C::SelectPage},  {Qt::Key_A, Any, Free, C::StripBack8},
    {Qt::Key_D, Any, Any, C::NextFolder},   {Qt::Key_Escape, Any, Any, C::CloseWindow},
    {Qt::Key_B, Any, Held, C::CloseWindow}, {Qt::Key_Delete, Any, Any, C::DeletePhoto},
    {Qt::Key_F2, Any, Any, C::RenamePhoto}, {Qt::Key_F5, Any, Any, C::RenewThumbnail},
};

// The full-screen window has no strip: only its own keys, and the keys that close it.
const KeyBinding kFullScreenKeys[] = {
    {Qt::Key_X, Any, Any, C::NextPhoto},        {Qt::Key_Z, Any, Any, C::PreviousPhoto},
    {Qt::Key_M, Any, Any, C::WideMode},         {Qt::Key_1, Any, Any, C::RotateLeft},
    {Qt::Key_2, Any, Any, C::RotateRight},      {Qt::Key_N, Any, Any, C::NormalDisplay},
    {Qt::Key_F9, Any, Any, C::Slideshow},       {Qt::Key_F12, Any, Any, C::SwapQualityMode},
    {Qt::Key_Escape, Any, Any, C::CloseWindow}, {Qt::Key_F11, Any, Any, C::CloseWindow},
    {Qt::Key_Return, Any, Any, C::CloseWindow}, {Qt::Key_Enter, Any, Any, C::CloseWindow},
    {Qt::Key_Space, Any, Any, C::CloseWindow},
};

bool Fits(Mod rule, bool held) {
  switch (rule) {
    case Mod::Any:
      return true;
    case Mod::Held:
      return held;
    case Mod::Free:
      return !held;
  }
  return false;
}

bool Fits(When when, library::ListDirection direction) {
  switch (when) {
    case When::Always:
      return true;
    case When::LeftToRight:
      return direction == library::ListDirection::LeftToRight;
    case When::RightToLeft:
      return direction == library::ListDirection::RightToLeft;
  }
  return false;
}

std::span<const KeyBinding> OwnKeysOf(KeyMapKind window) {
  switch (window) {
    case KeyMapKind::MainWindow:
      return kMainWindowKeys;
    case KeyMapKind::WideThumbs:
      return kWideThumbsKeys;
    case KeyMapKind::Favourites:
      return kFavouritesKeys;
    case KeyMapKind::FullScreen:
      return kFullScreenKeys;
  }
  return {};
}

std::span<const KeyBinding> PhotoStepKeysOf(KeyMapKind window) {
  switch (window) {
    case KeyMapKind::MainWindow:
    case KeyMapKind::WideThumbs:
      return kPhotoStepKeys;
    case KeyMapKind::Favourites:
    case KeyMapKind::FullScreen:
      return {};
  }
  return {};
}

std::span<const KeyBinding> StripKeysOf(KeyMapKind window) {
  return window == KeyMapKind::FullScreen ? std::span<const KeyBinding>() : kStripKeys;
}

std::array<std::span<const KeyBinding>, 3> TablesOf(KeyMapKind window) {
  return {PhotoStepKeysOf(window), StripKeysOf(window), OwnKeysOf(window)};
}

}  // namespace

std::vector<BoundKey> BoundKeys(KeyMapKind window) {
  std::vector<BoundKey> keys;
  for (std::span<const KeyBinding> lines : TablesOf(window)) {
    for (const KeyBinding& line : lines) {
      keys.push_back({line.key, line.shift == Mod::Held, line.ctrl == Mod::Held, line.command});
    }
  }
  return keys;
}

std::optional<Command> CommandForKey(KeyMapKind window, const KeyChord& chord,
                                     library::ListDirection direction) {
  for (std::span<const KeyBinding> lines :
       {PhotoStepKeysOf(window), StripKeysOf(window), OwnKeysOf(window)}) {
    for (const KeyBinding& line : lines) {
      if (line.key == chord.key && Fits(line.shift, chord.shift) && Fits(line.ctrl, chord.ctrl) &&
          Fits(line.when, direction)) {
        return line.command;
      }
    }
  }
  return std::nullopt;
}

}  // namespace kasumori::commands
