// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/compose_zoom.h"

#include <gtest/gtest.h>

#include "records/zoom_scale.h"
#include "support/test_picture.h"

#include <algorithm>

namespace kasumori::display {
namespace {

using testkit::TestColour;
using testkit::TestPicture;

TestPicture Noise(int w, int h, unsigned seed) {
  TestPicture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1103515245u + 12345u;
      p.Set(x, y, {std::uint8_t(seed >> 24), std::uint8_t(seed >> 16), std::uint8_t(seed >> 8)});
    }
  return p;
}

// Each pixel made four, each the mean of the pixel and its diagonal neighbour towards that
// corner, written from the rule itself.
TestPicture Doubled(const TestPicture& p) {
  TestPicture out(2 * p.Width(), 2 * p.Height());
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      const int u = x / 2, o = y / 2;
      const int nu = std::clamp(x % 2 ? u + 1 : u - 1, 0, p.Width() - 1);
      const int no = std::clamp(y % 2 ? o + 1 : o - 1, 0, p.Height() - 1);
      const TestColour a = p.At(u, o), b = p.At(nu, no);
      out.Set(x, y,
              {std::uint8_t((a.r + b.r) / 2), std::uint8_t((a.g + b.g) / 2),
               std::uint8_t((a.b + b.b) / 2)});
    }
  return out;
}

struct Scene {
  TestPicture target;
  NormalComposeRequest request;
};

Scene MakeScene(const TestPicture& photo, int w, int h) {
  Scene s{TestPicture(w, h), {}};
  s.request.source = photo.View();
  s.request.target = s.target.View();
  s.request.width = w;
  s.request.height = h;
  s.request.pictureEffect = PictureEffect::Normal;
  s.request.sharpness = 0;
  s.request.bands = 2;
  return s;
}

TEST(ZoomGeometryTest, TheKeptPictureAndItsReduction) {
  const struct {
    int rw, rh;
    double f;
    int percent, reduction, keptW, keptH;
  } cases[] = {
      {1600, 1200, 2.0, 50, 1, 800, 600},         // magnification 1 at twice the width
      {1632, 1232, 0.25, 400, 2, 3264, 2464},     // above 1,392,640 pixels: held at half
      {1000, 1000, 0.25, 400, 1, 4000, 4000},     // below it: whole
      {1000, 1000, 0.125, 800, 2, 4000, 4000},    // and from 800 % held at half
      {1632, 1232, 0.0625, 1600, 8, 3264, 2464},  // 1600 % of a large photo
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    const ZoomGeometry g = PlanZoomGeometry(c.rw, c.rh, c.f, c.percent);
    EXPECT_EQ(g.reduction, c.reduction);
    EXPECT_EQ(g.KeptWidth(), c.keptW);
    EXPECT_EQ(g.KeptHeight(), c.keptH);
  }
}

TEST(ZoomGeometryTest, TheWindowStaysInsideAndASmallPictureIsCentred) {
  const ZoomGeometry big = PlanZoomGeometry(400, 300, 0.5, 200);  // 800 × 600 zoomed
  ZoomWindow w = PlanZoomWindow(big, {10000, -50}, 320, 240);
  EXPECT_EQ(w.origin.x, 800 - 320);  // the far edge
  EXPECT_EQ(w.origin.y, 0);
  EXPECT_EQ(w.sourceWidth, 320);
  const ZoomGeometry small = PlanZoomGeometry(100, 50, 0.5, 200);  // 200 × 100
  w = PlanZoomWindow(small, {0, 0}, 320, 240);
  EXPECT_EQ(w.gx, 60);
  EXPECT_EQ(w.gy, 70);
  EXPECT_EQ(w.targetWidth, 200);
  EXPECT_EQ(w.targetHeight, 100);
  EXPECT_EQ(ZoomCentreOf(small, w.origin, 320, 240).x, 50);  // the photo's middle
  // 2,000,000 pixels at 400 %: a window of W div 2 × H div 2 stretched to the whole view.
  const ZoomGeometry large = PlanZoomGeometry(1632, 1232, 0.25, 400);
  w = PlanZoomWindow(large, {1000, 1000}, 800, 600);
  EXPECT_EQ(w.sourceX, 500);
  EXPECT_EQ(w.sourceWidth, 400);
  EXPECT_EQ(w.sourceHeight, 300);
  EXPECT_EQ(w.targetWidth, 800);
}

