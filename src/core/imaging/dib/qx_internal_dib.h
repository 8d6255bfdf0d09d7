// SPDX-License-Identifier: GPL-3.0-or-later
// The storage one or more TQxDIB objects share: header, colour table and pixel memory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace kasumori::imaging {

// How the pixel memory holds its rows. Uncompressed rows are always top-down in memory
// (row 0 is the top of the picture), whatever order the file had.
enum class DibCompression : std::uint32_t { None = 0, Rle8 = 1, Rle4 = 2 };

// Pixels per metre written into headers that come without one (96 dots per inch).
inline constexpr std::int32_t kDefaultPelsPerMeter = 3780;

class TQxInternalDIB {
 public:
  // A zero-filled (black) storage; throws EQxDIBInvalidDIBPara when the size is refused.
  TQxInternalDIB(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                 std::uint32_t colorsUsed);
  // Compressed pixel data as read from a file (run-length rows counted from the bottom).
  static std::unique_ptr<TQxInternalDIB> Compressed(std::int32_t width, std::int32_t height,
                                                    std::uint16_t bitCount,
                                                    DibCompression compression,
                                                    std::size_t dataBytes);
  // Takes a malloc() block that already holds the rows in this storage's layout (top-down,
  // 32-bit aligned) and at least their size: a plug-in's 24-bit result needs no copy then.
  static std::unique_ptr<TQxInternalDIB> Adopt(std::int32_t width, std::int32_t height,
                                               std::uint16_t bitCount, std::uint8_t* block);
  std::unique_ptr<TQxInternalDIB> Clone() const;
  // Takes the shape of an uncompressed w × h picture in the memory already held, when it is
  // large enough; the pixels are then whatever was there. False (and nothing changed) when
  // the memory is too small or the storage is compressed.
  bool Refit(std::int32_t width, std::int32_t height, std::uint16_t bitCount);

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::uint16_t BitCount() const { return bitCount_; }
  DibCompression Compression() const { return compression_; }
  std::size_t Stride() const { return stride_; }
  std::size_t ImageSize() const { return imageSize_; }
  std::uint8_t* Data() { return pixels_.get(); }
  const std::uint8_t* Data() const { return pixels_.get(); }
  std::uint8_t* Row(int y) { return pixels_.get() + std::size_t(y) * stride_; }
  const std::uint8_t* Row(int y) const { return pixels_.get() + std::size_t(y) * stride_; }

  // Colour-table entries as the file holds them: blue, green, red, reserved in memory,
  // which reads as 0x00RRGGBB on this little-endian machine.
  std::array<std::uint32_t, 256> colors{};
  std::uint32_t colorsUsed = 0;
  std::uint32_t colorsImportant = 0;
  std::int32_t xPelsPerMeter = kDefaultPelsPerMeter;
  std::int32_t yPelsPerMeter = kDefaultPelsPerMeter;
  bool paletteChanged = false;
  bool useFMO = true;

 private:
  struct FreeDeleter {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };
  TQxInternalDIB() = default;
  void Allocate(std::size_t bytes);

  std::int32_t width_ = 1;
  std::int32_t height_ = 1;
  std::uint16_t bitCount_ = 8;
  DibCompression compression_ = DibCompression::None;
  std::size_t stride_ = 0;
  std::size_t imageSize_ = 0;
  std::size_t capacity_ = 0;  // bytes held, at least imageSize_
  // calloc: large blocks come straight from the kernel already zeroed, so a new black
  // buffer of a photo's size costs no clearing pass.
  std::unique_ptr<std::uint8_t, FreeDeleter> pixels_;
};

}  // namespace kasumori::imaging
