// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_manager_folder.h"

#include <QFileInfo>

namespace kasumori::shell {

std::optional<QString> FileManagerFolder(const QString& currentFolder, const QString& desktop) {
  const QString folder = currentFolder.isEmpty() ? desktop : currentFolder;
  if (folder.isEmpty()) return std::nullopt;
  if (QFileInfo(folder).isDir()) return folder;
  // Inside an archive the path is the archive file, or runs on past it: find that file.
  for (qsizetype end = folder.size(); end > 0; end = folder.lastIndexOf(u'/', end - 1)) {
    const QFileInfo prefix(folder.left(end));
    if (prefix.isFile()) return prefix.path();
    if (prefix.isDir()) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace kasumori::shell
