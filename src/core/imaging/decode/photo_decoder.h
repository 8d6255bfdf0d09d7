// SPDX-License-Identifier: GPL-3.0-or-later
// How a photo file becomes pixels: display decoding (full size, accurate) and thumbnail
// decoding (smallest JPEG scale that still serves an 80 × 60 thumbnail), each trying the
// built-in decoders by the file's type and then the plug-ins.
#pragma once

#include "imaging/jpeg/jpeg_decoder.h"

#include <memory>

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kasumori::imaging {

class JpegPrefetcher;
class PicturePluginHost;
class RowProgress;
class TSPIQxDIB;

// Set when a plug-in's filter names exactly ".jpg", ".bmp" or ".tif": display decoding then
// leaves that type to the plug-ins (thumbnails heed only the BMP and TIFF flags).
struct PluginFlags {
  bool PluginHandlesJpg = false;
  bool PluginHandlesBmp = false;
  bool PluginHandlesTif = false;
};

// The flags from the extensions the plug-ins added to the photo extension table (each with
// its dot, lower case): only exactly ".jpg", ".bmp" and ".tif" count.
PluginFlags PluginFlagsFor(const QStringList& pluginExtensions);

// From a photo's edit record: a zoomed record asks for a larger thumbnail source.
struct ThumbnailZoom {
  bool Zoomed = false;
  double Factor = 1.0;
};

// 320 × 240, or scaled by the zoom factor (each side x + 0.5 truncated).
JpegSize ThumbnailTarget(const ThumbnailZoom& zoom);
// The JPEG scale for a thumbnail from the quarter-scale size: full when the quarter picture
// is smaller than the target, half when smaller than twice the target, else quarter.
JpegScale ThumbnailScale(JpegSize quarter, const ThumbnailZoom& zoom);

// The JPEG step of a thumbnail's decoding, safe on any thread: the photo at the scale its
// thumbnail needs, and that reduction; nothing when the file does not start as a JPEG. Throws
// the decoder's error.
std::optional<int> DecodeJpegThumbnail(const QString& path, TQxDIB& target,
                                       const ThumbnailZoom& zoom);

class PhotoDecoder {
 public:
  // host may be null (no plug-ins).
  PhotoDecoder(PluginFlags flags, PicturePluginHost* host);
  ~PhotoDecoder();
  PhotoDecoder(PhotoDecoder&&) noexcept;
  PhotoDecoder& operator=(PhotoDecoder&&) noexcept;
  // Once the extension table is built, the plug-ins and the types they take over.
  void SetPlugins(PluginFlags flags, PicturePluginHost* host) {
    flags_ = flags;
    host_ = host;
  }

  // Fills SourcePicture as a 24-bit buffer at full size; its storage is kept when the size
  // does not change. reportFailure (the display's reaction to a load error) runs for every
  // attempt that fails. Returns false when nothing was decoded: every attempt failed, or a
  // compressed TIFF ended decoding. A decoder's error is reported, then thrown. A JPEG
  // decoded here hands its rows to `progress` as they come (one decoded ahead does not).
  bool DecodeForDisplay(const QString& path, TSPIQxDIB& SourcePicture,
                        const std::function<void()>& reportFailure,
                        RowProgress* progress = nullptr);
  // Whether DecodeForDisplay will hand the photo's rows to a progress as it decodes them: a
  // JPEG of the built-in decoder that was not decoded ahead.
  bool DecodesRowsOf(const QString& path) const;
  // Starts decoding, on a worker thread, the photo the display is likely to show next and,
  // when memory allows, the one it may show instead (empty when there is none), as far as
  // the display would decode them with the JPEG decoder; DecodeForDisplay takes them over.
  void DecodeAhead(const QString& next, const QString& instead = {});
  // Drops the photos decoded ahead and their memory.
  void ForgetDecodedAhead();
  // Off, nothing is decoded ahead (for measuring the display without it).
  void EnableDecodeAhead(bool enabled);
  // Returns once the decoding ahead has caught up (for measurements and tests).
  void WaitDecodedAhead();

  // Fills target as a 24-bit buffer and returns the JPEG reduction applied (1, 2 or 4; 1 for
  // other types); nothing when a compressed TIFF ended it. failureAction (the thumbnail
  // maker's) runs for every attempt that fails; a decoder's error runs it, then is thrown.
  std::optional<int> DecodeForThumbnail(const QString& path, TSPIQxDIB& target,
                                        const ThumbnailZoom& zoom,
                                        const std::function<void()>& failureAction);

 private:
  bool DecodedByJpeg(const QString& path) const;

  PluginFlags flags_;
  PicturePluginHost* host_;
  std::unique_ptr<JpegPrefetcher> ahead_;  // made at the first DecodeAhead
  bool aheadEnabled_ = true;
};

}  // namespace kasumori::imaging
