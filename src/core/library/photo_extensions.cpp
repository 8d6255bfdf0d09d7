// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/photo_extensions.h"

namespace kasumori::library {

PhotoExtensions::PhotoExtensions() {
  for (const char* entry : {".ksm", ".jpg", ".jpe", ".jpeg", ".bmp", ".tif", ".tiff"}) {
    Add(QString::fromLatin1(entry));
  }
}

void PhotoExtensions::AddPluginFilter(const QString& filter) {
  const QStringList patterns = filter.split(u';');
  for (const QString& pattern : patterns) {
    if (Count() > kMaxEntries - 1) return;
    // The pattern's first character is its "*"; what follows is taken as it stands.
    const QString entry = LeftCodePoints(pattern.mid(1).toLower(), kListingExtensionLength);
    if (entry == u".jpg") pluginJpeg_ = true;
    if (entry == u".bmp") pluginBmp_ = true;
    if (entry == u".tif") pluginTif_ = true;
    Add(entry);
  }
}

void PhotoExtensions::Add(const QString& entry) {
  entries_.append(entry);
  lookup_.insert(entry);
}

bool PhotoExtensions::IsPhotoName(const QString& fileName) const {
  const QString extension = ListingExtension(fileName);
  return !extension.isEmpty() && Contains(extension);
}

QString LeftCodePoints(const QString& text, int count) {
  qsizetype units = 0;
  for (int taken = 0; taken < count && units < text.size(); ++taken) {
    const bool pair = text[units].isHighSurrogate() && units + 1 < text.size() &&
                      text[units + 1].isLowSurrogate();
    units += pair ? 2 : 1;
  }
  return text.left(units);
}

int CodePointCount(const QString& text) {
  int count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())) ++count;
  }
  return count;
}

QString ListingExtension(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  if (dot < 0) return QString();
  return LeftCodePoints(fileName.mid(dot).toLower(), kListingExtensionLength);
}

}  // namespace kasumori::library
