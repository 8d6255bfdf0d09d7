// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/compose_normal.h"

#include <gtest/gtest.h>

#include "display_reference.h"

namespace kasumori::display {
namespace {

using testkit::TestColour;
using testkit::TestPicture;

constexpr TestColour kOutside{1, 2, 3};  // target pixels outside the pane area

TestPicture Turned(const TestPicture& p, int rotation) {
  // The picture turned so that composing it with `rotation` shows p upright again.
  const bool quarter = rotation == 1 || rotation == -1;
  TestPicture out(quarter ? p.Height() : p.Width(), quarter ? p.Width() : p.Height());
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      switch (rotation) {
        case 1:
          out.Set(x, y, p.At(p.Width() - 1 - y, x));
          break;  // turned anticlockwise
        case -1:
          out.Set(x, y, p.At(y, p.Height() - 1 - x));
          break;  // turned clockwise
        case 2:
          out.Set(x, y, p.At(p.Width() - 1 - x, p.Height() - 1 - y));
          break;
        default:
          out.Set(x, y, p.At(x, y));
          break;
      }
    }
  return out;
}

struct Case {
  int rotation = 0;
  bool wide = false;
  QualityMode quality = QualityMode::High;
  PhotoEdits edits;
  PictureEffect globalEffect = PictureEffect::Normal;
  int sharpness = 0;
  int bands = 1;
};

Case Plain(int rotation, bool wide = false, QualityMode quality = QualityMode::High) {
  Case c;
  c.rotation = rotation;
  c.wide = wide;
  c.quality = quality;
  return c;
}

// Composes into the pane at (3, 2) of a larger target and returns the pane area.
TestPicture Compose(const TestPicture& source, int w, int h, const Case& c,
                    NormalComposeResult* result = nullptr, HistogramPanel* panel = nullptr,
                    TestPicture* histogramImage = nullptr) {
  TestPicture target(w + 7, h + 5);
  target.Fill(kOutside);
  NormalCompositor compositor;
  NormalComposeRequest request;
  request.source = source.View();
  request.target = target.View();
  request.paneOriginX = 3;
  request.paneOriginY = 2;
  request.width = w;
  request.height = h;
  request.edits = c.edits;
  request.edits.rotation = c.rotation;
  request.pictureEffect = c.globalEffect;
  request.sharpness = c.sharpness;
  request.quality = c.quality;
  request.wide = c.wide;
  request.bands = c.bands;
  request.histogramMode = HistogramMode::Automatic;
  request.histogram = panel;
  if (histogramImage) request.histogramImage = histogramImage->View();
  const NormalComposeResult r = compositor.ComposeNormal(request);
  if (result) *result = r;
  EXPECT_TRUE(target.PaddingIntact());
  TestPicture area(w, h);
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x) {
      if (x >= 3 && y >= 2 && x < 3 + w && y < 2 + h)
        area.Set(x - 3, y - 2, target.At(x, y));
      else
        EXPECT_EQ(target.At(x, y), kOutside) << "outside the pane at " << x << ", " << y;
    }
  return area;
}

TestPicture Expected(const TestPicture& source, int w, int h, const Case& c) {
  TestPicture want(w, h);
  const int effect = int(EffectiveEffect(c.edits.effect, c.globalEffect));
  reference::ComposeArea(source,
                         {w, h, c.rotation, c.wide, c.quality == QualityMode::Fast,
                          c.edits.brightness, c.edits.contrast, effect},
                         want);
  if (c.quality == QualityMode::High)
    reference::Sharpen(want, EffectiveSharpness(c.edits.sharpness, c.sharpness));
  return want;
}

