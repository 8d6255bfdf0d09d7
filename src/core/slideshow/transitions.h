// SPDX-License-Identifier: GPL-3.0-or-later
// The slideshow's three transitions from the picture on screen to the new photo in the slide
// buffer, each taken one step at a time so that the window repaints and handles input between
// steps. A step changes only the pixels it has to: a band of the page turn, a batch of star
// sand; the fade's frames change every pixel.
#pragma once

#include "pixels/pixel_view.h"
#include "slideshow/slide_options.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace kasumori::slideshow {

// Where star sand gets its random numbers; tests give a fixed sequence.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Fills `out` with numbers drawn uniformly from 0 … bound − 1.
  virtual void Fill(std::span<std::uint32_t> out, std::uint32_t bound) = 0;
};

// The program's own random numbers.
class SystemRandom final : public RandomSource {
 public:
  void Fill(std::span<std::uint32_t> out, std::uint32_t bound) override;
};

class Transition {
 public:
  virtual ~Transition() = default;
  // True once every step has been taken.
  virtual bool Done() const = 0;
  // Takes the next step; true when it changed the screen, which then wants a repaint.
  virtual bool Step() = 0;
};

// Columns (left, right) or rows (top, bottom) [first, end) of band k of a page turn over
// `extent` pixels with bands of `width`; bands 0 … ⌈extent ÷ width⌉ exist, the last ones
// clamped to the edge.
struct Band {
  int first = 0;
  int end = 0;
  friend bool operator==(const Band&, const Band&) = default;
};
Band PageBand(PageDirection direction, int extent, int width, int k);
int PageBandCount(int extent, int width);

// The transition for `choice`, or nothing for none (the new picture is simply copied). The
// views must stay valid and of one size while it runs; the random source only for star sand.
std::unique_ptr<Transition> MakeTransition(const TransitionChoice& choice,
                                           const pixels::PixelView& screen,
                                           const pixels::ConstPixelView& next,
                                           RandomSource& random);

}  // namespace kasumori::slideshow
