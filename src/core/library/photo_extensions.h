// SPDX-License-Identifier: GPL-3.0-or-later
// Which files are photos: the table of listed extensions and a file name's listing extension.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace kasumori::library {

// A listing extension keeps at most this many code points, dot included (".jpeg", ".tiff").
inline constexpr int kListingExtensionLength = 5;

// The ordered table of listed extensions: the built-in types first, then those the image
// plug-ins offer. Entries are lower case with their dot, at most five code points; duplicates
// are kept as they come.
class PhotoExtensions {
 public:
  static constexpr int kMaxEntries = 1001;

  // Starts with the built-in entries ".ksm", ".jpg", ".jpe", ".jpeg", ".bmp", ".tif", ".tiff".
  PhotoExtensions();

  // Adds the patterns of one plug-in's first file-type filter ("*.pic;*.mag"), in order.
  // Each pattern loses its first character and is lower-cased and cut to five code points.
  // Adding stops once the table holds more than 1000 entries.
  void AddPluginFilter(const QString& filter);

  // Whether some plug-in offers ".jpg", ".bmp" or ".tif" exactly (for the decoders).
  bool PluginJpeg() const { return pluginJpeg_; }
  bool PluginBmp() const { return pluginBmp_; }
  bool PluginTif() const { return pluginTif_; }

  const QStringList& Entries() const { return entries_; }
  int Count() const { return int(entries_.size()); }
  // Whether a file with this name is a photo file.
  bool IsPhotoName(const QString& fileName) const;
  bool Contains(const QString& listingExtension) const {
    return lookup_.contains(listingExtension);
  }

 private:
  void Add(const QString& entry);

  QStringList entries_;
  QSet<QString> lookup_;  // the same entries, for the per-file test
  bool pluginJpeg_ = false;
  bool pluginBmp_ = false;
  bool pluginTif_ = false;
};

// The first `count` code points of `text` (a surrogate pair is never split).
QString LeftCodePoints(const QString& text, int count);
// Number of code points in `text`.
int CodePointCount(const QString& text);

// From the last "." of the name, dot included, lower case, cut to five code points; "" when
// the name has no dot. "a.tiffany" gives ".tiff".
QString ListingExtension(const QString& fileName);

}  // namespace kasumori::library
