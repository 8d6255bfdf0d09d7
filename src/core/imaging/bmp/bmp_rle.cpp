// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmp/bmp_rle.h"

#include "imaging/bmp/bmp_format.h"
#include "imaging/errors.h"

#include <string>

namespace kasumori::imaging::bmp {

namespace {

class RleDecoder {
 public:
  RleDecoder(std::span<const std::uint8_t> data, int width, int height, RleDepth depth)
      : data_(data),
        width_(width),
        height_(height),
        depth_(depth),
        out_(std::size_t(width) * std::size_t(height), 0) {}

  std::vector<std::uint8_t> Run() {
    while (pos_ + 1 < data_.size()) {
      const std::uint8_t count = data_[pos_++];
      const std::uint8_t code = data_[pos_++];
      if (count > 0) {
        Encoded(count, code);
      } else if (code == kRleEndOfLine) {
        x_ = 0;
        ++y_;
      } else if (code == kRleEndOfBitmap) {
        break;
      } else if (code == kRleDelta) {
        Delta();
      } else {
        Absolute(code);
      }
    }
    return std::move(out_);
  }

 private:
  [[noreturn]] void Fail(int fault) const {
    const bool eight = depth_ == RleDepth::Rle8;
    const int number = eight ? fault : fault + 4;
    throw EQxDIBInvalidDIB(
        std::string(eight ? "Convert8BitRLETo8BitRGB" : "Convert4BitRLETo4BitRGB") +
        ": Bad RLE Data " + std::to_string(number));
  }

  // Index row of the current line; lines are counted from the bottom of the picture.
  std::uint8_t* Line() {
    if (y_ >= height_) Fail(4);
    return out_.data() + std::size_t(height_ - 1 - y_) * std::size_t(width_);
  }

  void Encoded(int count, std::uint8_t value) {
    if (x_ + count > width_) Fail(1);
    std::uint8_t* line = Line();
    for (int i = 0; i < count; ++i) {
      line[x_ + i] = depth_ == RleDepth::Rle8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F);
    }
    x_ += count;
  }

  void Absolute(int count) {
    const std::size_t bytes = depth_ == RleDepth::Rle8 ? count : (count + 1) / 2;
    const std::size_t padded = (bytes + 1) & ~std::size_t(1);  // runs end on a 16-bit boundary
    if (pos_ + bytes > data_.size()) Fail(2);
    if (x_ + count > width_) Fail(1);
    std::uint8_t* line = Line();
    for (int i = 0; i < count; ++i) {
      const std::uint8_t b = data_[pos_ + (depth_ == RleDepth::Rle8 ? i : i / 2)];
      line[x_ + i] = depth_ == RleDepth::Rle8 ? b : (i % 2 == 0 ? b >> 4 : b & 0x0F);
    }
    x_ += count;
    pos_ = std::min(pos_ + padded, data_.size());
  }

  void Delta() {
    if (pos_ + 2 > data_.size()) Fail(2);
    const int dx = data_[pos_++];
    const int dy = data_[pos_++];
    if (x_ + dx > width_ || y_ + dy > height_) Fail(3);
    x_ += dx;
    y_ += dy;
  }

  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  int width_;
  int height_;
  RleDepth depth_;
  int x_ = 0;
  int y_ = 0;
  std::vector<std::uint8_t> out_;
};

}  // namespace

std::vector<std::uint8_t> DecodeRle(std::span<const std::uint8_t> data, int width, int height,
                                    RleDepth depth) {
  return RleDecoder(data, width, height, depth).Run();
}

}  // namespace kasumori::imaging::bmp
