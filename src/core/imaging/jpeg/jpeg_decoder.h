// SPDX-License-Identifier: GPL-3.0-or-later
// One JPEG decode with libjpeg-turbo straight into a 24-bit TQxDIB: blue-green-red rows
// written by the library into the buffer's own rows, no conversion pass.
#pragma once

#include <memory>

namespace kasumori::imaging {

class ByteSource;
class TQxDIB;

enum class JpegMethod { Accurate, Fast };  // JDCT_ISLOW for display, JDCT_IFAST for thumbnails
enum class JpegScale { Full = 1, Half = 2, Quarter = 4 };

struct JpegSize {
  int width;
  int height;
};

class JpegDecoder {
 public:
  // Reads the header; throws EJpegError with libjpeg's message when it rejects the data.
  explicit JpegDecoder(ByteSource& source);
  ~JpegDecoder();
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;

  // Output size at a scale, as libjpeg computes it (rounded up).
  JpegSize ScaledSize(JpegScale scale);
  // Decodes into target, which becomes a 24-bit buffer of the scaled size; its storage is
  // kept when it already has that shape and is not shared. Throws EJpegError, or
  // EQxDIBInvalidDIBPara for a picture over the size limit (checked before allocating).
  // After a failure part way through, the rows not yet decoded keep their old pixels.
  void Decode(JpegScale scale, JpegMethod method, TQxDIB& target);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace kasumori::imaging