TEST(ComposeNormalTest, EveryModeMatchesThePlainReference) {
  // Source sizes against a 16 × 12 area: doubled box (1 < scale < 2), plain boxes, a photo
  // smaller than the area, and shapes that leave bands either way.
  const std::pair<int, int> sizes[] = {{23, 17}, {50, 31}, {13, 40}, {9, 7},
                                       {16, 12}, {33, 24}, {61, 9}};
  const PhotoEdits edits[] = {{0, 0, 256, 0, 0},
                              {0, 20, 256, 0, 0},
                              {0, -15, 300, 0, 0},
                              {0, 0, 200, 8, 3},
                              {0, 0, 256, 16, 2}};
  std::uint32_t seed = 1;
  for (auto [sw, sh] : sizes)
    for (int rotation : {0, 1, 2, -1})
      for (bool wide : {false, true})
        for (QualityMode quality : {QualityMode::High, QualityMode::Fast})
          for (const PhotoEdits& e : edits)
            for (PictureEffect globalEffect : {PictureEffect::Normal, PictureEffect::Chrome}) {
              TestPicture source(sw, sh);
              source.FillRandom(seed++);
              const Case c{rotation, wide, quality, e, globalEffect, 12, 1};
              const TestPicture got = Compose(source, 16, 12, c);
              ASSERT_TRUE(got.SamePixels(Expected(source, 16, 12, c)))
                  << sw << "x" << sh << " rotation " << rotation << " wide " << wide << " fast "
                  << (quality == QualityMode::Fast) << " brightness " << e.brightness
                  << " contrast " << e.contrast << " effect "
                  << int(EffectiveEffect(e.effect, globalEffect));
            }
}

TEST(ComposeNormalTest, EverySharpnessAndEffectOnALargerArea) {
  TestPicture source(130, 95);
  source.FillRandom(99);
  for (int sharpness : {0, 4, 6, 8, 10, 12, 16})
    for (int effect : {0, 1, 2, 3}) {
      const Case c{
          0, false, QualityMode::High, {0, 0, 256, 0, effect}, PictureEffect::Normal, sharpness, 1};
      ASSERT_TRUE(Compose(source, 40, 30, c).SamePixels(Expected(source, 40, 30, c)))
          << "sharpness " << sharpness << " effect " << effect;
    }
}

TEST(ComposeNormalTest, TwoBandsGiveTheSamePictureAsOne) {
  for (auto [sw, sh] : {std::pair{300, 230}, std::pair{130, 100}, std::pair{97, 333}})
    for (int rotation : {0, 1, 2, -1})
      for (QualityMode quality : {QualityMode::High, QualityMode::Fast}) {
        TestPicture source(sw, sh);
        source.FillRandom(std::uint32_t(sw + rotation));
        Case c{rotation, false, quality, {0, 10, 280, 0, 0}, PictureEffect::Chrome, 12, 1};
        const TestPicture single = Compose(source, 96, 72, c);
        c.bands = 2;
        ASSERT_TRUE(Compose(source, 96, 72, c).SamePixels(single)) << sw << " " << rotation;
      }
}

TEST(ComposeNormalTest, QuarterTurnsOfTheSourceUndoTheRotation) {
  // Composing a turned source with the turn that puts it upright gives the upright picture,
  // edges included, at every scale and in both fit and wide mode. The fast path stretches
  // unturned photos instead of sampling them, so there the turned ones are compared with the
  // half turn.
  for (auto [sw, sh] : {std::pair{9, 7}, std::pair{23, 17}, std::pair{50, 31}, std::pair{14, 40}})
    for (bool wide : {false, true})
      for (QualityMode quality : {QualityMode::High, QualityMode::Fast}) {
        TestPicture upright(sw, sh);
        upright.FillRandom(std::uint32_t(sw * 7 + sh));
        const int base = quality == QualityMode::High ? 0 : 2;
        const TestPicture want = Compose(Turned(upright, base), 16, 12, Plain(base, wide, quality));
        for (int rotation : {1, 2, -1}) {
          const TestPicture got =
              Compose(Turned(upright, rotation), 16, 12, Plain(rotation, wide, quality));
          ASSERT_TRUE(got.SamePixels(want))
              << sw << "x" << sh << " rotation " << rotation << " wide " << wide;
        }
      }
}