TEST(ZoomGeometryTest, AResizeKeepsTheEnlargementWithinTheLimit) {
  ZoomRescale r = RescaleZoom(1600, 1200, WidthFitOf(1600, 0.5, 800), 1280);
  EXPECT_TRUE(r.changed);
  EXPECT_DOUBLE_EQ(r.Scale, 0.5 * 800 / 1280);
  EXPECT_EQ(r.ViewPercent, 320);
  r = RescaleZoom(6000, 4000, WidthFitOf(6000, 0.5, 800), 1280);  // 320 % of 24 MP: too large
  EXPECT_FALSE(r.changed);
}

TEST(ZoomCompositorTest, EnlargementsAreSubPixelDoublesOfTheTurnedPhoto) {
  const TestPicture photo = Noise(7, 5, 3);
  TestPicture turned(5, 7);  // the photo a quarter turn right, as the display turns it
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 5; ++x) turned.Set(x, y, photo.At(y, 5 - 1 - x));
  const struct {
    double f;
    int rotation;
    const TestPicture* upright;
    int doublings;
  } cases[] = {{0.5, 0, &photo, 1}, {0.25, 0, &photo, 2}, {0.5, 1, &turned, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.f);
    Scene s = MakeScene(photo, 64, 64);
    s.request.edits.rotation = std::int8_t(c.rotation);
    ZoomCompositor zoom;
    NormalCompositor normal;
    zoom.ComposeZoom(s.request, {c.f, int(100 / c.f), -1, -1, false}, normal);
    TestPicture expected = Doubled(*c.upright);
    if (c.doublings == 2) expected = Doubled(expected);
    const pixels::ConstPixelView kept = zoom.ZoomPicture();
    ASSERT_EQ(kept.width, expected.Width());
    ASSERT_EQ(kept.height, expected.Height());
    for (int y = 0; y < kept.height; ++y)
      ASSERT_EQ(0, std::memcmp(kept.Row(y), expected.Row(y), std::size_t(kept.width) * 3)) << y;
    // The zoomed picture is smaller than the view: centred, black around it.
    const int gx = 32 - kept.width / 2, gy = 32 - kept.height / 2;
    EXPECT_EQ(s.target.At(gx, gy), expected.At(0, 0));
    EXPECT_EQ(s.target.At(gx - 1, gy), (TestColour{0, 0, 0}));
  }
}

TEST(ZoomCompositorTest, MagnificationOneOnAPhotoTwiceTheWidthFillsTheView) {
  const TestPicture photo = Noise(64, 48, 5);
  const records::ZoomScale scale = records::RecordZoomScale(64, 48, 32, 1.0);
  Scene s = MakeScene(photo, 32, 24);
  ZoomCompositor zoom;
  NormalCompositor normal;
  const ZoomComposeResult r =
      zoom.ComposeZoom(s.request, {scale.Scale, scale.ViewPercent, -1, -1, false}, normal);
  EXPECT_EQ(r.geometry.ZoomedWidth, 32);
  EXPECT_EQ(r.labels.JoutaiLbl, "【ズームモード】");
  EXPECT_EQ(r.labels.ZoomKaijoBtnEnabled, true);
  // Each view pixel is the mean of a 2 × 2 box of the photo.
  const TestColour a = photo.At(10, 6), b = photo.At(11, 6), c = photo.At(10, 7),
                   d = photo.At(11, 7);
  EXPECT_EQ(s.target.At(5, 3).r, (a.r + b.r + c.r + d.r) / 4);
}

TEST(ZoomCompositorTest, PanningStopsAtTheFarEdgeAndFollowsOnlyTheLargerAxis) {
  const TestPicture photo = Noise(40, 10, 9);
  Scene s = MakeScene(photo, 32, 24);
  ZoomCompositor zoom;
  NormalCompositor normal;
  zoom.ComposeZoom(s.request, {0.5, 200, -1, -1, false}, normal);  // 80 × 20 zoomed
  const ZoomOrigin centre = zoom.Pan(s.request, 1000, 1000, normal);
  EXPECT_EQ(zoom.ViewOrigin().x, 80 - 32);
  EXPECT_EQ(zoom.ViewOrigin().y, 0);
  EXPECT_EQ(centre.y, 5);  // lower than the view: its middle
  const pixels::ConstPixelView kept = zoom.ZoomPicture();
  EXPECT_EQ(0, std::memcmp(s.target.Row(2) + 31 * 3, kept.Row(0) + 79 * 3, 3));
}

}  // namespace
}  // namespace kasumori::display
