// SPDX-License-Identifier: GPL-3.0-or-later
// The resampling that follows a decoder reads no source row before it is final and makes the
// pixels of the resampling done afterwards.
#include "display/compose_geometry.h"
#include "display/resample_plan.h"
#include "pixels/resample_high.h"
#include "pixels/work_picture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace kasumori::pixels {
namespace {

// A source that is filled in only as far as the resampling asked for it: rows not yet asked
// for hold a pattern no photo row has, so reading one early shows in the output.
class DecodingSource final : public ArrivingRows {
 public:
  DecodingSource(const WorkPicture& photo, WorkPicture& arriving, int failAfterWaits = -1)
      : photo_(photo), arriving_(arriving), failAfterWaits_(failAfterWaits) {
    arriving_.Resize(photo.Width(), photo.Height());
    const PixelView view = arriving_.View();
    for (int y = 0; y < view.height; ++y)
      std::memset(view.Row(y), 0xA5, std::size_t(view.width) * 3);
  }

  bool WaitSource(int rows) override {
    EXPECT_GE(rows, decoded_) << "asked for fewer rows than before";
    EXPECT_LE(rows, photo_.Height());
    if (waits_++ == failAfterWaits_) {
      failed_ = true;
      return false;
    }
    EXPECT_FALSE(failed_) << "asked again after the rows were refused";
    const ConstPixelView from = photo_.View();
    const PixelView to = arriving_.View();
    for (; decoded_ < rows; ++decoded_)
      std::memcpy(to.Row(decoded_), from.Row(decoded_), std::size_t(from.width) * 3);
    return true;
  }
  void OutputDone(int rows) override {
    EXPECT_GE(rows, outputDone_);
    outputDone_ = rows;
  }

  int waits_ = 0;
  int outputDone_ = 0;

 private:
  const WorkPicture& photo_;
  WorkPicture& arriving_;
  int failAfterWaits_;
  int decoded_ = 0;
  bool failed_ = false;
};

WorkPicture NoisyPhoto(int width, int height) {
  WorkPicture photo;
  photo.Resize(width, height);
  std::mt19937 random(std::uint32_t(width * 31 + height));
  const PixelView view = photo.View();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width * 3; ++x) view.Row(y)[x] = std::uint8_t(random());
  return photo;
}

struct Composition {
  display::ComposeGeometry geometry;
  ResamplePlan plan;
};

Composition Plan(int width, int height, display::Rotation rotation, int areaWidth, int areaHeight,
                 bool wide) {
  Composition c;
  c.geometry = display::PlanComposeGeometry({width, height, rotation, areaWidth, areaHeight, wide});
  c.plan = display::PlanHighQuality(c.geometry, rotation, areaWidth, areaHeight);
  return c;
}

TEST(ResampleArrivingTest, MakesThePixelsOfTheResamplingAfterwardsReadingOnlyFinalRows) {
  using display::Rotation;
  const struct {
    const char* what;
    int width, height;
    Rotation rotation;
    bool wide;
  } cases[] = {
      {"plain box", 1000, 700, Rotation::None, false},
      {"doubled box", 300, 250, Rotation::None, false},
      {"enlarged", 90, 50, Rotation::None, false},
      {"wide crop", 900, 300, Rotation::None, true},
      {"half turn: the first row needs the bottom", 600, 400, Rotation::Half, false},
      {"quarter turn: every row needs every row", 600, 400, Rotation::Right, false},
  };
  const ToneTable tone(ToneParams{-12, 280});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const WorkPicture photo = NoisyPhoto(c.width, c.height);
    const Composition composition = Plan(c.width, c.height, c.rotation, 200, 150, c.wide);
    WorkPicture expected, made, arriving;
    expected.Resize(200, 150);
    made.Resize(200, 150);
    Resample(photo.View(), expected.View(), composition.plan, tone);
    DecodingSource source(photo, arriving);
    ASSERT_TRUE(ResampleArriving(arriving.View(), made.View(), composition.plan, tone, source));
    EXPECT_EQ(std::memcmp(made.View().data, expected.View().data,
                          std::size_t(expected.View().stride) * 150),
              0);
    EXPECT_EQ(source.outputDone_, 150 - composition.geometry.scale.MarginY);
  }
}

TEST(ResampleArrivingTest, StopsWhenTheRowsWillNotCome) {
  const WorkPicture photo = NoisyPhoto(1000, 700);
  const Composition composition = Plan(1000, 700, display::Rotation::None, 200, 150, false);
  WorkPicture made, arriving;
  made.Resize(200, 150);
  DecodingSource source(photo, arriving, 3);
  EXPECT_FALSE(
      ResampleArriving(arriving.View(), made.View(), composition.plan, ToneTable({}), source));
  EXPECT_EQ(source.waits_, 4);
}

}  // namespace
}  // namespace kasumori::pixels
