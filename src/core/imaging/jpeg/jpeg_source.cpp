// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/jpeg/jpeg_source.h"

#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_format.h"

#include <algorithm>

#include <jerror.h>

namespace kasumori::imaging::jpeg {

namespace {

void ErrorExit(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ThrowingErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

void OutputMessage(j_common_ptr) {}

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
  auto* m = reinterpret_cast<ByteSourceManager*>(cinfo->src);
  const std::uint64_t size = std::min(m->source->Size(), m->limit);
  const std::size_t n =
      m->offset < size
          ? std::size_t(std::min<std::uint64_t>(ByteSourceManager::kChunk, size - m->offset))
          : 0;
  if (n == 0 || !m->source->ReadAt(m->offset, m->buffer, n)) {
    WARNMS(cinfo, JWRN_JPEG_EOF);
    m->buffer[0] = kMarkerPrefix;
    m->buffer[1] = kEndOfImage;
    m->pub.next_input_byte = m->buffer;
    m->pub.bytes_in_buffer = 2;
    return TRUE;
  }
  m->offset += n;
  m->pub.next_input_byte = m->buffer;
  m->pub.bytes_in_buffer = n;
  return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
  auto* m = reinterpret_cast<ByteSourceManager*>(cinfo->src);
  if (count <= 0) return;
  const auto skip = static_cast<std::size_t>(count);
  if (skip <= m->pub.bytes_in_buffer) {
    m->pub.next_input_byte += skip;
    m->pub.bytes_in_buffer -= skip;
    return;
  }
  // Past the buffered bytes: move the file position; the next fill reads from there.
  m->offset += skip - m->pub.bytes_in_buffer;
  m->pub.bytes_in_buffer = 0;
}

void TermSource(j_decompress_ptr) {}

// libjpeg calls this before each row of MCUs it reads and each batch of rows it outputs, so a
// file of many tiny scans is stopped at the first row of the scan past the limit, and a
// decoding no longer wanted soon after it is told to stop. Once a scan's last row of MCUs is
// in, what follows up to the next scan is only markers.
void CheckScanCount(j_common_ptr common) {
  if (!common->is_decompressor) return;
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  const auto* limit = reinterpret_cast<const ScanLimit*>(common->progress);
  if (limit->file != nullptr) {
    if (cinfo->input_iMCU_row >= cinfo->total_iMCU_rows)
      LimitReadingToGap(*limit->file, limit->gapBytes);
    else
      limit->file->limit = UINT64_MAX;
  }
  auto* manager = reinterpret_cast<ThrowingErrorManager*>(common->err);
  if (limit->stop != nullptr && limit->stop->load(std::memory_order_relaxed)) {
    std::snprintf(manager->message, sizeof manager->message, "JPEG decoding stopped");
    std::longjmp(manager->jump, 1);
  }
  if (cinfo->input_scan_number <= limit->maxScans) return;
  std::snprintf(manager->message, sizeof manager->message, "JPEG image has more than %d scans",
                limit->maxScans);
  std::longjmp(manager->jump, 1);
}

}  // namespace

jpeg_error_mgr* InstallErrorManager(ThrowingErrorManager& manager) {
  jpeg_error_mgr* err = jpeg_std_error(&manager.pub);
  err->error_exit = ErrorExit;
  err->output_message = OutputMessage;
  manager.message[0] = '\0';
  return err;
}

bool InstallSource(j_decompress_ptr cinfo, ByteSourceManager& manager, ByteSource& source) {
  if (auto* memory = dynamic_cast<MemorySource*>(&source)) {
    // Bytes already in memory: libjpeg reads them in place.
    jpeg_mem_src(cinfo, memory->Bytes().data(), static_cast<unsigned long>(memory->Bytes().size()));
    return false;
  }
  manager.source = &source;
  manager.offset = 0;
  manager.pub.init_source = InitSource;
  manager.pub.fill_input_buffer = FillInputBuffer;
  manager.pub.skip_input_data = SkipInputData;
  manager.pub.resync_to_restart = jpeg_resync_to_restart;
  manager.pub.term_source = TermSource;
  manager.pub.bytes_in_buffer = 0;
  manager.pub.next_input_byte = nullptr;
  cinfo->src = &manager.pub;
  return true;
}

void LimitReadingToGap(ByteSourceManager& manager, std::uint64_t gapBytes) {
  // The buffer holds the bytes just before `offset` that libjpeg has not taken yet.
  manager.limit = manager.offset - manager.pub.bytes_in_buffer + gapBytes;
}

void InstallScanLimit(j_decompress_ptr cinfo, ScanLimit& limit, int maxScans) {
  limit.pub = {};
  limit.pub.progress_monitor = CheckScanCount;
  limit.maxScans = maxScans;
  cinfo->progress = &limit.pub;
}

}  // namespace kasumori::imaging::jpeg
