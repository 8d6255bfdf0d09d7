// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/saved_overlays.h"

#include <gtest/gtest.h>

namespace kasumori::exporting {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;  // 0x00BBGGRR
constexpr std::uint32_t kGrey = 0x404040;

imaging::TQxDIB Grey(int width, int height) {
  imaging::TQxDIB picture;
  picture.SetBitCount(24);
  picture.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.SetPixels(x, y, kGrey);
  }
  return picture;
}

QImage Red(int width, int height) {
  QImage strip(width, height, QImage::Format_RGB32);
  strip.fill(QColor(255, 0, 0));
  return strip;
}

TEST(SavedOverlaysTest, StripsLandWhereTheyWereOnScreenRelativeToTheSavedArea) {
  struct Case {
    QRect area;      // of the display area, as saved
    QPoint strip;    // a 4 × 2 strip's top-left on screen
    QPoint inside;   // a pixel of the saved picture the strip covers
    QPoint outside;  // one it does not
  };
  for (const Case c : {Case{{0, 0, 40, 30}, {3, 26}, {3, 26}, {2, 26}},
                       Case{{10, 5, 20, 20}, {12, 20}, {2, 15}, {6, 15}},
                       // Half over the saved area's left edge: the rest is left out.
                       Case{{10, 5, 20, 20}, {8, 5}, {1, 0}, {2, 0}},
                       Case{{10, 5, 20, 20}, {28, 23}, {19, 19}, {17, 18}}}) {
    imaging::TQxDIB picture = Grey(c.area.width(), c.area.height());
    DrawOverlays(picture, c.area, {{Red(4, 2), c.strip}});
    EXPECT_EQ(picture.Pixels(c.inside.x(), c.inside.y()), kRed)
        << c.strip.x() << "," << c.strip.y();
    EXPECT_EQ(picture.Pixels(c.outside.x(), c.outside.y()), kGrey)
        << c.strip.x() << "," << c.strip.y();
  }
}

TEST(SavedOverlaysTest, StripsOutsideTheAreaOrEmptyChangeNothing) {
  imaging::TQxDIB picture = Grey(8, 8);
  DrawOverlays(picture, {0, 0, 8, 8},
               {{Red(4, 4), {-4, 0}}, {Red(4, 4), {8, 8}}, {QImage(), {0, 0}}});
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) EXPECT_EQ(picture.Pixels(x, y), kGrey) << x << "," << y;
  }
}

TEST(SavedOverlaysTest, OnlyScreenCapturesWithBothSettingsOnTakeStrips) {
  struct Case {
    int saveComments, commentsShown;
    bool wholeZoom, saves;
  };
  for (const Case c : {Case{1, 1, false, true}, Case{0, 1, false, false}, Case{1, 0, false, false},
                       Case{2, 1, false, false}, Case{1, 1, true, false}}) {
    config::Settings settings;
    settings.SaveComments = std::uint8_t(c.saveComments);
    settings.CommentsShown = c.commentsShown;
    EXPECT_EQ(SavesOverlays(settings, c.wholeZoom), c.saves)
        << c.saveComments << c.commentsShown << c.wholeZoom;
  }
}

}  // namespace
}  // namespace kasumori::exporting
