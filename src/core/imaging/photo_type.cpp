// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/photo_type.h"

namespace kasumori::imaging {

QString PhotoExtension(const QString& path) {
  const qsizetype slash = path.lastIndexOf('/');
  const qsizetype dot = path.lastIndexOf('.');
  if (dot < 0 || dot < slash) return QString();
  return path.mid(dot).toLower().left(5);
}

PhotoType PhotoTypeOf(const QString& path) {
  const QString ext = PhotoExtension(path);
  if (ext == ".jpg" || ext == ".jpe" || ext == ".jpeg") return PhotoType::Jpeg;
  if (ext == ".bmp") return PhotoType::Bmp;
  if (ext == ".tif" || ext == ".tiff") return PhotoType::Tiff;
  return PhotoType::Other;
}

}  // namespace kasumori::imaging
