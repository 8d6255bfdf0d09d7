// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_manager_folder.h"

#include <QFileInfo>

namespace kasumori::shell {

std::optional<QString> FileManagerFolder(const QString& currentFolder, const QString& desktop) {
  const QString folder = currentFolder.isEmpty() ? desktop : currentFolder;
  if (folder.isEmpty()) return std::nullopt;
  if (QFileInfo(folder).isDir()) return folder;
  // Inside an archive the path runs on past the archive file: find that file.
  for (qsizetype slash = folder.lastIndexOf(u'/'); slash > 0;
       slash = folder.lastIndexOf(u'/', slash - 1)) {
    const QFileInfo prefix(folder.left(slash));
    if (prefix.isFile()) return prefix.path();
    if (prefix.isDir()) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace kasumori::shell
