// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/photo_navigation.h"

#include <gtest/gtest.h>

#include <memory>

namespace kasumori::shell {
namespace {

constexpr auto kLtr = config::ListDirection::LeftToRight;
constexpr auto kRtl = config::ListDirection::RightToLeft;

std::unique_ptr<library::PhotoList> ListOf(int count, int current) {
  auto list = std::make_unique<library::PhotoList>();
  for (int i = 1; i <= count; ++i) list->Append(QStringLiteral("P%1.jpg").arg(i), {});
  list->CurrentIndex = current;
  return list;
}

TEST(Navigation, ShowsTheCursorPhotoFirstThenSteps) {
  auto list = ListOf(5, 3);
  NavigationStep step = NextPhoto(*list, {"P1.jpg"});
  EXPECT_FALSE(step.cursorMoved) << "the cursor photo is not on display: show it";
  EXPECT_TRUE(step.show);
  EXPECT_EQ(list->CurrentIndex, 3);

  step = NextPhoto(*list, {"P3.jpg"});
  EXPECT_TRUE(step.cursorMoved);
  EXPECT_TRUE(step.show);
  EXPECT_EQ(list->CurrentIndex, 4);

  step = PreviousPhoto(*list, {"P4.jpg"});
  EXPECT_EQ(list->CurrentIndex, 3);
  step = PreviousPhoto(*list, {""});
  EXPECT_FALSE(step.cursorMoved) << "nothing displayed yet: the cursor photo is shown";
  EXPECT_TRUE(step.show);
}

TEST(Navigation, EndsOfTheListDoNothing) {
  auto last = ListOf(5, 5);
  NavigationStep step = NextPhoto(*last, {"P5.jpg"});
  EXPECT_FALSE(step.cursorMoved);
  EXPECT_FALSE(step.show);
  EXPECT_EQ(last->CurrentIndex, 5);
  auto first = ListOf(5, 1);
  step = PreviousPhoto(*first, {"P1.jpg"});
  EXPECT_FALSE(step.show);
  EXPECT_EQ(first->CurrentIndex, 1);
  auto empty = ListOf(0, 0);
  EXPECT_FALSE(NextPhoto(*empty, {""}).show);
  EXPECT_FALSE(PreviousPhoto(*empty, {""}).show);
}

TEST(Navigation, PanoramaStepsByItsPanes) {
  auto list = ListOf(10, 1);
  NextPhoto(*list, {"P1.jpg", kLtr, display::PanoramaMode::Four});
  EXPECT_EQ(list->CurrentIndex, 5) << "four photos: X moves by 4";
  NextPhoto(*list, {"P5.jpg", kLtr, display::PanoramaMode::Four, true});
  EXPECT_EQ(list->CurrentIndex, 6) << "Shift+X moves by 1";
  NextPhoto(*list, {"P6.jpg", kLtr, display::PanoramaMode::Four});
  EXPECT_EQ(list->CurrentIndex, 10);
  NextPhoto(*list, {"P10.jpg", kLtr, display::PanoramaMode::Two});
  EXPECT_EQ(list->CurrentIndex, 10);
  PreviousPhoto(*list, {"P10.jpg", kLtr, display::PanoramaMode::Four});
  EXPECT_EQ(list->CurrentIndex, 6);
  PreviousPhoto(*list, {"P6.jpg", kLtr, display::PanoramaMode::Two});
  EXPECT_EQ(list->CurrentIndex, 4);

  // Right to left, two photos: the displayed one is the photo before the cursor.
  auto rtl = ListOf(10, 6);
  NavigationStep step = NextPhoto(*rtl, {"P5.jpg", kRtl, display::PanoramaMode::TwoReversed});
  EXPECT_TRUE(step.cursorMoved);
  EXPECT_EQ(rtl->CurrentIndex, 8);
}

}  // namespace
}  // namespace kasumori::shell
