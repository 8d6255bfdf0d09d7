// SPDX-License-Identifier: GPL-3.0-or-later
// The tone function: contrast and brightness per channel, the overflow moved between the
// channels, and a sepia or grey finish. Built once per composition as a table of the
// per-channel part (256 entries) plus the few steps that need all three channels.
#pragma once

#include <array>
#include <cstdint>

namespace kasumori::pixels {

// What becomes of a colour once its channels are toned: it stays as it is, or the mean of its
// channels gives a sepia or a grey. Which picture effect asks for which is the caller's rule.
enum class ToneFinish { Colour, Sepia, Grey };

// The parameters of one composition. Brightness and contrast are kept 64-bit because they come
// from edit records and are not limited there; the sums below cannot overflow.
struct ToneParams {
  std::int64_t brightness = 0;  // B, added to each channel
  std::int64_t contrast = 256;  // C in 1/256
  ToneFinish finish = ToneFinish::Colour;
};

// The fast paths use the photo's values and no effect.
ToneParams FastToneParams(int brightness, int contrast);

struct Bgr {
  std::uint8_t b, g, r;
  friend bool operator==(const Bgr&, const Bgr&) = default;
};

class ToneTable {
 public:
  explicit ToneTable(const ToneParams& params);

  // True when the function returns every colour unchanged (contrast 256, brightness 0, the
  // colour finish), so the kernels can skip it.
  bool Identity() const { return identity_; }

  // Tones one colour; the channels are 0..255 in, 0..255 out.
  Bgr Apply(int r, int g, int b) const {
    std::int64_t R = channel_[std::size_t(r)];
    std::int64_t G = channel_[std::size_t(g)];
    std::int64_t B = channel_[std::size_t(b)];
    // Overflow is moved, not cut: what a channel has above 255 is taken from the other two.
    MoveOverflow(R, G, B);
    MoveOverflow(G, R, B);
    MoveOverflow(B, R, G);
    const int r8 = R < 0 ? 0 : int(R);
    const int g8 = G < 0 ? 0 : int(G);
    const int b8 = B < 0 ? 0 : int(B);
    switch (finish_) {
      case ToneFinish::Sepia: {
        const int i = (r8 + g8 + b8) / 3;
        return {std::uint8_t(i / 2), std::uint8_t(i - i / 4), std::uint8_t(i)};
      }
      case ToneFinish::Grey: {
        const auto i = std::uint8_t((r8 + g8 + b8) / 3);
        return {i, i, i};
      }
      case ToneFinish::Colour:
        break;
    }
    return {std::uint8_t(b8), std::uint8_t(g8), std::uint8_t(r8)};
  }

 private:
  static void MoveOverflow(std::int64_t& over, std::int64_t& a, std::int64_t& b) {
    if (over <= 255) return;
    const std::int64_t excess = over - 255;
    a -= excess;
    if (a > 255) a = 255;
    b -= excess;
    if (b > 255) b = 255;
    over = 255;
  }

  std::array<std::int64_t, 256> channel_{};  // steps 1 and 2: rnd(x / u) + v + B
  ToneFinish finish_;
  bool identity_;
};

// One colour through the fast tone; for callers outside the kernels.
Bgr FastTone(int r, int g, int b, int brightness, int contrast);

}  // namespace kasumori::pixels
