// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a saved photo so that it is complete or absent under its name: the bytes go to a
// temporary file in the target's folder, which replaces the target only once all of them are
// on disk. A full disk, a size limit or a crash part way leaves the target as it was.
#pragma once

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

namespace kasumori::exporting {

using ByteSpan = std::span<const std::uint8_t>;

// The pieces one after another. Nothing when written, else the system's reason.
std::optional<QString> WritePhotoFile(const QString& path, std::initializer_list<ByteSpan> pieces);

}  // namespace kasumori::exporting
