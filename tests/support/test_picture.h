// SPDX-License-Identifier: GPL-3.0-or-later
// A small owning 24-bit picture for display tests and benchmarks. Rows carry extra padding
// bytes (filled with a marker) so that kernels which ignore the stride or write past a row
// are caught.
#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "pixels/pixel_view.h"

namespace kasumori::testkit {

struct TestColour {
  std::uint8_t r, g, b;
  friend bool operator==(const TestColour&, const TestColour&) = default;
};

class TestPicture {
 public:
  static constexpr std::uint8_t kPadMarker = 0xA5;

  TestPicture(int width, int height, int padding = 5)
      : width_(width),
        height_(height),
        stride_(std::ptrdiff_t(width) * 3 + padding),
        bytes_(std::size_t(stride_) * std::size_t(height > 0 ? height : 0), 0) {
    for (int y = 0; y < height_; ++y)
      std::memset(Row(y) + std::ptrdiff_t(width_) * 3, kPadMarker, std::size_t(padding));
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint8_t* Row(int y) { return bytes_.data() + y * stride_; }
  const std::uint8_t* Row(int y) const { return bytes_.data() + y * stride_; }

  pixels::PixelView View() { return {bytes_.data(), width_, height_, stride_}; }
  pixels::ConstPixelView View() const { return {bytes_.data(), width_, height_, stride_}; }

  TestColour At(int x, int y) const {
    const std::uint8_t* p = Row(y) + x * 3;
    return {p[2], p[1], p[0]};
  }
  void Set(int x, int y, TestColour c) {
    std::uint8_t* p = Row(y) + x * 3;
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
  }
  void Fill(TestColour c) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) Set(x, y, c);
  }
  // Random colours; `blackShare` of the pixels (0..1) are made entirely black, so the
  // "black stays black" rules are exercised.
  void FillRandom(std::uint32_t seed, double blackShare = 0.05) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> share(0.0, 1.0);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        if (share(random) < blackShare)
          Set(x, y, {0, 0, 0});
        else
          Set(x, y, {std::uint8_t(random()), std::uint8_t(random()), std::uint8_t(random())});
      }
  }
  bool PaddingIntact() const {
    for (int y = 0; y < height_; ++y)
      for (std::ptrdiff_t i = std::ptrdiff_t(width_) * 3; i < stride_; ++i)
        if (Row(y)[i] != kPadMarker) return false;
    return true;
  }
  // Pixels only, padding ignored.
  bool SamePixels(const TestPicture& other) const {
    if (other.width_ != width_ || other.height_ != height_) return false;
    for (int y = 0; y < height_; ++y)
      if (std::memcmp(Row(y), other.Row(y), std::size_t(width_) * 3) != 0) return false;
    return true;
  }

 private:
  int width_;
  int height_;
  std::ptrdiff_t stride_;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace kasumori::testkit
