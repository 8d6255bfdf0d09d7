// SPDX-License-Identifier: GPL-3.0-or-later
// The three application slots the user registers, and how their entries are captioned.
#pragma once

#include "config/settings.h"

#include <QString>

namespace kasumori::apps {

inline constexpr int kAppSlotCount = 3;

// The registered file of slot 1..3 (AppPath1..AppPath3); empty when the slot is not set.
QString& AppPath(config::Settings& settings, int slot);
const QString& AppPath(const config::Settings& settings, int slot);

// What stands for a registered file: a desktop entry's own name, else the file's name without
// its extension. Empty for an empty path.
QString AppName(const QString& path);

// The caption of application entry 1..3 in both menus: the application's name, or
// "（アプリケーション１）" … while the slot is not set.
QString AppMenuCaption(int slot, const QString& path);

// The set-up window's field of a slot: the application's name, or "（未設定）".
QString AppFieldText(const QString& path);

}  // namespace kasumori::apps
