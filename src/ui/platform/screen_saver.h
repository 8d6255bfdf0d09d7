// SPDX-License-Identifier: GPL-3.0-or-later
// Holds the screen saver off while a slideshow runs, through the desktop's screen saver
// service on the session bus. Without a session bus, or a desktop that offers the service,
// it does nothing: the show runs all the same.
#pragma once

#include <cstdint>
#include <optional>

namespace kasumori::ui {

class ScreenSaverInhibitor {
 public:
  ScreenSaverInhibitor() = default;
  ~ScreenSaverInhibitor() { Release(); }
  ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
  ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

  void Inhibit();
  void Release();
  bool Held() const { return cookie_.has_value(); }

 private:
  std::optional<std::uint32_t> cookie_;
};

}  // namespace kasumori::ui
