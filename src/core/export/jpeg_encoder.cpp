// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/jpeg_encoder.h"

#include "imaging/errors.h"
#include "imaging/jpeg/jpeg_source.h"

#include <jerror.h>

#include <algorithm>
#include <new>

namespace kasumori::exporting {

namespace {

// Writes into a vector that grows as libjpeg fills it; the vector is trimmed to the bytes
// written when the encode ends.
struct VectorDestination {
  jpeg_destination_mgr pub;
  std::vector<std::uint8_t>* bytes;
};

// Grows without letting an exception into libjpeg's frames: the caller turns false into
// libjpeg's own out-of-memory error, which comes back through the guard.
bool Grow(std::vector<std::uint8_t>& bytes) noexcept {
  try {
    bytes.resize(bytes.size() * 2);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void InitDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<VectorDestination*>(cinfo->dest);
  d->pub.next_output_byte = d->bytes->data();
  d->pub.free_in_buffer = d->bytes->size();
}

// Called with the whole buffer full, whatever free_in_buffer says.
boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<VectorDestination*>(cinfo->dest);
  const std::size_t used = d->bytes->size();
  if (!Grow(*d->bytes)) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  d->pub.next_output_byte = d->bytes->data() + used;
  d->pub.free_in_buffer = d->bytes->size() - used;
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<VectorDestination*>(cinfo->dest);
  d->bytes->resize(d->bytes->size() - d->pub.free_in_buffer);
}

struct EncodeArgs {
  const pixels::ConstPixelView* picture;
  int quality;
  VectorDestination* destination;
};

void EncodeSteps(j_compress_ptr cinfo, const EncodeArgs& a) {
  jpeg_create_compress(cinfo);
  a.destination->pub.init_destination = InitDestination;
  a.destination->pub.empty_output_buffer = EmptyOutputBuffer;
  a.destination->pub.term_destination = TermDestination;
  cinfo->dest = &a.destination->pub;
  cinfo->image_width = JDIMENSION(a.picture->width);
  cinfo->image_height = JDIMENSION(a.picture->height);
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, a.quality, TRUE);
  jpeg_start_compress(cinfo, TRUE);
  while (cinfo->next_scanline < cinfo->image_height) {
    // libjpeg takes writable row pointers but only reads the rows.
    JSAMPROW row = const_cast<JSAMPROW>(a.picture->Row(int(cinfo->next_scanline)));
    jpeg_write_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_compress(cinfo);
}

// The one setjmp of the encoder; this frame holds only plain values.
bool Guarded(imaging::jpeg::ThrowingErrorManager& err, j_compress_ptr cinfo,
             const EncodeArgs& args) {
  if (setjmp(err.jump) != 0) return false;
  EncodeSteps(cinfo, args);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const pixels::ConstPixelView& picture, int quality) {
  if (picture.Empty()) throw imaging::EJpegError("EncodeJpeg: Empty picture");
  // About a quarter of the raw size covers a photo at high quality; the rest grows as needed.
  std::vector<std::uint8_t> bytes(std::max<std::size_t>(
      std::size_t(picture.width) * std::size_t(picture.height) * 3 / 4, std::size_t(64) * 1024));
  VectorDestination destination{{}, &bytes};
  jpeg_compress_struct cinfo{};
  imaging::jpeg::ThrowingErrorManager err{};
  cinfo.err = imaging::jpeg::InstallErrorManager(err);
  const bool done = Guarded(err, &cinfo, {&picture, quality, &destination});
  jpeg_destroy_compress(&cinfo);
  if (!done) throw imaging::EJpegError(err.message);
  return bytes;
}

}  // namespace kasumori::exporting
