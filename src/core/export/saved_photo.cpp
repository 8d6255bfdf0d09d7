// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/saved_photo.h"

#include "export/exif_head.h"
#include "export/jpeg_encoder.h"
#include "export/photo_file.h"
#include "imaging/errors.h"
#include "imaging/exif/exif_reader.h"
#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_format.h"
#include "pixels/dib_views.h"

namespace kasumori::exporting {

namespace {

// The start-of-image marker the encoder writes; the head brings its own.
constexpr std::size_t kEncoderSoiBytes = 2;

// The segment's entries are found again in the file as it is now rather than taken from the
// display: a panorama shows no photo's Exif, and the file may have changed since it was shown.
std::vector<std::uint8_t> HeadFor(const SaveJob& job) {
  const std::vector<std::uint8_t> plain{imaging::jpeg::kMarkerPrefix, imaging::jpeg::kStartOfImage};
  if (!job.options.withExif || job.photoPath.isEmpty()) return plain;
  imaging::FileSource photo(job.photoPath);  // throws EReadError when it cannot be opened
  imaging::ExifLayout layout;
  try {
    imaging::ReadPhotoInfo(photo, job.photoPath, layout);
  } catch (const imaging::EExifReadError&) {
    return plain;  // a segment whose directories run out of the file is not copied
  }
  return ExifHead(photo, layout, job.picture.Width(), job.picture.Height());
}

}  // namespace

imaging::TQxDIB CapturePicture(const pixels::ConstPixelView& screen, const QRect& area) {
  const pixels::ConstPixelView part =
      pixels::SubView(screen, area.x(), area.y(), area.width(), area.height());
  imaging::TQxDIB picture;
  picture.SetBitCount(24);
  if (part.Empty()) return picture;
  picture.SetSize(part.width, part.height);
  pixels::CopyPixels(part, pixels::ViewOf(picture));
  return picture;
}

std::optional<QString> WriteSavedPhoto(const SaveJob& job) {
  if (job.options.format == SaveFormat::Bmp) {
    const std::vector<std::uint8_t> bmp = job.picture.SaveToBytes();
    return WritePhotoFile(job.target, {bmp});
  }
  const std::vector<std::uint8_t> head = HeadFor(job);
  const std::vector<std::uint8_t> encoded =
      EncodeJpeg(pixels::ConstViewOf(job.picture), JpegQuality(job.options.qualityStep));
  return WritePhotoFile(job.target, {head, ByteSpan(encoded).subspan(kEncoderSoiBytes)});
}

}  // namespace kasumori::exporting
