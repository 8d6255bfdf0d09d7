// SPDX-License-Identifier: GPL-3.0-or-later
// Star sand, page turn and fade as step sequences over the screen and the slide buffer.
#include "slideshow/transitions.h"

#include "slideshow/transition_kernels.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

namespace kasumori::slideshow {

namespace {

using pixels::ConstPixelView;
using pixels::PixelView;

// Star sand: every pixel of the new picture lands at a random moment, in `frames` batches.
class StarSand final : public Transition {
 public:
  StarSand(const PixelView& screen, const ConstPixelView& next, int frames, RandomSource& random)
      : screen_(screen),
        next_(next),
        random_(random),
        positions_(std::size_t(screen.width) * std::size_t(screen.height)),
        // A picture of fewer pixels than frames still moves a pixel per frame.
        batch_(std::max<std::size_t>(1, positions_.size() / std::size_t(frames))) {}

  bool Done() const override { return stage_ == Stage::Copying && copied_ == positions_.size(); }

  bool Step() override {
    switch (stage_) {
      case Stage::List:
        std::iota(positions_.begin(), positions_.end(), std::uint32_t(0));
        stage_ = Stage::Shuffle;
        return false;
      case Stage::Shuffle:
        Shuffle();
        stage_ = Stage::Copying;
        return false;
      case Stage::Copying: {
        const std::size_t count = std::min(batch_, positions_.size() - copied_);
        CopyScattered(next_, screen_, positions_.data() + copied_, count);
        copied_ += count;
        return true;
      }
    }
    return false;
  }

 private:
  enum class Stage { List, Shuffle, Copying };

  // Each entry in turn swaps with an entry drawn from the whole list. The draws come in
  // blocks, so the random source is asked a few hundred times rather than once per pixel.
  void Shuffle() {
    std::array<std::uint32_t, 4096> draws;
    const auto n = std::uint32_t(positions_.size());
    for (std::uint32_t i = 0; i < n;) {
      const std::uint32_t block = std::min<std::uint32_t>(draws.size(), n - i);
      random_.Fill(std::span(draws.data(), block), n);
      for (std::uint32_t k = 0; k < block; ++k, ++i) std::swap(positions_[i], positions_[draws[k]]);
    }
  }

  PixelView screen_;
  ConstPixelView next_;
  RandomSource& random_;
  std::vector<std::uint32_t> positions_;
  std::size_t batch_;
  std::size_t copied_ = 0;
  Stage stage_ = Stage::List;
};

// Page turn: one band of columns or rows per step, from the chosen side. The speed is the band
// width alone.
class PageTurn final : public Transition {
 public:
  PageTurn(const PixelView& screen, const ConstPixelView& next, PageDirection direction, int band)
      : screen_(screen),
        next_(next),
        direction_(direction),
        band_(band),
        horizontal_(direction == PageDirection::FromLeft || direction == PageDirection::FromRight),
        count_(PageBandCount(horizontal_ ? screen.width : screen.height, band)) {}

  bool Done() const override { return k_ >= count_; }

  bool Step() override {
    const Band b = PageBand(direction_, horizontal_ ? screen_.width : screen_.height, band_, k_++);
    if (horizontal_) {
      CopyColumns(next_, screen_, b.first, b.end);
    } else {
      CopyRows(next_, screen_, b.first, b.end);
    }
    return true;
  }

 private:
  PixelView screen_;
  ConstPixelView next_;
  PageDirection direction_;
  int band_;
  bool horizontal_;
  int count_;
  int k_ = 0;
};

// Fade: n frames down to black (old − q·j), n + 1 frames up (new − q·(n − j)), q = 256 div n.
// The way down subtracts q from the screen once per frame, which equals old − q·j because
// both stop at 0; only the cross-fade needs the old picture kept.
class Fade final : public Transition {
 public:
  Fade(const PixelView& screen, const ConstPixelView& next, FadeMode mode, int steps)
      : screen_(screen),
        next_(next),
        mode_(mode),
        n_(steps),
        q_(256 / steps),
        out_(mode == FadeMode::OutThenIn || mode == FadeMode::OutOnly),
        in_(mode != FadeMode::OutOnly),
        total_(1 + (out_ ? n_ : 0) + (in_ ? n_ + 1 : 0) + (mode == FadeMode::OutOnly ? 1 : 0)) {}

  bool Done() const override { return s_ >= total_; }

  bool Step() override {
    int s = s_++;
    if (s == 0) {
      if (mode_ == FadeMode::CrossFade) KeepOld();
      return false;
    }
    --s;
    if (out_ && s < n_) {
      Darkened(screen_, screen_, q_);
      return true;
    }
    if (out_) s -= n_;
    if (in_) {
      FadeIn(s);
    } else {
      CopyRows(next_, screen_, 0, screen_.height);
    }
    return true;
  }

 private:
  void KeepOld() {
    const std::ptrdiff_t stride = std::ptrdiff_t(screen_.width) * pixels::kBytesPerPixel;
    old_.resize(std::size_t(stride) * std::size_t(screen_.height));
    oldView_ = {old_.data(), screen_.width, screen_.height, stride};
    pixels::CopyPixels(screen_, oldView_);
  }

  void FadeIn(int j) {
    const int down = q_ * (n_ - j);
    if (mode_ == FadeMode::CrossFade) {
      CrossFaded(next_, down, oldView_, q_ * (j + 1), screen_);
    } else {
      Darkened(next_, screen_, down);
    }
  }

  PixelView screen_;
  ConstPixelView next_;
  FadeMode mode_;
  int n_, q_;
  bool out_, in_;
  int total_;
  int s_ = 0;
  std::vector<std::uint8_t> old_;
  PixelView oldView_;
};

}  // namespace

void SystemRandom::Fill(std::span<std::uint32_t> out, std::uint32_t bound) {
  // Seeded once from the system's entropy: no two runs of the program lay the sand alike.
  static thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<std::uint32_t> draw(0, bound - 1);
  for (std::uint32_t& value : out) value = draw(generator);
}

Band PageBand(PageDirection direction, int extent, int width, int k) {
  switch (direction) {
    case PageDirection::FromLeft:
    case PageDirection::FromTop:
      return {std::min(k * width, extent - 1), std::min(k * width + width, extent)};
    case PageDirection::FromRight:
    case PageDirection::FromBottom: {
      const int last = std::max(extent - 1 - k * width, 0);
      return {std::max(last - width + 1, 0), last + 1};
    }
  }
  return {};
}

int PageBandCount(int extent, int width) { return (extent + width - 1) / width + 1; }

std::unique_ptr<Transition> MakeTransition(const TransitionChoice& choice,
                                           const pixels::PixelView& screen,
                                           const pixels::ConstPixelView& next,
                                           RandomSource& random) {
  if (screen.Empty() || next.width != screen.width || next.height != screen.height) {
    return nullptr;
  }
  // Counts and widths below 1 cannot come from the settings; they are taken as 1 rather
  // than divided by.
  switch (choice.kind) {
    case TransitionKind::None:
      return nullptr;
    case TransitionKind::StarSand:
      return std::make_unique<StarSand>(screen, next, std::max(choice.starFrames, 1), random);
    case TransitionKind::PageTurn:
      return std::make_unique<PageTurn>(screen, next, choice.pageDirection,
                                        std::max(choice.pageBand, 1));
    case TransitionKind::Fade:
      return std::make_unique<Fade>(screen, next, choice.fadeMode,
                                    std::clamp(choice.fadeSteps, 1, 256));
  }
  return nullptr;
}

}  // namespace kasumori::slideshow
