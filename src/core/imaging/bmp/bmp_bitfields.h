// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of 16- and 32-bit BMP rows to 24-bit rows through red, green and blue masks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kasumori::imaging::bmp {

// One channel: the mask and the shift that brings the mask into 128..255.
struct ChannelMask {
  std::uint32_t mask;
  int shift;  // positive: right shift; negative: left shift
  std::uint32_t Scaled(std::uint32_t pixel) const {
    const std::uint32_t bits = pixel & mask;
    return shift >= 0 ? bits >> shift : bits << -shift;
  }
};

// Nothing for a zero mask.
std::optional<ChannelMask> PlanMask(std::uint32_t mask);

// Converts one row of 16- or 32-bit little-endian pixels; channel value =
// scaled bits × 255 div scaled mask, so that a full mask gives exactly 255.
void ConvertMaskedRow(const std::uint8_t* src, int bitCount, int width,
                      const std::array<ChannelMask, 3>& rgb, std::uint8_t* dst);

}  // namespace kasumori::imaging::bmp
