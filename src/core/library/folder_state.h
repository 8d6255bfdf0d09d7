// SPDX-License-Identifier: GPL-3.0-or-later
// The current folder and the three photo-folder slots, as the photo list reads and updates them.
// The folder panel owns this state and drives the slots and the tree.
#pragma once

#include <QString>

#include <array>

namespace kasumori::library {

inline constexpr int kSlotCount = 3;

struct FolderState {
  QString CurrentFolder;
  int CurrentSlot = 0;  // 1..3, 0 = another folder
  std::array<QString, kSlotCount> SlotCurrentFolder;
  std::array<int, kSlotCount> SlotPosition{1, 1, 1};  // remembered CurrentIndex per slot
  QString OtherFolder;
  bool WatchEnabled = false;
  bool IgnoreNextChange = false;

  bool HasSlot() const { return CurrentSlot >= 1 && CurrentSlot <= kSlotCount; }
  QString& SlotFolder() { return SlotCurrentFolder[std::size_t(CurrentSlot - 1)]; }
  int& SlotPositionOfCurrent() { return SlotPosition[std::size_t(CurrentSlot - 1)]; }
};

}  // namespace kasumori::library
