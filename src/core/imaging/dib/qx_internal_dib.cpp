// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/dib/qx_internal_dib.h"

#include "imaging/dib/dib_geometry.h"
#include "imaging/errors.h"

#include <cstring>

namespace kasumori::imaging {

TQxInternalDIB::TQxInternalDIB(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                               std::uint32_t colorsUsed)
    : colorsUsed(colorsUsed), width_(width), height_(height), bitCount_(bitCount) {
  const auto bytes = ImageBytes(width, height, bitCount);
  if (!bytes) throw EQxDIBInvalidDIBPara("TQxInternalDIB.Create: Image is too large");
  stride_ = static_cast<std::size_t>(RowStride(std::uint64_t(width), bitCount));
  Allocate(*bytes);
}

std::unique_ptr<TQxInternalDIB> TQxInternalDIB::Compressed(std::int32_t width, std::int32_t height,
                                                           std::uint16_t bitCount,
                                                           DibCompression compression,
                                                           std::size_t dataBytes) {
  std::unique_ptr<TQxInternalDIB> dib(new TQxInternalDIB());
  dib->width_ = width;
  dib->height_ = height;
  dib->bitCount_ = bitCount;
  dib->compression_ = compression;
  dib->stride_ = static_cast<std::size_t>(RowStride(std::uint64_t(width), bitCount));
  dib->Allocate(dataBytes);
  return dib;
}

std::unique_ptr<TQxInternalDIB> TQxInternalDIB::Clone() const {
  std::unique_ptr<TQxInternalDIB> copy(new TQxInternalDIB());
  copy->colors = colors;
  copy->colorsUsed = colorsUsed;
  copy->colorsImportant = colorsImportant;
  copy->xPelsPerMeter = xPelsPerMeter;
  copy->yPelsPerMeter = yPelsPerMeter;
  copy->useFMO = useFMO;
  copy->width_ = width_;
  copy->height_ = height_;
  copy->bitCount_ = bitCount_;
  copy->compression_ = compression_;
  copy->stride_ = stride_;
  copy->Allocate(imageSize_);
  if (imageSize_ > 0) std::memcpy(copy->pixels_.get(), pixels_.get(), imageSize_);
  return copy;
}

std::unique_ptr<TQxInternalDIB> TQxInternalDIB::Adopt(std::int32_t width, std::int32_t height,
                                                      std::uint16_t bitCount, std::uint8_t* block) {
  const auto bytes = ImageBytes(width, height, bitCount);
  if (!bytes || !block) throw EQxDIBInvalidDIBPara("TQxInternalDIB.Create: Image is too large");
  std::unique_ptr<TQxInternalDIB> dib(new TQxInternalDIB());
  dib->width_ = width;
  dib->height_ = height;
  dib->bitCount_ = bitCount;
  dib->stride_ = static_cast<std::size_t>(RowStride(std::uint64_t(width), bitCount));
  dib->imageSize_ = *bytes;
  dib->capacity_ = *bytes;
  dib->pixels_.reset(block);
  return dib;
}

bool TQxInternalDIB::Refit(std::int32_t width, std::int32_t height, std::uint16_t bitCount) {
  const auto bytes = ImageBytes(width, height, bitCount);
  if (!bytes || *bytes > capacity_ || compression_ != DibCompression::None) return false;
  width_ = width;
  height_ = height;
  bitCount_ = bitCount;
  stride_ = static_cast<std::size_t>(RowStride(std::uint64_t(width), bitCount));
  imageSize_ = *bytes;
  return true;
}

void TQxInternalDIB::Allocate(std::size_t bytes) {
  imageSize_ = bytes;
  capacity_ = bytes;
  // One byte at least, so that Data() is never null even for empty compressed data.
  pixels_.reset(static_cast<std::uint8_t*>(std::calloc(bytes > 0 ? bytes : 1, 1)));
  if (!pixels_) throw EQxDIBError("GetMemory: Cannot Make View of File Map");
}

}  // namespace kasumori::imaging
