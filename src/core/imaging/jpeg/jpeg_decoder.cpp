// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/jpeg/jpeg_decoder.h"

#include "imaging/decode/row_progress.h"
#include "imaging/dib/dib_geometry.h"
#include "imaging/dib/qx_dib.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_source.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace kasumori::imaging {

// Owns the libjpeg object: destroyed here, so that a header the library rejects inside the
// decoder's constructor (where no destructor of the decoder runs) leaks nothing. Destroying
// an object that was never created is safe: its memory manager is still null.
struct JpegDecoder::State {
  ~State() { jpeg_destroy_decompress(&cinfo); }
  jpeg_decompress_struct cinfo{};
  jpeg::ThrowingErrorManager err{};
  jpeg::ByteSourceManager source{};
  jpeg::ScanLimit scans{};
  bool readsFile = false;  // through `source`, whose read limit then applies
};

namespace {

using Step = void (*)(j_decompress_ptr cinfo, void* arg);

// The one place that calls setjmp. This frame and every step run under it hold only plain
// values and pointers, so the library's jump back here skips no destructor.
bool Guarded(jpeg::ThrowingErrorManager& err, j_decompress_ptr cinfo, Step step, void* arg) {
  if (setjmp(err.jump) != 0) return false;
  step(cinfo, arg);
  return true;
}

struct OpenArgs {
  jpeg::ByteSourceManager* manager;
  ByteSource* source;
  jpeg::ScanLimit* scans;
  bool* readsFile;
};

void OpenStep(j_decompress_ptr cinfo, void* arg) {
  auto* a = static_cast<OpenArgs*>(arg);
  jpeg_create_decompress(cinfo);
  *a->readsFile = jpeg::InstallSource(cinfo, *a->manager, *a->source);
  a->manager->limit = jpeg_limits::kMetadataBytes;
  jpeg::InstallScanLimit(cinfo, *a->scans, jpeg_limits::kMaxScans);
  if (*a->readsFile) {
    a->scans->file = a->manager;
    a->scans->gapBytes = jpeg_limits::kScanGapBytes;
  }
  jpeg_read_header(cinfo, TRUE);
}

std::uint64_t Blocks(const jpeg_decompress_struct& c) {
  std::uint64_t blocks = 0;
  for (int i = 0; i < c.num_components; ++i)
    blocks += std::uint64_t(c.comp_info[i].width_in_blocks) * c.comp_info[i].height_in_blocks;
  return blocks;
}

// The declared full size, before anything is decoded at any scale: the pixel limit of every
// buffer, then the least data a complete file of that size holds (see jpeg_limits). The
// component sizes in blocks are known once jpeg_read_header has reached the first scan.
void CheckDeclaredSize(const jpeg_decompress_struct& c, std::uint64_t fileBytes) {
  if (!ImageBytes(c.image_width, c.image_height, 24))
    throw EQxDIBInvalidDIBPara("TQxInternalDIB.Create: Image is too large");
  const std::uint64_t blocks = Blocks(c);
  if (blocks > fileBytes * jpeg_limits::kBlocksPerByte)
    throw EJpegError("JPEG file of " + std::to_string(fileBytes) + " bytes is too short for " +
                     std::to_string(c.image_width) + " x " + std::to_string(c.image_height) +
                     " pixels");
}

// libjpeg's share of one decode's memory (jpeg_limits::kDecodeMemory) beside an output
// buffer of `outputBytes`. It bounds the whole-picture arrays libjpeg sets up when
// decompression starts; past it libjpeg would need a backing store, which this build of it
// refuses with an error.
long LibraryMemory(std::uint64_t outputBytes) {
  using namespace jpeg_limits;
  const std::uint64_t left = outputBytes < kDecodeMemory ? kDecodeMemory - outputBytes : 0;
  return long(std::max(left, kMinLibraryMemory));
}

void CalcStep(j_decompress_ptr cinfo, void*) { jpeg_calc_output_dimensions(cinfo); }

struct RowsArgs {
  std::uint8_t* top;
  std::size_t stride;
  RowProgress* progress;
  jpeg::ByteSourceManager* file;  // null when libjpeg reads from memory
};

// Sets up the whole-picture arrays under the memory cap and, for a progressive file, reads
// every scan: done before the output buffer exists, so a refused file allocates nothing.
void StartStep(j_decompress_ptr cinfo, void*) { jpeg_start_decompress(cinfo); }

void RowsStep(j_decompress_ptr cinfo, void* arg) {
  auto* a = static_cast<RowsArgs*>(arg);
  constexpr JDIMENSION kBatch = 16;  // rows handed to libjpeg per call
  JSAMPROW rows[kBatch];
  while (cinfo->output_scanline < cinfo->output_height) {
    const JDIMENSION n = std::min(kBatch, cinfo->output_height - cinfo->output_scanline);
    for (JDIMENSION i = 0; i < n; ++i)
      rows[i] = a->top + std::size_t(cinfo->output_scanline + i) * a->stride;
    jpeg_read_scanlines(cinfo, rows, n);
    if (a->progress != nullptr) a->progress->Publish(int(cinfo->output_scanline));
  }
  // The end-of-image marker is all that is left; libjpeg does not report reading to it.
  if (a->file != nullptr) jpeg::LimitReadingToGap(*a->file, jpeg_limits::kScanGapBytes);
  jpeg_finish_decompress(cinfo);
}

}  // namespace

