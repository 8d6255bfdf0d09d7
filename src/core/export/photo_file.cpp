// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/photo_file.h"

#include <QSaveFile>

namespace kasumori::exporting {

std::optional<QString> WritePhotoFile(const QString& path, std::initializer_list<ByteSpan> pieces) {
  // QSaveFile writes beside the target, flushes to the disk and renames on commit; a failed
  // write or a file never committed removes its temporary file.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  for (const ByteSpan piece : pieces) {
    const auto size = qint64(piece.size());
    if (file.write(reinterpret_cast<const char*>(piece.data()), size) != size) {
      const QString reason = file.errorString();
      file.cancelWriting();
      return reason;
    }
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace kasumori::exporting
