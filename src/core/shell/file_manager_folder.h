// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace kasumori::shell {

// The folder the file manager opens for the current folder: the folder itself, the desktop
// when there is no current folder, or, for a folder inside an archive, the folder that holds
// the archive. Nothing when neither exists.
std::optional<QString> FileManagerFolder(const QString& currentFolder, const QString& desktop);

}  // namespace kasumori::shell