JpegDecoder::JpegDecoder(ByteSource& source) : state_(std::make_unique<State>()) {
  state_->cinfo.err = jpeg::InstallErrorManager(state_->err);
  OpenArgs args{&state_->source, &source, &state_->scans, &state_->readsFile};
  if (!Guarded(state_->err, &state_->cinfo, OpenStep, &args)) throw EJpegError(state_->err.message);
  CheckDeclaredSize(state_->cinfo, source.Size());
}

JpegDecoder::~JpegDecoder() = default;

void JpegDecoder::SetStopFlag(const std::atomic<bool>* stop) { state_->scans.stop = stop; }

JpegSize JpegDecoder::ScaledSize(JpegScale scale) {
  jpeg_decompress_struct& c = state_->cinfo;
  c.scale_num = 1;
  c.scale_denom = static_cast<unsigned>(scale);
  if (!Guarded(state_->err, &c, CalcStep, nullptr)) throw EJpegError(state_->err.message);
  return {int(c.output_width), int(c.output_height)};
}

void JpegDecoder::Decode(JpegScale scale, JpegMethod method, TQxDIB& target,
                         RowProgress* progress) {
  // Whatever way this ends, a reader of the rows hears of it.
  struct Ending {
    RowProgress* progress;
    bool decoded = false;
    ~Ending() {
      if (progress != nullptr) progress->End(decoded);
    }
  } ending{progress};
  jpeg_decompress_struct& c = state_->cinfo;
  c.dct_method = method == JpegMethod::Accurate ? JDCT_ISLOW : JDCT_IFAST;
  c.out_color_space = JCS_EXT_BGR;
  const JpegSize size = ScaledSize(scale);
  const std::optional<std::size_t> outputBytes = ImageBytes(size.width, size.height, 24);
  if (!outputBytes) throw EQxDIBInvalidDIBPara("TQxInternalDIB.Create: Image is too large");
  c.mem->max_memory_to_use = LibraryMemory(*outputBytes);
  if (!Guarded(state_->err, &c, StartStep, nullptr)) throw EJpegError(state_->err.message);
  target.ReshapeReusing(size.width, size.height, 24);
  RowsArgs rows{target.ScanLine(0), std::size_t(target.Stride()), progress,
                state_->readsFile ? &state_->source : nullptr};
  if (progress != nullptr)
    progress->Begin({rows.top, size.width, size.height, std::ptrdiff_t(rows.stride)});
  if (!Guarded(state_->err, &c, RowsStep, &rows)) throw EJpegError(state_->err.message);
  ending.decoded = true;
}

}  // namespace kasumori::imaging
