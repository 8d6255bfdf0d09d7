// SPDX-License-Identifier: GPL-3.0-or-later
// Which photos of the list could not be loaded, by list position: the display sets a flag when
// it gives up on a photo, and the thumbnail strip shows a black thumbnail for it.
#pragma once

#include <cstddef>
#include <vector>

namespace kasumori::library {

// One flag per list position 1..10000. Reset whenever the photo list is rebuilt; the display
// driver clears a position before it reads and decodes that photo again.
class LoadFailedFlags {
 public:
  static constexpr int kPositions = 10000;
  LoadFailedFlags() : flags_(kPositions + 1, false) {}
  bool Get(int position) const { return InRange(position) && flags_[std::size_t(position)]; }
  void Set(int position, bool failed) {
    if (InRange(position)) flags_[std::size_t(position)] = failed;
  }
  void Reset() { flags_.assign(flags_.size(), false); }

 private:
  static bool InRange(int position) { return position >= 1 && position <= kPositions; }
  std::vector<bool> flags_;
};

}  // namespace kasumori::library
