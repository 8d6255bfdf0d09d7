// SPDX-License-Identifier: GPL-3.0-or-later
// What every shipped plug-in shares: its information texts, the picture's bytes from a file or
// from memory, and the result blocks (a 24-bit top-down bitmap) allocated only after the size
// has been checked against the program's pixel limit.
#pragma once

#include "kasumori/spi_plugin.h"

#include <cstddef>
#include <cstdint>

namespace spi_kit {

// GetPluginInfo over a table: texts[0] the version, [1] the description, then filter and type
// name pairs.
int CopyInformation(int number, char* buffer, int length, const char* const* texts, int count);

// The picture's bytes: a read-only mapping of the file from the offset on, or the caller's
// memory. Empty (data null) when the source cannot be read.
class PictureBytes {
 public:
  PictureBytes(const char* source, intptr_t length, unsigned flag);
  ~PictureBytes();
  PictureBytes(const PictureBytes&) = delete;
  PictureBytes& operator=(const PictureBytes&) = delete;

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }
  bool ok() const { return data_ != nullptr; }

 private:
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  void* mapping_ = nullptr;
  std::size_t mappingSize_ = 0;
};

// True when a width × height picture is within the program's pixel limit.
bool WithinLimit(std::int64_t width, std::int64_t height);

// The result of GetPicture: a 40-byte header for a top-down 24-bit picture and its rows
// (blue, green, red; rows padded to 32 bits). Both blocks are malloc() blocks; the caller
// hands them to the host with Release, or they are freed with this object.
class Bitmap24 {
 public:
  Bitmap24() = default;
  ~Bitmap24();
  Bitmap24(const Bitmap24&) = delete;
  Bitmap24& operator=(const Bitmap24&) = delete;

  // SPI_NO_MEMORY for a size over the limit (nothing is allocated then) or a failed malloc().
  int Allocate(int width, int height);
  std::uint8_t* Row(int y) { return pixels_ + std::size_t(y) * stride_; }
  std::size_t Stride() const { return stride_; }
  void Release(void** info, void** pixels);

 private:
  void* info_ = nullptr;
  std::uint8_t* pixels_ = nullptr;
  std::size_t stride_ = 0;
};

// Fills the picture information for a picture of this size and depth.
void FillInfo(SpiPictureInfo* info, int width, int height, int depth);

// Reports done of total; true when the host asks to stop.
inline bool Stopped(SpiProgressCallback progress, int done, int total, intptr_t user) {
  return progress && progress(done, total, user) != 0;
}

}  // namespace spi_kit
