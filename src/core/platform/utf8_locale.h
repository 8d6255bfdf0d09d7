// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kasumori::platform {

// Makes the C library's character type UTF-8 even when the environment names no UTF-8 locale:
// archive entry names and file names with Japanese characters depend on it. Call before any
// Qt object exists.
void EnsureUtf8Locale();

}  // namespace kasumori::platform
