// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decode/photo_decoder.h"

#include "imaging/decode/decode_steps.h"
#include "imaging/decode/jpeg_prefetch.h"
#include "imaging/dib/spi_qx_dib.h"
#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_format.h"
#include "imaging/photo_type.h"
#include "imaging/tiff/tiff_reader.h"

#include <cmath>

namespace kasumori::imaging {

namespace {

constexpr int kThumbnailSourceWidth = 320;
constexpr int kThumbnailSourceHeight = 240;

StepOutcome TiffStep(const QString& path, TiffSampling sampling, TQxDIB& target) {
  FileSource file(path);
  switch (ReadTiff(file, sampling, target)) {
    case TiffReadResult::Decoded:
      return StepOutcome::Decoded;
    case TiffReadResult::NoStrips:
      return StepOutcome::Failed;
    case TiffReadResult::Compressed:
      return StepOutcome::End;
  }
  return StepOutcome::Failed;
}

StepOutcome LoadStep(const QString& path, TSPIQxDIB& target) {
  target.LoadFromFile(path);
  return StepOutcome::Decoded;
}

bool StartsWithSoi(ByteSource& source) {
  std::uint8_t head[2];
  return source.ReadAt(0, head, sizeof head) && head[0] == jpeg::kMarkerPrefix &&
         head[1] == jpeg::kStartOfImage;
}

}  // namespace

PluginFlags PluginFlagsFor(const QStringList& pluginExtensions) {
  return {.PluginHandlesJpg = pluginExtensions.contains(".jpg"),
          .PluginHandlesBmp = pluginExtensions.contains(".bmp"),
          .PluginHandlesTif = pluginExtensions.contains(".tif")};
}

JpegSize ThumbnailTarget(const ThumbnailZoom& zoom) {
  if (!zoom.Zoomed) return {kThumbnailSourceWidth, kThumbnailSourceHeight};
  return {int(std::trunc(kThumbnailSourceWidth * zoom.Factor + 0.5)),
          int(std::trunc(kThumbnailSourceHeight * zoom.Factor + 0.5))};
}

JpegScale ThumbnailScale(JpegSize quarter, const ThumbnailZoom& zoom) {
  const JpegSize t = ThumbnailTarget(zoom);
  if (quarter.width < t.width || quarter.height < t.height) return JpegScale::Full;
  if (quarter.width < 2 * t.width || quarter.height < 2 * t.height) return JpegScale::Half;
  return JpegScale::Quarter;
}

std::optional<int> DecodeJpegThumbnail(const QString& path, TQxDIB& target,
                                       const ThumbnailZoom& zoom) {
  FileSource file(path);
  if (!StartsWithSoi(file)) return std::nullopt;
  JpegDecoder decoder(file);
  // The quarter-scale size comes from the header alone: one decode, not two.
  const JpegScale scale = ThumbnailScale(decoder.ScaledSize(JpegScale::Quarter), zoom);
  decoder.Decode(scale, JpegMethod::Fast, target);
  return static_cast<int>(scale);
}

PhotoDecoder::PhotoDecoder(PluginFlags flags, PicturePluginHost* host)
    : flags_(flags), host_(host) {}
PhotoDecoder::~PhotoDecoder() = default;
PhotoDecoder::PhotoDecoder(PhotoDecoder&&) noexcept = default;
PhotoDecoder& PhotoDecoder::operator=(PhotoDecoder&&) noexcept = default;

bool PhotoDecoder::DecodedByJpeg(const QString& path) const {
  return PhotoTypeOf(path) == PhotoType::Jpeg && !flags_.PluginHandlesJpg;
}

bool PhotoDecoder::DecodesRowsOf(const QString& path) const {
  return DecodedByJpeg(path) && !(ahead_ && ahead_->Holds(path));
}

void PhotoDecoder::DecodeAhead(const QString& next, const QString& instead) {
  if (!aheadEnabled_) return;
  if (!ahead_) ahead_ = std::make_unique<JpegPrefetcher>();
  // The newest request is decoded first, so the likelier photo is asked for last.
  if (!instead.isEmpty() && DecodedByJpeg(instead))
    ahead_->Request(instead, JpegPrefetcher::Need::IfMemoryAllows);
  if (DecodedByJpeg(next)) ahead_->Request(next);
}

void PhotoDecoder::ForgetDecodedAhead() {
  if (ahead_) ahead_->Clear();
}

void PhotoDecoder::EnableDecodeAhead(bool enabled) {
  aheadEnabled_ = enabled;
  if (!enabled) ForgetDecodedAhead();
}

void PhotoDecoder::WaitDecodedAhead() {
  if (ahead_) ahead_->WaitIdle();
}

bool PhotoDecoder::DecodeForDisplay(const QString& path, TSPIQxDIB& SourcePicture,
                                    const std::function<void()>& reportFailure,
                                    RowProgress* progress) {
  SourcePicture.SetPluginHost(host_);
  const PhotoType type = PhotoTypeOf(path);
  const bool decoded = RunDecodeSteps(
      {{type == PhotoType::Jpeg && !flags_.PluginHandlesJpg,
        [&] {
          if (ahead_ && ahead_->Take(path, SourcePicture)) return StepOutcome::Decoded;
          FileSource file(path);
          JpegDecoder(file).Decode(JpegScale::Full, JpegMethod::Accurate, SourcePicture, progress);
          return StepOutcome::Decoded;
        }},
       {type == PhotoType::Bmp && !flags_.PluginHandlesBmp,
        [&] { return LoadStep(path, SourcePicture); }},
       {type == PhotoType::Tiff && !flags_.PluginHandlesTif,
        [&] { return TiffStep(path, TiffSampling::Full, SourcePicture); }},
       {true, [&] { return LoadStep(path, SourcePicture); }}},
      reportFailure);
  if (decoded) SourcePicture.SetPixelFormat(TQxPixelFormat::Bit24);
  return decoded;
}

std::optional<int> PhotoDecoder::DecodeForThumbnail(const QString& path, TSPIQxDIB& target,
                                                    const ThumbnailZoom& zoom,
                                                    const std::function<void()>& failureAction) {
  target.SetPluginHost(host_);
  const PhotoType type = PhotoTypeOf(path);
  int reduction = 1;
  const bool decoded = RunDecodeSteps(
      {{type == PhotoType::Jpeg,
        [&] {
          const std::optional<int> scaled = DecodeJpegThumbnail(path, target, zoom);
          if (!scaled) return StepOutcome::Failed;
          reduction = *scaled;
          return StepOutcome::Decoded;
        }},
       {type == PhotoType::Bmp && !flags_.PluginHandlesBmp, [&] { return LoadStep(path, target); }},
       {type == PhotoType::Tiff && !flags_.PluginHandlesTif,
        [&] { return TiffStep(path, TiffSampling::Sparse, target); }},
       {true, [&] { return LoadStep(path, target); }}},
      failureAction);
  if (!decoded) return std::nullopt;
  target.SetPixelFormat(TQxPixelFormat::Bit24);
  return reduction;
}

}  // namespace kasumori::imaging