TEST(ComposeNormalTest, ConstantPictureStaysConstant) {
  const TestColour grey{90, 140, 200};
  for (auto [sw, sh] : {std::pair{23, 17}, std::pair{50, 31}, std::pair{13, 40}, std::pair{9, 7}})
    for (int rotation : {0, 1, 2, -1}) {
      TestPicture source(sw, sh);
      source.Fill(grey);
      NormalComposeResult r;
      const TestPicture got = Compose(source, 16, 12, Plain(rotation), &r);
      const double f = r.scale.Scale;
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
          const TestColour c = got.At(x, y);
          const int t = x - r.scale.MarginX, m = y - r.scale.MarginY;
          const bool inside =
              t >= 0 && m >= 0 && t * f <= r.RotatedWidth - 1 && m * f <= r.RotatedHeight - 1;
          if (inside)
            ASSERT_EQ(c, grey) << x << ", " << y;
          else
            ASSERT_TRUE(c == grey || c == (TestColour{0, 0, 0})) << x << ", " << y;
        }
    }
}

TEST(ComposeNormalTest, SmallPhotoOccupiesExactlyItsOwnSize) {
  // At 100 % no sample lies past the photo: 5 × 4 pixels, centred, black around them.
  TestPicture source(5, 4);
  source.Fill({200, 200, 200});
  for (int rotation : {0, 2}) {
    NormalComposeResult r;
    const TestPicture got = Compose(source, 16, 12, Plain(rotation), &r);
    EXPECT_EQ(r.scale, (DisplayScale{1.0, 5, 4, 0, 0}));
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool photo = x >= 5 && x < 10 && y >= 4 && y < 8;
        ASSERT_EQ(got.At(x, y), (photo ? TestColour{200, 200, 200} : TestColour{0, 0, 0}));
      }
  }
}

TEST(ComposeNormalTest, HistogramCountsTheUnsharpenedPictureInsideTheBands) {
  TestPicture source(50, 20);
  source.FillRandom(5);
  HistogramPanel panel;
  TestPicture image(kHistogramWidth, kHistogramHeight);
  NormalComposeResult r;
  Compose(source, 16, 12, {0, false, QualityMode::High, {}, PictureEffect::Chrome, 12}, &r, &panel,
          &image);
  EXPECT_EQ(r.histogram, HistogramStep::Drawn);
  EXPECT_TRUE(panel.HistogramShown());
  TestPicture composed(16, 12);
  reference::ComposeArea(source, {16, 12, 0, false, false, 0, 256, 1}, composed);
  const auto counts = reference::Histogram(composed, r.scale.MarginX, r.scale.MarginY);
  HistogramCounts want{};
  std::copy(counts.begin(), counts.end(), want.begin());
  TestPicture expected(kHistogramWidth, kHistogramHeight);
  DrawHistogramColumns(want, expected.View());
  EXPECT_TRUE(image.SamePixels(expected));

  // A fast composition clears it.
  Compose(source, 16, 12, Plain(0, false, QualityMode::Fast), &r, &panel, &image);
  EXPECT_EQ(r.histogram, HistogramStep::Cleared);
  EXPECT_FALSE(panel.HistogramShown());
}

TEST(ComposeNormalTest, HistogramOnRequestCopiesTheViewInFastMode) {
  // Fast mode leaves nothing in the compose buffer: the view's area is counted instead.
  TestPicture view(16, 12);
  view.Fill({0, 0, 0});
  for (int x = 2; x < 14; ++x) view.Set(x, 5, {120, 120, 120});  // bin 60, 12 pixels
  NormalCompositor compositor;
  HistogramPanel panel;
  TestPicture image(kHistogramWidth, kHistogramHeight);
  compositor.DrawHistogramOf(panel, image.View(), view.View(), 16, 12, false, QualityMode::Fast,
                             false, false, {2, 1});
  EXPECT_TRUE(panel.HistogramShown());
  HistogramCounts want{};
  want[0] = 12 * 10 - 12;
  want[60] = 12;
  TestPicture expected(kHistogramWidth, kHistogramHeight);
  DrawHistogramColumns(want, expected.View());
  EXPECT_TRUE(image.SamePixels(expected));
}

TEST(ComposeNormalTest, PaneOriginIsRestoredAfterThePane) {
  PaneOrigin origin;
  const int seen = ComposePane(origin, 400, 300, [&] { return origin.x + origin.y; });
  EXPECT_EQ(seen, 700);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  EXPECT_THROW(ComposePane(origin, 1, 1, [&]() -> int { throw 1; }), int);
  EXPECT_EQ(origin.x, 0);
}

}  // namespace
}  // namespace kasumori::display
