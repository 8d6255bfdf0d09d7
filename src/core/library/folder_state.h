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
  QString WatchedFolder;  // the folder the watcher reports on, as the last scan set it

  bool HasSlot() const { return CurrentSlot >= 1 && CurrentSlot <= kSlotCount; }
  QString& SlotFolder() { return SlotCurrentFolder[std::size_t(CurrentSlot - 1)]; }
  int& SlotPositionOfCurrent() { return SlotPosition[std::size_t(CurrentSlot - 1)]; }
};

// The program changed the folder on disk itself: the watcher's report of that is swallowed.
// Only the watched folder reports, so a change elsewhere must leave the flag alone, or it
// would swallow the next change somebody else makes.
void NoteOwnChange(FolderState& folders, const QString& changedFolder);

}  // namespace kasumori::library
